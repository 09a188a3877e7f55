// vexhop-xinfo FILE...
// Loads each X file with the game's reader and prints one JSON object per
// file on its own line. Exit status 0 when every file loaded, 1 when any was
// refused, 2 without arguments.

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "gfx/XFileError.h"
#include "gfx/XScene.h"

namespace {

// JSON string; bytes that are not valid UTF-8 (e.g. Shift-JIS names) become U+FFFD.
std::string Quote(const std::string& s) {
  std::string out = "\"";
  for (size_t i = 0; i < s.size();) {
    auto c = static_cast<unsigned char>(s[i]);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
      ++i;
    } else if (c < 0x20) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\u%04x", c);
      out += buf;
      ++i;
    } else if (c < 0x80) {
      out += static_cast<char>(c);
      ++i;
    } else {
      size_t length = c >= 0xF0 && c < 0xF5 ? 4 : c >= 0xE0 ? 3 : c >= 0xC2 && c < 0xE0 ? 2 : 0;
      bool valid = length > 0 && i + length <= s.size();
      for (size_t k = 1; valid && k < length; ++k) valid = (static_cast<unsigned char>(s[i + k]) & 0xC0) == 0x80;
      if (valid) {
        out.append(s, i, length);
        i += length;
      } else {
        out += "\xEF\xBF\xBD";
        ++i;
      }
    }
  }
  return out + "\"";
}

std::string Describe(const std::string& path, const XScene& scene) {
  size_t vertices = 0, faces = 0, materials = 0, bones = 0;
  std::vector<std::string> textures;
  for (const XMesh& mesh : scene.meshes) {
    vertices += mesh.positions.size();
    faces += mesh.triangles.size();
    materials += mesh.materials.size();
    bones += mesh.skin.size();
    for (const XMaterial& m : mesh.materials) {
      if (!m.texture.empty() && std::find(textures.begin(), textures.end(), m.texture) == textures.end()) {
        textures.push_back(m.texture);
      }
    }
  }
  std::string json = "{\"file\":" + Quote(path) + ",\"ok\":true,\"encoding\":\"" + EncodingName(scene.encoding) +
                     "\",\"floatBits\":" + std::to_string(scene.floatBits) +
                     ",\"frames\":" + std::to_string(scene.frames.size()) +
                     ",\"meshes\":" + std::to_string(scene.meshes.size()) + ",\"vertices\":" + std::to_string(vertices) +
                     ",\"faces\":" + std::to_string(faces) + ",\"materials\":" + std::to_string(materials) +
                     ",\"textures\":[";
  for (size_t i = 0; i < textures.size(); ++i) json += (i ? "," : "") + Quote(textures[i]);
  json += "],\"bones\":" + std::to_string(bones) + ",\"ticksPerSecond\":" + std::to_string(scene.TicksPerSecond()) +
          ",\"animationSets\":[";
  for (size_t i = 0; i < scene.animationSets.size(); ++i) {
    const XAnimationSet& set = scene.animationSets[i];
    char length[32];
    std::snprintf(length, sizeof length, "%.6g", double(set.LastTime()) / scene.TicksPerSecond());
    json += (i ? "," : "") + std::string("{\"name\":") + Quote(set.name) +
            ",\"keys\":" + std::to_string(set.KeyCount()) + ",\"length\":" + length + "}";
  }
  return json + "]}";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::cerr << "usage: vexhop-xinfo FILE...\n";
    return 2;
  }
  int status = 0;
  for (int i = 1; i < argc; ++i) {
    std::string path = argv[i];
    try {
      std::cout << Describe(path, ReadXFile(path)) << '\n';
    } catch (const XFileError& error) {
      std::cout << "{\"file\":" << Quote(path) << ",\"ok\":false,\"error\":" << Quote(error.what()) << "}\n";
      status = 1;
    }
  }
  return status;
}
