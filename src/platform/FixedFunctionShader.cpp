#include "platform/FixedFunctionShader.h"

#include <cstring>

namespace {

// Matrices are uploaded as Direct3D stores them (row by row). GLSL reads that
// memory column by column, so `M * v` here computes Direct3D's row-vector
// product v * M.
constexpr const char* kVertexSource = R"(#version 330 core
layout(location = 0) in vec4 aPosition;
layout(location = 1) in vec3 aNormal;
layout(location = 2) in vec4 aColor;
layout(location = 3) in vec2 aTexCoord;
layout(location = 4) in vec4 aWeights;
layout(location = 5) in uvec4 aBones;

uniform int uScreenSpace;
uniform vec4 uViewport;      // x, y, width, height in target pixels, y down
uniform vec2 uDepthRange;    // the viewport's minZ, maxZ
uniform mat4 uViewProjection;
uniform samplerBuffer uPalette;
uniform int uBlendMatrices;  // 1 .. 4
uniform int uIndexedBlend;
uniform int uVertexColor;
uniform int uLighting;
uniform vec4 uGlobalAmbient;
uniform vec4 uMaterialDiffuse;
uniform vec4 uMaterialAmbient;
uniform vec4 uMaterialEmissive;
uniform int uLightCount;
uniform vec3 uLightToward[8];  // unit vector from the surface towards the light
uniform vec4 uLightDiffuse[8];
uniform vec4 uLightAmbient[8];

out vec4 vColor;
out vec2 vTexCoord;

mat4 WorldMatrix(int entry) {
  int base = entry * 8;
  return mat4(texelFetch(uPalette, base), texelFetch(uPalette, base + 1),
              texelFetch(uPalette, base + 2), texelFetch(uPalette, base + 3));
}

mat3 NormalMatrix(int entry) {
  int base = entry * 8 + 4;
  return mat3(texelFetch(uPalette, base).xyz, texelFetch(uPalette, base + 1).xyz,
              texelFetch(uPalette, base + 2).xyz);
}

void ScreenVertex() {
  float w = aPosition.w != 0.0 ? 1.0 / aPosition.w : 1.0;
  vec2 ndc = vec2((aPosition.x - uViewport.x) / uViewport.z * 2.0 - 1.0,
                  1.0 - (aPosition.y - uViewport.y) / uViewport.w * 2.0);
  gl_Position = vec4(ndc, aPosition.z * 2.0 - 1.0, 1.0) * w;
  vColor = aColor;
}

vec4 LitColor(vec3 normal) {
  vec4 diffuse = uVertexColor != 0 ? aColor : uMaterialDiffuse;
  vec3 n = dot(normal, normal) > 0.0 ? normalize(normal) : normal;
  vec3 lit = uMaterialEmissive.rgb + uMaterialAmbient.rgb * uGlobalAmbient.rgb;
  for (int i = 0; i < uLightCount; ++i) {
    lit += uMaterialAmbient.rgb * uLightAmbient[i].rgb;
    lit += diffuse.rgb * uLightDiffuse[i].rgb * max(dot(n, uLightToward[i]), 0.0);
  }
  return clamp(vec4(lit, diffuse.a), 0.0, 1.0);
}

void ModelVertex() {
  vec4 position = vec4(0.0);
  vec3 normal = vec3(0.0);
  float rest = 1.0;
  for (int i = 0; i < uBlendMatrices; ++i) {
    // The last matrix takes what the listed weights leave.
    float weight = i == uBlendMatrices - 1 ? rest : aWeights[i];
    rest -= weight;
    int entry = uIndexedBlend != 0 ? int(aBones[i]) : i;
    position += weight * (WorldMatrix(entry) * vec4(aPosition.xyz, 1.0));
    normal += weight * (NormalMatrix(entry) * aNormal);
  }
  vec4 clip = uViewProjection * position;
  // Direct3D's clip depth 0..w, placed in the viewport's depth range, then
  // moved to GL's -w..w.
  float depth = uDepthRange.x * clip.w + clip.z * (uDepthRange.y - uDepthRange.x);
  gl_Position = vec4(clip.xy, depth * 2.0 - clip.w, clip.w);
  if (uLighting != 0)
    vColor = LitColor(normal);
  else
    vColor = uVertexColor != 0 ? aColor : vec4(1.0);
}

void main() {
  vTexCoord = aTexCoord;
  if (uScreenSpace != 0)
    ScreenVertex();
  else
    ModelVertex();
}
)";

constexpr const char* kFragmentSource = R"(#version 330 core
in vec4 vColor;
in vec2 vTexCoord;

uniform sampler2D uTexture;
uniform int uHasTexture;
uniform int uColorOp;
uniform int uColorArg1;
uniform int uColorArg2;
uniform int uAlphaOp;
uniform int uAlphaArg1;
uniform int uAlphaArg2;
uniform int uAlphaTest;
uniform int uAlphaFunc;
uniform int uAlphaRef;

out vec4 fragColor;

// Stage 0: the texture, or the vertex colour for both "diffuse" and "current".
vec4 Argument(int arg, vec4 texel) { return arg == 2 ? texel : vColor; }

vec4 Operation(int op, vec4 arg1, vec4 arg2) {
  if (op == 1) return vColor;  // disabled
  if (op == 2) return arg1;
  if (op == 3) return arg2;
  return arg1 * arg2;          // modulate
}

bool AlphaPasses(int a) {
  if (uAlphaFunc == 1) return false;
  if (uAlphaFunc == 2) return a < uAlphaRef;
  if (uAlphaFunc == 3) return a == uAlphaRef;
  if (uAlphaFunc == 4) return a <= uAlphaRef;
  if (uAlphaFunc == 5) return a > uAlphaRef;
  if (uAlphaFunc == 6) return a != uAlphaRef;
  if (uAlphaFunc == 7) return a >= uAlphaRef;
  return true;
}

void main() {
  vec4 texel = uHasTexture != 0 ? texture(uTexture, vTexCoord) : vec4(1.0);
  vec3 rgb = Operation(uColorOp, Argument(uColorArg1, texel), Argument(uColorArg2, texel)).rgb;
  float alpha = Operation(uAlphaOp, Argument(uAlphaArg1, texel), Argument(uAlphaArg2, texel)).a;
  if (uAlphaTest != 0 && !AlphaPasses(int(round(alpha * 255.0)))) discard;
  fragColor = vec4(rgb, alpha);
}
)";

// In the order of FixedFunctionShader::Uniform.
constexpr std::array<const char*, static_cast<size_t>(FixedFunctionShader::Uniform::Count)>
    kUniformNames = {
        "uScreenSpace", "uViewport", "uDepthRange", "uViewProjection", "uBlendMatrices",
        "uIndexedBlend", "uVertexColor", "uLighting", "uGlobalAmbient", "uMaterialDiffuse",
        "uMaterialAmbient", "uMaterialEmissive", "uLightCount", "uLightToward", "uLightDiffuse",
        "uLightAmbient", "uHasTexture", "uColorOp", "uColorArg1", "uColorArg2", "uAlphaOp",
        "uAlphaArg1", "uAlphaArg2", "uAlphaTest", "uAlphaFunc", "uAlphaRef"};

GLuint Compile(GLenum type, const char* source, std::string* error) {
  GLuint shader = glCreateShader(type);
  glShaderSource(shader, 1, &source, nullptr);
  glCompileShader(shader);
  GLint ok = 0;
  glGetShaderiv(shader, GL_COMPILE_STATUS, &ok);
  if (!ok) {
    char log[2048] = {};
    glGetShaderInfoLog(shader, sizeof log, nullptr, log);
    *error = log;
    glDeleteShader(shader);
    return 0;
  }
  return shader;
}

}  // namespace

FixedFunctionShader::~FixedFunctionShader() {
  if (program_) glDeleteProgram(program_);
}

bool FixedFunctionShader::Build(std::string* error) {
  GLuint vertex = Compile(GL_VERTEX_SHADER, kVertexSource, error);
  GLuint fragment = vertex ? Compile(GL_FRAGMENT_SHADER, kFragmentSource, error) : 0;
  if (!fragment) {
    if (vertex) glDeleteShader(vertex);
    return false;
  }
  program_ = glCreateProgram();
  glAttachShader(program_, vertex);
  glAttachShader(program_, fragment);
  glLinkProgram(program_);
  glDeleteShader(vertex);
  glDeleteShader(fragment);
  GLint ok = 0;
  glGetProgramiv(program_, GL_LINK_STATUS, &ok);
  if (!ok) {
    char log[2048] = {};
    glGetProgramInfoLog(program_, sizeof log, nullptr, log);
    *error = log;
    return false;
  }
  for (size_t i = 0; i < kUniformNames.size(); ++i)
    locations_[i] = glGetUniformLocation(program_, kUniformNames[i]);
  glUseProgram(program_);
  glUniform1i(glGetUniformLocation(program_, "uTexture"), 0);
  glUniform1i(glGetUniformLocation(program_, "uPalette"), 1);
  return true;
}

bool FixedFunctionShader::Changed(Uniform uniform, const float* values, size_t count) {
  auto index = static_cast<size_t>(uniform);
  if (LocationOf(uniform) < 0) return false;
  std::vector<float>& cached = cache_[index];
  if (cached.size() == count && std::memcmp(cached.data(), values, count * sizeof(float)) == 0)
    return false;
  cached.assign(values, values + count);
  return true;
}

void FixedFunctionShader::SetInt(Uniform uniform, int value) {
  auto asFloat = static_cast<float>(value);
  if (Changed(uniform, &asFloat, 1)) glUniform1i(LocationOf(uniform), value);
}

void FixedFunctionShader::SetVec2(Uniform uniform, float x, float y) {
  const float xy[2] = {x, y};
  if (Changed(uniform, xy, 2)) glUniform2fv(LocationOf(uniform), 1, xy);
}

void FixedFunctionShader::SetVec4(Uniform uniform, const float* xyzw) {
  if (Changed(uniform, xyzw, 4)) glUniform4fv(LocationOf(uniform), 1, xyzw);
}

void FixedFunctionShader::SetMat4(Uniform uniform, const float* rowMajor) {
  if (Changed(uniform, rowMajor, 16))
    glUniformMatrix4fv(LocationOf(uniform), 1, GL_FALSE, rowMajor);
}

void FixedFunctionShader::SetVec3Array(Uniform uniform, const float* values, int count) {
  if (Changed(uniform, values, static_cast<size_t>(3 * count)))
    glUniform3fv(LocationOf(uniform), count, values);
}

void FixedFunctionShader::SetVec4Array(Uniform uniform, const float* values, int count) {
  if (Changed(uniform, values, static_cast<size_t>(4 * count)))
    glUniform4fv(LocationOf(uniform), count, values);
}
