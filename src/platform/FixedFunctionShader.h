#pragma once
// The one GL program that stands in for Direct3D 9's fixed-function pipeline:
// pre-transformed screen vertices or model vertices through a world-matrix
// palette, per-vertex directional lighting with the ambient state, the
// modulate/select texture stage and the alpha test. Uniform writes are cached
// so that re-setting an unchanged value costs no GL call.

#include <epoxy/gl.h>

#include <array>
#include <string>
#include <vector>

class FixedFunctionShader {
 public:
  // Vertex attribute locations shared with the vertex layouts.
  enum Attribute : GLuint { Position = 0, Normal = 1, Color = 2, TexCoord = 3, Weights = 4, Bones = 5 };
  // Each palette entry is 8 texels of the palette buffer: the 4 rows of its
  // world matrix and the 3 rows of its normal matrix, plus one spare.
  static constexpr int kTexelsPerPaletteEntry = 8;
  static constexpr int kMaxLights = 8;

  enum class Uniform {
    ScreenSpace, Viewport, DepthRange, ViewProjection, BlendMatrices, IndexedBlend,
    VertexColor, Lighting, GlobalAmbient, MaterialDiffuse, MaterialAmbient, MaterialEmissive,
    LightCount, LightToward, LightDiffuse, LightAmbient,
    HasTexture, Arg1Texture, Arg2Texture, Arg1Unused, Arg2Unused, AlphaPass, AlphaInvert,
    Count
  };

  ~FixedFunctionShader();
  // False with `error` filled when the program does not build.
  bool Build(std::string* error);
  void Use() const { glUseProgram(program_); }

  void SetInt(Uniform uniform, int value);
  void SetFloat(Uniform uniform, float value);
  void SetVec2(Uniform uniform, float x, float y);
  void SetVec4(Uniform uniform, const float* xyzw);
  void SetMat4(Uniform uniform, const float* rowMajor);
  void SetVec3Array(Uniform uniform, const float* values, int count);
  void SetVec4Array(Uniform uniform, const float* values, int count);

  // glUniform calls made so far (unchanged values make none).
  int UniformCalls() const { return uniformCalls_; }

 private:
  GLint LocationOf(Uniform uniform) const { return locations_[static_cast<size_t>(uniform)]; }
  bool Changed(Uniform uniform, const float* values, size_t count);

  GLuint program_ = 0;
  int uniformCalls_ = 0;
  std::array<GLint, static_cast<size_t>(Uniform::Count)> locations_{};
  std::array<std::vector<float>, static_cast<size_t>(Uniform::Count)> cache_;
};
