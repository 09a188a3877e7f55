// The reader on small files written here: the grammar of each encoding,
// face fanning, references, and refusal of malformed input with a message
// that says where.

#include <gtest/gtest.h>
#include <zlib.h>

#include <cstring>
#include <string>
#include <vector>

#include "gfx/XFileError.h"
#include "gfx/XScene.h"

namespace {

std::vector<uint8_t> Bytes(const std::string& s) { return {s.begin(), s.end()}; }

XScene ParseText(const std::string& body) { return ParseXFile(Bytes("xof 0303txt 0032\n" + body), "mem.x"); }

std::string ErrorOf(const std::vector<uint8_t>& bytes) {
  try {
    ParseXFile(bytes, "bad.x");
  } catch (const XFileError& error) {
    return error.what();
  }
  return "(loaded)";
}
std::string TextError(const std::string& body) { return ErrorOf(Bytes("xof 0303txt 0032\n" + body)); }

// A pentagon and a triangle; the pentagon's normals differ per corner.
const char* kPolygonMesh = R"(
template Mesh { <3D82AB44-62DA-11cf-AB39-0020AF71E433> DWORD nVertices; array Vector vertices[nVertices]; }
// a comment
Material Red { 1.0;0.0;0.0;1.0;; 5.0; 0.0;0.0;0.0;; 0.0;0.0;0.0;; TextureFilename { "red.png"; } }
Frame Root {
  FrameTransformMatrix { 1,0,0,0, 0,1,0,0, 0,0,1,0, 10,20,30,1;; }
  Mesh Shape {
    6;
    0;0;0;, 1;0;0;, 2;1;0;, 1;2;0;, 0;1;0;, 5;5;5;;
    2;
    5;0,1,2,3,4;,
    3;0,1,5;;
    MeshNormals { 2; 0;0;-1;, 0;0;1;; 2; 5;0,0,0,0,1;, 3;1,1,1;; }
    MeshMaterialList { 2; 1; 1;; { Red } Material Blue { 0;0;1;1;; 0; 0;0;0;; 0;0;0;; } }
    UnknownThing { 1; 2; 3; }
  }
}
)";

}  // namespace

TEST(XFileReader, TextMeshIsFannedWithCornerNormalsAndMaterials) {
  XScene scene = ParseText(kPolygonMesh);
  ASSERT_EQ(scene.frames.size(), 1u);
  EXPECT_EQ(scene.frames[0].transform.m[3][1], 20);
  ASSERT_EQ(scene.meshes.size(), 1u);
  const XMesh& mesh = scene.meshes[0];
  EXPECT_EQ(mesh.frame, 0);
  EXPECT_EQ(mesh.faceCount, 2u);
  ASSERT_EQ(mesh.triangles.size(), 4u);  // 3 from the pentagon, 1 triangle
  const uint32_t fan[3][3] = {{0, 1, 2}, {0, 2, 3}, {0, 3, 4}};
  for (int t = 0; t < 3; ++t)
    for (int k = 0; k < 3; ++k) EXPECT_EQ(mesh.triangles[t].position[k], fan[t][k]);
  EXPECT_EQ(mesh.triangles[2].normal[2], 1u);  // the pentagon's fifth corner
  EXPECT_EQ(mesh.triangles[3].position[2], 5u);
  // One material index for two faces: the second face takes it too.
  EXPECT_EQ(mesh.triangles[0].material, 1u);
  EXPECT_EQ(mesh.triangles[3].material, 1u);
  ASSERT_EQ(mesh.materials.size(), 2u);
  EXPECT_EQ(mesh.materials[0].texture, "red.png");  // through the reference
  EXPECT_EQ(mesh.materials[1].diffuse.b, 1);
}

TEST(XFileReader, MalformedTextIsRefusedWithFileAndLine) {
  auto expectError = [](const std::string& body, const std::string& part) {
    std::string error = TextError(body);
    EXPECT_NE(error.find("bad.x"), std::string::npos) << error;
    EXPECT_NE(error.find(part), std::string::npos) << error;
  };
  expectError("Mesh {\n 1000000;\n 0;0;0;;\n 0;; }", "line 3");                       // count beyond the data
  expectError("Mesh {\n 3; 0;0;0;, 1;0;0;, 0;1;0;;\n 1;\n 3; 0,1,7;; }", "line 5");    // vertex index out of range
  expectError("Mesh {\n 3; 0;0;0;, 1;0;0;, 0;1;0;;\n 1; 2; 0,1, 5, 5;; }", "three corners");
  expectError("Frame A {\n Frame B {\n", "end of file");
  expectError("Material { \"unterminated; }", "unterminated string");
  expectError("Frame { 1.2.3; }", "bad number");
  expectError("AnimationSet { Animation { AnimationKey { 7; 1; 0; 3; 1;1;1;;; } } }", "AnimationKey type 7");
  expectError("AnimationSet { Animation { AnimationKey { 0; 1; 0; 3; 1;1;1;1;;; } } }", "value count");
  expectError("Mesh M { 3; 0;0;0;, 1;0;0;, 0;1;0;; 1; 3; 0,1,2;; MeshMaterialList { 1; 1; 0;; { Nowhere } } }",
              "Nowhere");
  expectError("Mesh M { 3; 0;0;0;, 1;0;0;, 0;1;0;; 1; 3; 0,1,2;; MeshMaterialList { 2; 1; 0;; } }",
              "gives 0");
  expectError(std::string(5000, '{'), "unexpected");
  std::string deep;
  for (int i = 0; i < 5000; ++i) deep += "Frame {";
  expectError(deep, "nested too deeply");
  EXPECT_NE(ErrorOf(Bytes("xof 0303zip 0032")).find("format"), std::string::npos);
  EXPECT_NE(ErrorOf(Bytes("xof 0303txt 0016")).find("float size"), std::string::npos);
  EXPECT_NE(ErrorOf(Bytes("xof 03")).find("not an X file"), std::string::npos);
}

TEST(XFileReader, AnimationKeysAreSortedAndRotationsConjugated) {
  XScene scene = ParseText(R"(
    AnimTicksPerSecond { 30; }
    AnimTicksPerSecond { 60; }
    AnimationSet Walk {
      Animation { { Hip }
        AnimationKey { 2; 2; 20; 3; 1;2;3;;, 10; 3; 4;5;6;;; }
        AnimationKey { 0; 1; 0; 4; 0.5;0.5;0.5;0.5;;; }
      }
    })");
  EXPECT_EQ(scene.TicksPerSecond(), 30u);  // the first one given
  const XAnimation& a = scene.animationSets[0].animations[0];
  EXPECT_EQ(a.frameName, "Hip");
  ASSERT_EQ(a.translations.size(), 2u);
  EXPECT_EQ(a.translations[0].time, 10u);
  EXPECT_EQ(a.translations[0].value.x, 4);
  EXPECT_EQ(scene.animationSets[0].LastTime(), 20u);
  EXPECT_EQ(scene.animationSets[0].KeyCount(), 3u);
  Quat q = a.rotations[0].value;
  EXPECT_EQ(q.w, 0.5f);
  EXPECT_EQ(q.x, -0.5f);
}

namespace {

// Writes the binary encoding's tokens.
class BinaryWriter {
 public:
  explicit BinaryWriter(const char* floatSize) {
    std::string header = std::string("xof 0303bin ") + floatSize;
    bytes_.assign(header.begin(), header.end());
    doubles_ = std::strcmp(floatSize, "0064") == 0;
  }
  BinaryWriter& Word(uint16_t w) { return Raw(&w, 2); }
  BinaryWriter& Dword(uint32_t d) { return Raw(&d, 4); }
  BinaryWriter& Name(const std::string& s) { return Word(1).Dword(uint32_t(s.size())).Raw(s.data(), s.size()); }
  BinaryWriter& Open() { return Word(10); }
  BinaryWriter& Close() { return Word(11); }
  BinaryWriter& Integers(std::vector<uint32_t> v) {
    Word(6).Dword(uint32_t(v.size()));
    for (uint32_t d : v) Dword(d);
    return *this;
  }
  BinaryWriter& Floats(std::vector<double> v) {
    Word(7).Dword(uint32_t(v.size()));
    for (double d : v) {
      float f = float(d);
      doubles_ ? Raw(&d, 8) : Raw(&f, 4);
    }
    return *this;
  }
  std::vector<uint8_t> bytes_;

 private:
  BinaryWriter& Raw(const void* p, size_t n) {  // little-endian host, as the format
    auto b = static_cast<const uint8_t*>(p);
    bytes_.insert(bytes_.end(), b, b + n);
    return *this;
  }
  bool doubles_ = false;
};

std::vector<uint8_t> BinaryTriangle(const char* floatSize) {
  BinaryWriter w(floatSize);
  w.Name("Frame").Name("F").Open();
  w.Name("Mesh").Open().Integers({3}).Floats({0, 0, 0, 1.25, 0, 0, 0, 1e-40, 0}).Integers({1, 3, 0, 1, 2}).Close();
  w.Close();
  return w.bytes_;
}

}  // namespace

TEST(XFileReader, BinaryEncodingWith32And64BitFloats) {
  for (const char* size : {"0032", "0064"}) {
    SCOPED_TRACE(size);
    XScene scene = ParseXFile(BinaryTriangle(size), "tri.x");
    EXPECT_EQ(scene.encoding, XEncoding::Binary);
    ASSERT_EQ(scene.meshes.size(), 1u);
    EXPECT_EQ(scene.meshes[0].frame, 0);
    EXPECT_EQ(scene.meshes[0].positions[1].x, 1.25f);
    EXPECT_EQ(scene.meshes[0].triangles.size(), 1u);
  }
  // A header alone is an empty file; every other truncation is refused without reading past the end.
  std::vector<uint8_t> whole = BinaryTriangle("0064");
  for (size_t n = 17; n < whole.size(); ++n) {
    std::vector<uint8_t> cut(whole.begin(), whole.begin() + long(n));
    EXPECT_NE(ErrorOf(cut), "(loaded)") << n;
  }
  std::vector<uint8_t> unknown = whole;
  unknown[16] = 0x61;
  unknown[17] = 0x6C;
  EXPECT_NE(ErrorOf(unknown).find("unknown token 0x6C61"), std::string::npos);
}

namespace {

// MSZIP blocks of at most `blockSize` inflated bytes, each deflated with the
// output so far as its dictionary.
std::vector<uint8_t> Compress(const std::string& format, const std::string& body, size_t blockSize) {
  std::string header = "xof 0303" + format + "0032";
  std::vector<uint8_t> out(header.begin(), header.end());
  auto dword = [&](uint32_t d) { for (int i = 0; i < 4; ++i) out.push_back(uint8_t(d >> (8 * i))); };
  auto word = [&](uint32_t w) { out.push_back(uint8_t(w)); out.push_back(uint8_t(w >> 8)); };
  dword(uint32_t(body.size() + 16));
  for (size_t at = 0; at < body.size(); at += blockSize) {
    size_t n = std::min(blockSize, body.size() - at);
    z_stream z{};
    deflateInit2(&z, 9, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
    size_t dictStart = at > 32768 ? at - 32768 : 0;
    if (at > 0) deflateSetDictionary(&z, reinterpret_cast<const Bytef*>(body.data() + dictStart), uInt(at - dictStart));
    std::vector<uint8_t> packed(deflateBound(&z, uLong(n)) + 16);
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(body.data() + at));
    z.avail_in = uInt(n);
    z.next_out = packed.data();
    z.avail_out = uInt(packed.size());
    deflate(&z, Z_FINISH);
    packed.resize(z.total_out);
    deflateEnd(&z);
    word(uint32_t(n));
    word(uint32_t(packed.size() + 2));
    out.push_back('C');
    out.push_back('K');
    out.insert(out.end(), packed.begin(), packed.end());
  }
  return out;
}

}  // namespace

TEST(XFileReader, CompressedTextAcrossBlockBoundaries) {
  std::string body = std::string(kPolygonMesh);
  // Blocks of 7 bytes cut through names, numbers and strings.
  XScene scene = ParseXFile(Compress("tzip", body, 7), "packed.x");
  EXPECT_EQ(scene.encoding, XEncoding::CompressedText);
  ASSERT_EQ(scene.meshes.size(), 1u);
  EXPECT_EQ(scene.meshes[0].triangles.size(), 4u);
  EXPECT_EQ(scene.meshes[0].materials[0].texture, "red.png");

  std::vector<uint8_t> bytes = Compress("tzip", body, 64);
  bytes[16] += 1;  // stated size one more than the blocks hold
  EXPECT_NE(ErrorOf(bytes).find("shorter than its stated size"), std::string::npos);
  bytes = Compress("tzip", body, 64);
  bytes.resize(bytes.size() - 5);
  EXPECT_NE(ErrorOf(bytes), "(loaded)");
  bytes = Compress("tzip", body, 64);
  bytes[24] = 'X';  // the first block's "CK"
  EXPECT_NE(ErrorOf(bytes).find("block header"), std::string::npos);
}
