#pragma once
// The calls a frame is made of, as RepeatedFrameFilter holds them until the
// frame is presented: each with its arguments, compared bit for bit (a call
// repeated with the same bits draws the same pixels).

#include <cstring>
#include <string>
#include <variant>
#include <vector>

#include "gfx/RenderDevice.h"

namespace held {

template <typename T>
bool SameBits(const T& a, const T& b) {
  return std::memcmp(&a, &b, sizeof(T)) == 0;
}

struct Begin {
  bool operator==(const Begin&) const { return true; }
};
struct End {
  bool operator==(const End&) const { return true; }
};
struct Clear {
  uint32_t flags, argb;
  float z;
  bool operator==(const Clear& o) const { return SameBits(*this, o); }
};
struct SetViewport {
  Viewport viewport;
  bool operator==(const SetViewport& o) const { return SameBits(*this, o); }
};
struct SetRenderState {
  RenderState state;
  uint32_t value;
  bool operator==(const SetRenderState& o) const { return SameBits(*this, o); }
};
struct SetStageState {
  int stage;
  TextureStageState state;
  uint32_t value;
  bool operator==(const SetStageState& o) const { return SameBits(*this, o); }
};
struct SetStage {
  int stage;
  TextureStage settings;
  bool operator==(const SetStage& o) const { return SameBits(*this, o); }
};
struct SetTransform {
  uint32_t slot;
  Matrix matrix;
  bool operator==(const SetTransform& o) const { return SameBits(*this, o); }
};
struct SetLight {
  int index;
  Light light;
  bool operator==(const SetLight& o) const { return SameBits(*this, o); }
};
struct LightEnable {
  int index;
  bool enable;
  bool operator==(const LightEnable& o) const { return index == o.index && enable == o.enable; }
};
struct SetMaterial {
  Material material;
  bool operator==(const SetMaterial& o) const { return SameBits(*this, o); }
};
struct SetTexture {
  int stage;
  const DeviceTexture* texture;
  bool operator==(const SetTexture& o) const { return stage == o.stage && texture == o.texture; }
};
struct Quad {
  ScreenVertex vertices[4];
  bool operator==(const Quad& o) const { return SameBits(*this, o); }
};
struct Mesh {
  const DeviceMesh* mesh;
  uint32_t firstIndex, triangleCount;
  bool operator==(const Mesh& o) const { return SameBits(*this, o); }
};
struct MeshVertices {
  DeviceMesh* mesh;
  std::vector<MeshVertex> vertices;
  bool operator==(const MeshVertices& o) const {
    return mesh == o.mesh && vertices.size() == o.vertices.size() &&
           std::memcmp(vertices.data(), o.vertices.data(), vertices.size() * sizeof(MeshVertex)) == 0;
  }
};
struct Text {
  DeviceFont* font;
  int x, y;
  uint32_t argb;
  std::string text;
  bool operator==(const Text& o) const {
    return font == o.font && x == o.x && y == o.y && argb == o.argb && text == o.text;
  }
};

using Call = std::variant<Begin, End, Clear, SetViewport, SetRenderState, SetStageState, SetStage, SetTransform,
                          SetLight, LightEnable, SetMaterial, SetTexture, Quad, Mesh, MeshVertices, Text>;
using Frame = std::vector<Call>;

// Whether the call changes pixels (the rest set state or rewrite a mesh).
inline bool Draws(const Call& call) {
  return std::holds_alternative<Clear>(call) || std::holds_alternative<Quad>(call) ||
         std::holds_alternative<Mesh>(call) || std::holds_alternative<Text>(call);
}

}  // namespace held
