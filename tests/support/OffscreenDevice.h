#pragma once
// A fixture that gives each test an off-screen GL device with the render
// states the game sets after every device reset, and helpers to read pixels.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "gfx/GameView.h"
#include "platform/OffscreenGl.h"

class OffscreenDeviceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string error;
    gl_ = OffscreenGl::Create(&error);
    ASSERT_NE(gl_, nullptr) << error;
    ApplyGameStates(Device());
    SetWhiteLight(Device(), 0, LightType::Directional, {-1, -1, -1}, 1000);
  }

  OffscreenGl& Offscreen() { return *gl_; }
  GlDevice& Device() { return gl_->Device(); }
  Image Capture() { return gl_->Capture(); }
  uint32_t Pixel(int x, int y) { return Capture().At(x, y) | 0xFF000000; }

 private:
  std::unique_ptr<OffscreenGl> gl_;
};
