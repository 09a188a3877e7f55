#pragma once
// Textures and meshes held by the GL device. Each keeps a weak link to the
// context that made it, so one that outlives its device is dropped without
// calling into a dead context.

#include <epoxy/gl.h>

#include <functional>
#include <memory>
#include <vector>

#include "gfx/RenderDevice.h"
#include "platform/ImageFile.h"

// What a resource knows of the context that made it: whether it still lives,
// and what has to happen before one of its textures is deleted (quads still
// waiting to be drawn with it are drawn first).
struct GlContextLink {
  std::function<void()> beforeTextureDeleted;
};
using GlContextLife = std::shared_ptr<GlContextLink>;

// The pixels of a framebuffer (0: the window's back buffer), top row first.
Image ReadFramebuffer(GLuint framebuffer, int width, int height);

class GlTexture final : public DeviceTexture {
 public:
  // Uploads the image at its own size; width and height report the
  // power-of-two size the original loader would have created. Sampled with
  // point filtering and wrap addressing.
  GlTexture(const GlContextLife& context, int imageWidth, int imageHeight, const uint32_t* argb);
  // Keeps the file's bytes and decodes and uploads them when the texture is
  // first drawn with: a picture the game loads but does not show costs its
  // file's size, not its pixels', and start-up does not wait for decoding.
  // Bytes that do not decode give a transparent texture, which draws nothing.
  GlTexture(const GlContextLife& context, EncodedImage encoded);
  ~GlTexture() override;
  GlTexture(const GlTexture&) = delete;
  GlTexture& operator=(const GlTexture&) = delete;

  // Uploads a picture still waiting first.
  GLuint Name() const;
  // Every texel fully opaque (uploads a picture still waiting).
  bool Opaque() const;

 private:
  void Upload(int width, int height, const uint32_t* argb) const;

  std::weak_ptr<GlContextLink> context_;
  mutable GLuint name_ = 0;
  mutable bool opaque_ = false;
  mutable std::vector<uint8_t> encoded_;  // bytes still to decode; empty once uploaded
};

class GlMesh final : public DeviceMesh {
 public:
  GlMesh(const GlContextLife& context, const std::vector<MeshVertex>& vertices,
         const std::vector<uint32_t>& indices, const MeshFormat& format);
  ~GlMesh() override;
  GlMesh(const GlMesh&) = delete;
  GlMesh& operator=(const GlMesh&) = delete;

  void UpdateVertices(const std::vector<MeshVertex>& vertices);
  GLuint VertexArray() const { return vertexArray_; }
  bool HasVertexColors() const { return format_.hasVertexColors; }
  // Every vertex colour has full alpha.
  bool ColorsOpaque() const { return colorsOpaque_; }

 private:
  std::weak_ptr<GlContextLink> context_;
  MeshFormat format_;
  GLuint vertexArray_ = 0, vertexBuffer_ = 0, indexBuffer_ = 0;
  size_t vertexCount_ = 0;
  bool colorsOpaque_ = false;
};
