#include "platform/FixedFunctionShader.h"

#include <cstdio>
#include <cstring>

namespace {

// Matrices are uploaded as Direct3D stores them (row by row). GLSL reads that
// memory column by column, so `M * v` here computes Direct3D's row-vector
// product v * M. VERTICES is 0 (screen), 1 (one world matrix) or 2 (palette);
// LIGHTS is the number of directional lights, fixed so that the light loop
// unrolls (a loop to a uniform count costs the rasteriser more than the
// lighting itself).
constexpr const char* kVertexSource = R"(
layout(location = 0) in vec4 aPosition;
layout(location = 1) in vec3 aNormal;
layout(location = 2) in vec4 aColor;
layout(location = 3) in vec2 aTexCoord;
layout(location = 4) in vec4 aWeights;
layout(location = 5) in uvec4 aBones;

VARYING out vec4 vColor;
VARYING out vec2 vTexCoord;

#if VERTICES == 0
uniform vec4 uViewport;      // x, y, width, height in target pixels, y down

void main() {
  vTexCoord = aTexCoord;
  float w = aPosition.w != 0.0 ? 1.0 / aPosition.w : 1.0;
  vec2 ndc = vec2((aPosition.x - uViewport.x) / uViewport.z * 2.0 - 1.0,
                  1.0 - (aPosition.y - uViewport.y) / uViewport.w * 2.0);
  gl_Position = vec4(ndc, aPosition.z * 2.0 - 1.0, 1.0) * w;
  vColor = aColor;
}
#else
uniform vec2 uDepthRange;    // the viewport's minZ, maxZ
uniform mat4 uViewProjection;
uniform int uVertexColor;
uniform int uLighting;
uniform vec4 uGlobalAmbient;
uniform vec4 uMaterialDiffuse;
uniform vec4 uMaterialAmbient;
uniform vec4 uMaterialEmissive;
#if LIGHTS > 0
uniform vec3 uLightToward[LIGHTS];  // unit vector from the surface towards the light
uniform vec4 uLightDiffuse[LIGHTS];
uniform vec4 uLightAmbient[LIGHTS];
#endif

#if VERTICES == 1
uniform mat4 uWorld;
uniform mat3 uNormalMatrix;
#else
uniform samplerBuffer uPalette;
uniform int uBlendMatrices;  // 1 .. 4
uniform int uIndexedBlend;

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
#endif

vec4 LitColor(vec3 normal) {
  vec4 diffuse = uVertexColor != 0 ? aColor : uMaterialDiffuse;
  vec3 n = dot(normal, normal) > 0.0 ? normalize(normal) : normal;
  vec3 lit = uMaterialEmissive.rgb + uMaterialAmbient.rgb * uGlobalAmbient.rgb;
#if LIGHTS > 0
  for (int i = 0; i < LIGHTS; ++i) {
    lit += uMaterialAmbient.rgb * uLightAmbient[i].rgb;
    lit += diffuse.rgb * uLightDiffuse[i].rgb * max(dot(n, uLightToward[i]), 0.0);
  }
#endif
  return clamp(vec4(lit, diffuse.a), 0.0, 1.0);
}

void main() {
  vTexCoord = aTexCoord;
#if VERTICES == 1
  // What the palette loop gives for one matrix at full weight.
  vec4 position = uWorld * vec4(aPosition.xyz, 1.0);
  vec3 normal = uNormalMatrix * aNormal;
#else
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
#endif
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
#endif
)";

// STAGE is 0 (texture times vertex colour), 1 (vertex colour), 2 (general:
// the texture stage resolved on the CPU into per-channel selectors, rgb for
// the colour operation and alpha for the alpha operation) or 3 (the texture:
// stage 0 with white vertex colours).
constexpr const char* kFragmentSource = R"(
VARYING in vec4 vColor;
VARYING in vec2 vTexCoord;

uniform sampler2D uTexture;
uniform vec2 uAlphaPass;    // alpha (0..255) passes the test inside this range ...
uniform int uAlphaInvert;   // ... or outside it
#if STAGE == 2
uniform float uHasTexture;
uniform vec4 uArg1Texture;  // 1 where argument 1 is the texture, 0 for the vertex colour
uniform vec4 uArg2Texture;
uniform vec4 uArg1Unused;   // 1 where the operation ignores argument 1
uniform vec4 uArg2Unused;
#endif

out vec4 fragColor;

void main() {
#if STAGE == 0
  vec4 color = texture(uTexture, vTexCoord) * vColor;
#elif STAGE == 1
  vec4 color = vColor;
#elif STAGE == 3
  vec4 color = texture(uTexture, vTexCoord);
#else
  vec4 texel = mix(vec4(1.0), texture(uTexture, vTexCoord), uHasTexture);
  vec4 arg1 = mix(mix(vColor, texel, uArg1Texture), vec4(1.0), uArg1Unused);
  vec4 arg2 = mix(mix(vColor, texel, uArg2Texture), vec4(1.0), uArg2Unused);
  vec4 color = arg1 * arg2;
#endif
#if ALPHA_TEST
  float alpha = round(color.a * 255.0);
  bool inside = alpha >= uAlphaPass.x && alpha <= uAlphaPass.y;
  if (inside == (uAlphaInvert != 0)) discard;
#endif
  fragColor = color;
}
)";

// In the order of FixedFunctionShader::Uniform.
constexpr std::array<const char*, static_cast<size_t>(FixedFunctionShader::Uniform::Count)>
    kUniformNames = {
        "uViewport", "uDepthRange", "uViewProjection", "uWorld", "uNormalMatrix", "uBlendMatrices",
        "uIndexedBlend", "uVertexColor", "uLighting", "uGlobalAmbient", "uMaterialDiffuse",
        "uMaterialAmbient", "uMaterialEmissive", "uLightToward", "uLightDiffuse",
        "uLightAmbient", "uHasTexture", "uArg1Texture", "uArg2Texture", "uArg1Unused",
        "uArg2Unused", "uAlphaPass", "uAlphaInvert"};

GLuint Compile(GLenum type, const std::string& header, const char* source, std::string* error) {
  GLuint shader = glCreateShader(type);
  const char* parts[2] = {header.c_str(), source};
  glShaderSource(shader, 2, parts, nullptr);
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

int IndexOf(const FixedFunctionShader::Variant& v) {
  const int shape = (static_cast<int>(v.vertices) * FixedFunctionShader::kStages + static_cast<int>(v.stage)) * 4 +
                    (v.alphaTest ? 2 : 0) + (v.flat ? 1 : 0);
  return shape * (FixedFunctionShader::kMaxLights + 1) + v.lights;
}

}  // namespace

FixedFunctionShader::~FixedFunctionShader() {
  for (auto& [index, program] : programs_)
    if (program.name) glDeleteProgram(program.name);
}

// The other variants are built when first used: each costs time and memory
// in the driver, and a session may never need some of them.
bool FixedFunctionShader::Build(std::string* error) {
  const Variant general{Vertices::Screen, Stage::General, true, 0};
  if (!BuildVariant(general, error)) return false;
  Use(general);
  return true;
}

FixedFunctionShader::Program* FixedFunctionShader::Built(const Variant& variant) {
  Program& program = programs_[IndexOf(variant)];
  if (program.name) return &program;
  if (program.failed) return nullptr;
  std::string error;
  if (BuildVariant(variant, &error)) return &program;
  program.failed = true;  // said once, not on every draw
  std::fprintf(stderr, "OpenGL program %d/%d: %s\n", static_cast<int>(variant.vertices),
               static_cast<int>(variant.stage), error.c_str());
  return nullptr;
}

bool FixedFunctionShader::BuildVariant(const Variant& variant, std::string* error) {
  const std::string header = "#version 330 core\n#define VERTICES " + std::to_string(static_cast<int>(variant.vertices)) +
                             "\n#define STAGE " + std::to_string(static_cast<int>(variant.stage)) +
                             "\n#define ALPHA_TEST " + (variant.alphaTest ? "1" : "0") +
                             "\n#define LIGHTS " + std::to_string(variant.lights) +
                             (variant.flat ? "\n#define VARYING noperspective\n" : "\n#define VARYING\n");
  GLuint vertex = Compile(GL_VERTEX_SHADER, header, kVertexSource, error);
  GLuint fragment = vertex ? Compile(GL_FRAGMENT_SHADER, header, kFragmentSource, error) : 0;
  if (!fragment) {
    if (vertex) glDeleteShader(vertex);
    return false;
  }
  Program& program = programs_[IndexOf(variant)];
  program.name = glCreateProgram();
  glAttachShader(program.name, vertex);
  glAttachShader(program.name, fragment);
  glLinkProgram(program.name);
  // Detached, the compiled shaders are freed now rather than with the program.
  glDetachShader(program.name, vertex);
  glDetachShader(program.name, fragment);
  glDeleteShader(vertex);
  glDeleteShader(fragment);
  GLint ok = 0;
  glGetProgramiv(program.name, GL_LINK_STATUS, &ok);
  if (!ok) {
    char log[2048] = {};
    glGetProgramInfoLog(program.name, sizeof log, nullptr, log);
    *error = log;
    glDeleteProgram(program.name);
    program.name = 0;
    return false;
  }
  for (size_t i = 0; i < kUniformNames.size(); ++i)
    program.locations[i] = glGetUniformLocation(program.name, kUniformNames[i]);
  glUseProgram(program.name);
  glUniform1i(glGetUniformLocation(program.name, "uTexture"), 0);
  glUniform1i(glGetUniformLocation(program.name, "uPalette"), 1);
  if (current_) glUseProgram(current_->name);
  return true;
}

void FixedFunctionShader::Use(const Variant& variant) {
  Program* program = Built(variant);
  // The general program of the same vertices and lights draws it too, only slower.
  if (!program) program = Built({variant.vertices, Stage::General, variant.alphaTest, variant.lights});
  if (!program || program == current_) return;
  current_ = program;
  glUseProgram(program->name);
  ++stateCalls_;
}

bool FixedFunctionShader::Changed(Uniform uniform, const float* values, size_t count) {
  auto index = static_cast<size_t>(uniform);
  if (LocationOf(uniform) < 0) return false;
  std::vector<float>& cached = current_->cache[index];
  if (cached.size() == count && std::memcmp(cached.data(), values, count * sizeof(float)) == 0)
    return false;
  cached.assign(values, values + count);
  ++stateCalls_;
  return true;
}

void FixedFunctionShader::SetInt(Uniform uniform, int value) {
  auto asFloat = static_cast<float>(value);
  if (Changed(uniform, &asFloat, 1)) glUniform1i(LocationOf(uniform), value);
}

void FixedFunctionShader::SetFloat(Uniform uniform, float value) {
  if (Changed(uniform, &value, 1)) glUniform1f(LocationOf(uniform), value);
}

void FixedFunctionShader::SetVec2(Uniform uniform, float x, float y) {
  const float xy[2] = {x, y};
  if (Changed(uniform, xy, 2)) glUniform2fv(LocationOf(uniform), 1, xy);
}

void FixedFunctionShader::SetVec4(Uniform uniform, const float* xyzw) {
  if (Changed(uniform, xyzw, 4)) glUniform4fv(LocationOf(uniform), 1, xyzw);
}

void FixedFunctionShader::SetMat3(Uniform uniform, const float* columns) {
  if (Changed(uniform, columns, 9)) glUniformMatrix3fv(LocationOf(uniform), 1, GL_FALSE, columns);
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
