#pragma once
// The game session on the headless bundle (recording device, scripted pad 0)
// and the recording audio sink, over a scratch runtime tree that holds every
// file of the catalogue: one-triangle models whose first vertex tells them
// apart, white pictures (full size where drawing tests look at sizes) and
// non-empty sound and music files. g_pGame points at the session while the
// harness lives.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <sstream>
#include <string>

#include "game/CZelGame.h"
#include "platform/HeadlessPlatform.h"
#include "platform/ImageFile.h"
#include "platform/RecordingAudio.h"
#include "platform/RecordingDevice.h"
#include "support/Catalogue.h"
#include "support/ScratchImages.h"
#include "support/TempDir.h"

class ScratchTree {
 public:

  ScratchTree() {
    for (const char* folder : {"bin", "Data", "Texture", "Model", "AnimModel/goremu", "Sound", "BGM", "Font", "stage"}) {
      std::filesystem::create_directories(dir_.path() / folder);
    }
    const auto white = [](int, int) { return ~0u; };
    int id = 0;
    for (const char* name : kCatalogueModels) WriteModel(std::string("Model/") + name + ".x", ++id);
    WriteModel("AnimModel/goremu/goremu.x", 0);
    for (int i = 1; i <= 9; ++i) WritePicture("Texture/info" + std::to_string(i) + ".png", Paint(800, 50, white));
    std::istringstream pictures(
        "Texture/black 800 600 Texture/gameover 800 600 Texture/Getready 400 100 Texture/bomb 800 46 "
        "Texture/life 60 50 Texture/stone1 4 4 Texture/wall 4 4 Texture/title 4 4 Texture/title_1 4 4 "
        "Texture/title_2 4 4 Texture/option 4 4 Texture/cursor 4 4 Texture/clear 4 4 Texture/back 4 4 "
        "Texture/congratulations 4 4 Texture/allclear 4 4 Font/FontNumber 200 60 Font/FontEnglish 600 50");
    std::string name;
    for (int width, height; pictures >> name >> width >> height;) WritePicture(name + ".png", Paint(width, height, white));
    for (const char* effect : kCatalogueEffects) WriteBytes(dir_ / (std::string("Sound/") + effect), "RIFF");
    for (const char* piece : {"title", "Option", "Stage1", "Stage2", "Stage3", "Stage4", "Stage5", "ending"}) {
      WriteBytes(dir_ / (std::string("BGM/") + piece + ".mid"), "MThd");
    }
  }

  std::string ExeFolder() const { return dir_ / "bin/"; }
  std::string operator/(const std::string& name) const { return dir_ / name; }
  // Empties a folder of the tree, as if its files were missing.
  void Empty(const std::string& folder) const {
    std::filesystem::remove_all(dir_.path() / folder);
    std::filesystem::create_directories(dir_.path() / folder);
  }
  // A triangle whose first vertex is (id, 0, 0).
  void WriteModel(const std::string& name, int id) const {
    WriteBytes(dir_ / name, "xof 0303txt 0032\nMesh { 3; " + std::to_string(id) + ";0;0;, 0;1;0;, 1;0;0;; 1; 3; 0,1,2;; }");
  }
  void WritePicture(const std::string& name, const Image& image) const { SavePng(dir_ / name, image, PngAlpha::Keep); }

 private:
  TempDir dir_;
};

// The file name of the picture a draw used; "" for none.
inline std::string PictureOf(const DrawRecord& draw) {
  if (!draw.texture) return "";
  const std::string& path = draw.texture->path;
  return path.substr(path.find_last_of("/\\") + 1);
}

class SessionHarness {
 public:
  // On the headless bundle given (the recording device unless it says otherwise).
  explicit SessionHarness(const ScratchTree& tree,
                          std::unique_ptr<HeadlessPlatform> bundle = std::make_unique<HeadlessPlatform>())
      : platformOwner(std::move(bundle)), platform(*platformOwner) {
    platform.SetExecutableFolder(tree.ExeFolder());
    game = std::make_unique<CZelGame>(platform, audio);
    g_pGame = game.get();
  }
  ~SessionHarness() {
    game.reset();
    g_pGame = nullptr;
  }
  SessionHarness(const SessionHarness&) = delete;
  SessionHarness& operator=(const SessionHarness&) = delete;

  RecordingDevice& Device() const { return static_cast<RecordingDevice&>(*game->GetDisplay()->GetDevice()); }
  // One logic step then one drawn frame, as on a 60 Hz display.
  void Step(int count = 1) {
    for (int i = 0; i < count; ++i) {
      game->Move();
      game->RenderFrame();
    }
  }
  // Pad 0 holds these physical buttons for the next `steps` steps.
  void Hold(int steps, std::initializer_list<int> buttons) {
    PadHold hold;
    for (int b : buttons) hold.buttons.set(static_cast<size_t>(b));
    platform.Script()->Hold(steps, hold);
  }

  std::unique_ptr<HeadlessPlatform> platformOwner;
  HeadlessPlatform& platform;
  RecordingAudio audio;
  std::unique_ptr<CZelGame> game;
};

// A session on a fresh scratch tree, for tests that need nothing else first.
class SessionTest : public ::testing::Test {
 protected:
  ScratchTree tree;
  SessionHarness h{tree};
  CZelGame& game = *h.game;
};
