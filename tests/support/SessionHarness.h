#pragma once
// The game session on the headless bundle (recording device, scripted pad 0)
// and the recording audio sink, over a scratch runtime tree that holds every
// file of the catalogue: one-triangle models whose first vertex tells them
// apart, small pictures (full-size where drawing tests look at sizes) and
// non-empty sound and music files. g_pGame points at the session while the
// harness lives.

#include <filesystem>
#include <initializer_list>
#include <memory>
#include <string>

#include "game/CZelGame.h"
#include "platform/HeadlessPlatform.h"
#include "platform/ImageFile.h"
#include "platform/RecordingAudio.h"
#include "platform/RecordingDevice.h"
#include "support/TempDir.h"

class ScratchTree {
 public:
  ScratchTree() {
    for (const char* folder : {"bin", "Data", "Texture", "Model", "AnimModel/goremu", "Sound", "BGM", "Font"}) {
      std::filesystem::create_directories(dir_.path() / folder);
    }
    int id = 0;
    for (const char* name : {"key", "tokei", "red_tokei", "blue_tokei", "CD", "CDs", "door_L", "door_R", "door",
                             "needle", "needle2", "needle3", "ghost", "ghost_R", "daruma", "daruma_R", "1up", "batu",
                             "jump", "doriru", "bomb", "BG1", "BG2", "BG3", "BG4", "BG5"}) {
      WriteModel(std::string("Model/") + name + ".x", ++id);
    }
    WriteModel("AnimModel/goremu/goremu.x", 0);
    for (int i = 1; i <= 9; ++i) WritePicture("Texture/info" + std::to_string(i) + ".png", 800, 50);
    WritePicture("Texture/black.png", 800, 600);
    WritePicture("Texture/gameover.png", 800, 600);
    WritePicture("Texture/Getready.png", 400, 100);
    WritePicture("Texture/bomb.png", 800, 46);
    WritePicture("Texture/life.png", 60, 50);
    for (const char* name : {"stone1.png", "wall.png", "title.png", "title_1.png", "title_2.png", "option.png",
                             "cursor.png", "clear.png", "back.png", "congratulations.png", "allclear.png"}) {
      WritePicture(std::string("Texture/") + name, 4, 4);
    }
    WritePicture("Font/FontNumber.png", 200, 60);
    WritePicture("Font/FontEnglish.png", 600, 50);
    for (const char* name : {"開ける.wav", "閉める.wav", "Score1.wav", "Score2.wav", "Time.wav", "1UP.wav", "Kill.wav",
                             "jump.wav", "hit.wav", "create.wav", "delete.wav", "harry.wav", "roket.wav",
                             "hijump.wav", "deside.wav", "cursor.wav", "gameover.wav"}) {
      WriteBytes(dir_ / (std::string("Sound/") + name), "RIFF");
    }
    for (const char* name : {"title.mid", "Option.mid", "Stage1.mid", "ending.mid"}) {
      WriteBytes(dir_ / (std::string("BGM/") + name), "MThd");
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
    WriteBytes(dir_ / name, "xof 0303txt 0032\nMesh { 3; " + std::to_string(id) +
                                ";0;0;, 0;1;0;, 1;0;0;; 1; 3; 0,1,2;; }\n");
  }
  void WritePicture(const std::string& name, const Image& image) const { SavePng(dir_ / name, image, PngAlpha::Keep); }

 private:
  void WritePicture(const std::string& name, int width, int height) const {
    Image image;
    image.width = width;
    image.height = height;
    image.argb.assign(static_cast<size_t>(width) * static_cast<size_t>(height), 0xFFFFFFFF);
    WritePicture(name, image);
  }

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
  void Hold(int steps, const PadHold& hold) { platform.Script()->Hold(steps, hold); }

  std::unique_ptr<HeadlessPlatform> platformOwner;
  HeadlessPlatform& platform;
  RecordingAudio audio;
  std::unique_ptr<CZelGame> game;
};
