#pragma once
// The GL programs that stand in for Direct3D 9's fixed-function pipeline:
// pre-transformed screen vertices or model vertices through a world matrix
// or a world-matrix palette, per-vertex directional lighting with the ambient
// state, the modulate/select texture stage and the alpha test.
//
// One source is built in variants. On a software rasteriser every texture
// read and every instruction is paid per pixel, so the common cases get
// programs of their own: a model drawn with one world matrix takes it from
// uniforms rather than reading the palette per vertex; a modulating stage
// with or without a texture does only its one multiplication, none when
// every colour is white; draws whose vertices all end with the same w
// (screen quads of one rhw, models under an orthographic camera) have
// nothing for perspective to correct and are interpolated straight across
// the screen. The general program keeps the whole stage and the palette for
// everything else. Each comes with and without the alpha test: a program
// that may discard pixels cannot have their depth tested before it runs.
// Model programs are also built per number of lights, so that the light
// loop has a fixed count. Uniform writes are cached per program so that
// re-setting an unchanged value costs no GL call.

#include <epoxy/gl.h>

#include <array>
#include <map>
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

  enum class Vertices {
    Screen,   // pre-transformed screen vertices
    World,    // model vertices through the one world matrix (uWorld, uNormalMatrix)
    Palette,  // model vertices blended through the palette
  };
  enum class Stage {
    TextureTimesColor,  // both operations modulate the texture by the vertex colour
    Color,              // the same with no texture bound: the vertex colour
    General,            // any other stage, resolved by the Arg* selectors
    Texture,            // the modulating stage with every vertex colour white: the texture
  };
  static constexpr int kStages = 4;

  enum class Uniform {
    Viewport, DepthRange, ViewProjection, World, NormalMatrix, BlendMatrices, IndexedBlend,
    VertexColor, Lighting, GlobalAmbient, MaterialDiffuse, MaterialAmbient, MaterialEmissive,
    LightToward, LightDiffuse, LightAmbient,
    HasTexture, Arg1Texture, Arg2Texture, Arg1Unused, Arg2Unused, AlphaPass, AlphaInvert,
    Count
  };

  // One program: the vertices, the texture stage, whether it may discard
  // pixels (without the alpha test none is, whatever the AlphaPass uniforms
  // say), the number of directional lights (0 .. kMaxLights; the lights are
  // arrays of that size) and whether every vertex has the same w.
  struct Variant {
    Vertices vertices;
    Stage stage;
    bool alphaTest;
    int lights;
    bool flat = false;
  };

  ~FixedFunctionShader();
  // Builds the general screen program; false with `error` filled when it
  // does not build. The others are built on first use.
  bool Build(std::string* error);
  // Makes the variant current (a GL call only when it changes); the Set
  // calls then write its uniforms. A uniform a variant lacks is ignored. A
  // variant that does not build is replaced by the general one.
  void Use(const Variant& variant);

  void SetInt(Uniform uniform, int value);
  void SetFloat(Uniform uniform, float value);
  void SetVec2(Uniform uniform, float x, float y);
  void SetVec4(Uniform uniform, const float* xyzw);
  void SetMat3(Uniform uniform, const float* columns);
  void SetMat4(Uniform uniform, const float* rowMajor);
  void SetVec3Array(Uniform uniform, const float* values, int count);
  void SetVec4Array(Uniform uniform, const float* values, int count);

  // GL calls made so far that change its state (programs made current,
  // uniforms written); unchanged values make none.
  int StateCalls() const { return stateCalls_; }

 private:
  struct Program {
    GLuint name = 0;
    bool failed = false;
    std::array<GLint, static_cast<size_t>(Uniform::Count)> locations{};
    std::array<std::vector<float>, static_cast<size_t>(Uniform::Count)> cache;
  };

  bool BuildVariant(const Variant& variant, std::string* error);
  // The variant's program, built now if need be; null (said on stderr) when it does not build.
  Program* Built(const Variant& variant);
  GLint LocationOf(Uniform uniform) const { return current_->locations[static_cast<size_t>(uniform)]; }
  bool Changed(Uniform uniform, const float* values, size_t count);

  std::map<int, Program> programs_;  // by variant; built ones keep their place
  Program* current_ = nullptr;
  int stateCalls_ = 0;
};
