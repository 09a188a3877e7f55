#include "platform/GlResources.h"

#include <algorithm>
#include <cstddef>

#include "platform/FixedFunctionShader.h"
#include "platform/ImageFile.h"

Image ReadFramebuffer(GLuint framebuffer, int width, int height) {
  Image image;
  image.width = width;
  image.height = height;
  image.argb.resize(static_cast<size_t>(width) * height);
  glBindFramebuffer(GL_READ_FRAMEBUFFER, framebuffer);
  glReadBuffer(framebuffer ? GL_COLOR_ATTACHMENT0 : GL_BACK);
  glPixelStorei(GL_PACK_ALIGNMENT, 4);
  glReadPixels(0, 0, width, height, GL_BGRA, GL_UNSIGNED_INT_8_8_8_8_REV, image.argb.data());
  // GL rows run bottom-up.
  for (int y = 0; y < height / 2; ++y)
    std::swap_ranges(image.argb.begin() + y * width, image.argb.begin() + (y + 1) * width,
                     image.argb.begin() + (height - 1 - y) * width);
  return image;
}

GlTexture::GlTexture(const GlContextLife& context, int imageWidth, int imageHeight,
                     const uint32_t* argb)
    : context_(context) {
  this->imageWidth = static_cast<uint32_t>(imageWidth);
  this->imageHeight = static_cast<uint32_t>(imageHeight);
  width = TextureSideFor(this->imageWidth);
  height = TextureSideFor(this->imageHeight);
  Upload(imageWidth, imageHeight, argb);
}

GlTexture::GlTexture(const GlContextLife& context, EncodedImage encoded)
    : context_(context), encoded_(std::move(encoded.bytes)) {
  imageWidth = static_cast<uint32_t>(encoded.width);
  imageHeight = static_cast<uint32_t>(encoded.height);
  width = TextureSideFor(imageWidth);
  height = TextureSideFor(imageHeight);
}

GLuint GlTexture::Name() const {
  if (!encoded_.empty()) {
    const std::optional<Image> image = DecodeImage(encoded_);
    encoded_.clear();
    encoded_.shrink_to_fit();
    const uint32_t transparent = 0;
    if (image) {
      Upload(image->width, image->height, image->argb.data());
    } else {
      Upload(1, 1, &transparent);
    }
  }
  return name_;
}

namespace {

bool AllOpaque(const uint32_t* argb, size_t count) {
  return std::all_of(argb, argb + count, [](uint32_t pixel) { return pixel >> 24 == 0xFF; });
}

bool AllColorsOpaque(const std::vector<MeshVertex>& vertices) {
  return std::all_of(vertices.begin(), vertices.end(), [](const MeshVertex& v) { return v.diffuse >> 24 == 0xFF; });
}

}  // namespace

bool GlTexture::Opaque() const {
  Name();
  return opaque_;
}

void GlTexture::Upload(int width, int height, const uint32_t* argb) const {
  opaque_ = AllOpaque(argb, static_cast<size_t>(width) * static_cast<size_t>(height));
  glGenTextures(1, &name_);
  glBindTexture(GL_TEXTURE_2D, name_);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
  // ARGB words are BGRA bytes on little-endian machines; the _REV type says
  // so on any machine.
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_BGRA, GL_UNSIGNED_INT_8_8_8_8_REV, argb);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, 0);
}

GlTexture::~GlTexture() {
  const GlContextLife context = context_.lock();
  if (!context) return;
  if (context->beforeTextureDeleted) context->beforeTextureDeleted();
  if (name_) glDeleteTextures(1, &name_);
}

GlMesh::GlMesh(const GlContextLife& context, const std::vector<MeshVertex>& vertices,
               const std::vector<uint32_t>& indices, const MeshFormat& format)
    : context_(context), format_(format), vertexCount_(vertices.size()), colorsOpaque_(AllColorsOpaque(vertices)) {
  using A = FixedFunctionShader::Attribute;
  glGenVertexArrays(1, &vertexArray_);
  glBindVertexArray(vertexArray_);
  glGenBuffers(1, &vertexBuffer_);
  glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer_);
  glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(vertices.size() * sizeof(MeshVertex)),
               vertices.data(), format.dynamic ? GL_DYNAMIC_DRAW : GL_STATIC_DRAW);
  glGenBuffers(1, &indexBuffer_);
  glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, indexBuffer_);
  glBufferData(GL_ELEMENT_ARRAY_BUFFER, static_cast<GLsizeiptr>(indices.size() * sizeof(uint32_t)),
               indices.data(), GL_STATIC_DRAW);

  const auto stride = static_cast<GLsizei>(sizeof(MeshVertex));
  auto at = [](size_t offset) { return reinterpret_cast<const void*>(offset); };
  glEnableVertexAttribArray(A::Position);
  glVertexAttribPointer(A::Position, 3, GL_FLOAT, GL_FALSE, stride, at(offsetof(MeshVertex, position)));
  glEnableVertexAttribArray(A::Normal);
  glVertexAttribPointer(A::Normal, 3, GL_FLOAT, GL_FALSE, stride, at(offsetof(MeshVertex, normal)));
  glEnableVertexAttribArray(A::Color);
  glVertexAttribPointer(A::Color, GL_BGRA, GL_UNSIGNED_BYTE, GL_TRUE, stride,
                        at(offsetof(MeshVertex, diffuse)));
  glEnableVertexAttribArray(A::TexCoord);
  glVertexAttribPointer(A::TexCoord, 2, GL_FLOAT, GL_FALSE, stride, at(offsetof(MeshVertex, u)));
  glEnableVertexAttribArray(A::Weights);
  glVertexAttribPointer(A::Weights, 4, GL_FLOAT, GL_FALSE, stride, at(offsetof(MeshVertex, weights)));
  glEnableVertexAttribArray(A::Bones);
  glVertexAttribIPointer(A::Bones, 4, GL_UNSIGNED_BYTE, stride, at(offsetof(MeshVertex, bones)));
  glBindVertexArray(0);
}

GlMesh::~GlMesh() {
  if (context_.expired()) return;
  glDeleteBuffers(1, &vertexBuffer_);
  glDeleteBuffers(1, &indexBuffer_);
  glDeleteVertexArrays(1, &vertexArray_);
}

void GlMesh::UpdateVertices(const std::vector<MeshVertex>& vertices) {
  glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer_);
  auto bytes = static_cast<GLsizeiptr>(vertices.size() * sizeof(MeshVertex));
  if (vertices.size() == vertexCount_)
    glBufferSubData(GL_ARRAY_BUFFER, 0, bytes, vertices.data());
  else
    glBufferData(GL_ARRAY_BUFFER, bytes, vertices.data(), GL_DYNAMIC_DRAW);
  vertexCount_ = vertices.size();
  colorsOpaque_ = AllColorsOpaque(vertices);
}
