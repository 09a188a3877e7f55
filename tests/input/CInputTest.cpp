#include "input/CInput.h"

#include <gtest/gtest.h>

#include <vector>

#include "input/KeyLayout.h"

namespace {

// Devices whose state the test sets directly; a pad whose lX is kUnreadable
// fails to read.
struct FakeDevices final : InputSource {
  static constexpr int32_t kUnreadable = 99999;
  bool keyboardReadable = true;
  KeyboardState keys = {};
  std::vector<PadReading> pads;
  int polls = 0;

  void Poll() override { ++polls; }
  bool ReadKeyboard(KeyboardState& out) override {
    out = keys;
    return keyboardReadable;
  }
  int PadCount() const override { return static_cast<int>(pads.size()); }
  bool ReadPad(int index, PadReading& out) override {
    out = pads.at(index);
    return out.lX != kUnreadable;
  }
};

class CInputTest : public ::testing::Test {
 protected:
  CInputTest() {
    auto owned = std::make_unique<FakeDevices>();
    devices = owned.get();
    input = std::make_unique<CInput>(std::move(owned));
  }
  void Press(uint8_t dik) { devices->keys[dik] = 0x80; }
  PadReading& AddPad() { return devices->pads.emplace_back(); }
  const PadState& Update(int slot = 0) {
    input->Update();
    return input->GetState(slot);
  }

  FakeDevices* devices;
  std::unique_ptr<CInput> input;
};

TEST_F(CInputTest, KeyboardFillsTheFourRecordsOfTheFixedLayout) {
  for (uint8_t dik : {Dik::S, Dik::X, Dik::C, Dik::Return, Dik::M, Dik::Up, Dik::Key6, Dik::T}) Press(dik);
  devices->keys[Dik::V] = 0x7F;  // only the high bit means held

  const PadState& pad0 = Update(0);
  EXPECT_TRUE(pad0.up && pad0.down && pad0.right && !pad0.left);
  EXPECT_EQ(pad0.button[1], 1);
  EXPECT_EQ(pad0.button[8], 1);
  EXPECT_EQ(pad0.button[0], 0);
  EXPECT_FLOAT_EQ(pad0.axisY, -1.0f);  // up wins over down
  EXPECT_FLOAT_EQ(pad0.axisX, 1.0f);

  // The arrows feed record 1, not the record the game reads.
  EXPECT_EQ(input->GetState(1).up, 1);
  EXPECT_FLOAT_EQ(input->GetState(1).axisY, -1.0f);
  EXPECT_EQ(input->GetState(2).button[1], 1);
  EXPECT_EQ(input->GetState(3).button[1], 1);
  EXPECT_EQ(devices->polls, 1);
}

TEST_F(CInputTest, StickDeadZoneIsExclusiveAt200AndTheAxisLinearUpToFullTiltAt800) {
  PadReading& stick = AddPad();
  stick.lY = -200;
  stick.lX = 200;
  PadState pad = Update();
  EXPECT_FALSE(pad.up || pad.down || pad.left || pad.right);
  EXPECT_FLOAT_EQ(pad.axisX, 0.0f);
  EXPECT_FLOAT_EQ(pad.axisY, 0.0f);

  stick.lY = -201;
  stick.lX = 201;
  pad = Update();
  EXPECT_TRUE(pad.up && pad.right);
  EXPECT_FLOAT_EQ(pad.axisY, -1.0f / 600.0f);
  EXPECT_FLOAT_EQ(pad.axisX, 1.0f / 600.0f);

  for (auto [raw, axis] : {std::pair{-1000, -1.0f}, {-800, -1.0f}, {-799, -599.0f / 600}, {500, 0.5f}, {800, 1.0f}})
    EXPECT_FLOAT_EQ(StickAxis(raw), axis) << raw;
}

TEST_F(CInputTest, KeyboardAndFirstPadShareRecordZero) {
  Press(Dik::S);
  Press(Dik::V);
  PadReading& stick = AddPad();
  stick.lY = -800;
  stick.lX = 1000;
  for (int b : {0, 2, 32}) stick.rgbButtons[b] = 0x80;

  const PadState& pad = Update();
  EXPECT_FLOAT_EQ(pad.axisY, -2.0f);  // S and the stick add up
  EXPECT_FLOAT_EQ(pad.axisX, 1.0f);
  EXPECT_TRUE(pad.up && pad.right);
  EXPECT_TRUE(pad.button[0] && pad.button[2] && pad.button[32]);
}

TEST_F(CInputTest, EachPadFeedsItsOwnRecordUpToSixteen) {
  for (int i = 0; i < 17; ++i) AddPad().rgbButtons[5] = 0x80;
  devices->pads[3].lX = FakeDevices::kUnreadable;  // a failed read leaves only that record empty
  input->Update();
  for (int i = 0; i < CInput::kPadSlots; ++i) {
    EXPECT_EQ(input->GetState(i).button[5], i == 3 ? 0 : 1) << "slot " << i;
  }
}

TEST_F(CInputTest, RecordsStartClearedEveryUpdateAndOnClearStates) {
  Press(Dik::V);
  AddPad().lX = -1000;
  EXPECT_EQ(Update().button[0], 1);

  input->ClearStates();
  EXPECT_EQ(input->GetState(0).button[0], 0);
  EXPECT_EQ(input->GetState(0).left, 0);
  EXPECT_FLOAT_EQ(input->GetState(0).axisX, 0.0f);

  // The window went to the background: the keyboard cannot be read.
  devices->keyboardReadable = false;
  devices->pads.clear();
  const PadState& pad = Update();
  EXPECT_EQ(pad.button[0], 0);
  EXPECT_FLOAT_EQ(pad.axisX, 0.0f);
}

}  // namespace
