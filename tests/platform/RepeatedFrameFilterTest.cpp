// The filter in front of a recording device: what reaches the device behind
// it, frame by frame.

#include "platform/RepeatedFrameFilter.h"

#include <gtest/gtest.h>

#include "platform/RecordingDevice.h"

namespace {

void Quad(RenderDevice& device, float x, uint32_t argb = 0xFFFFFFFF) {
  const ScreenVertex quad[4] = {{x, 0, 0, 1, argb, 0, 0},
                                {x + 10, 0, 0, 1, argb, 1, 0},
                                {x, 10, 0, 1, argb, 0, 1},
                                {x + 10, 10, 0, 1, argb, 1, 1}};
  device.DrawScreenQuad(quad);
}

class RepeatedFrameFilterTest : public ::testing::Test {
 protected:
  RepeatedFrameFilterTest() {
    auto device = std::make_unique<RecordingDevice>();
    inner = device.get();
    filter = std::make_unique<RepeatedFrameFilter>(std::move(device));
  }

  // A frame as the session draws one: a clear, a state, a quad, some text.
  void Frame(float x, uint32_t blend = 1, const std::string& text = "Version 1.0.0") {
    filter->BeginScene();
    filter->Clear(ClearFlags::Target | ClearFlags::ZBuffer, 0xFF000000, 1);
    filter->SetRenderState(RenderState::AlphaBlendEnable, blend);
    Quad(*filter, x);
    font->DrawText(550, 180, 0xFFFFFFFF, text);
    filter->EndScene();
    filter->Present();
  }
  float FirstQuadX() const { return inner->Draws().at(1).quad[0].x; }

  RecordingDevice* inner = nullptr;
  std::unique_ptr<RepeatedFrameFilter> filter;
  std::unique_ptr<DeviceFont> font;
};

TEST_F(RepeatedFrameFilterTest, AFrameLikeTheOneBeforeIsHeldBack) {
  font = filter->CreateFont("Face", 18, false);
  Frame(0);
  EXPECT_EQ(filter->FramesDrawn(), 1);
  Frame(0);
  Frame(0);
  EXPECT_EQ(filter->FramesDrawn(), 1);
  EXPECT_EQ(filter->FramesRepeated(), 2);
  // The device behind is asked to present every frame; it shows the last picture again.
  EXPECT_EQ(inner->PresentCount(), 3);
}

TEST_F(RepeatedFrameFilterTest, AnyDifferenceInAStateADrawOrATextIsPassedOn) {
  font = filter->CreateFont("Face", 18, false);
  Frame(0);
  Frame(0.5f);
  EXPECT_EQ(FirstQuadX(), 0.5f);
  Frame(0.5f, 0);
  EXPECT_EQ(inner->Draws().at(1).states.Get(RenderState::AlphaBlendEnable), 0u);
  Frame(0.5f, 0, "Version 1.0.1");
  EXPECT_EQ(inner->Draws().at(2).text, "Version 1.0.1");
  EXPECT_EQ(filter->FramesDrawn(), 4);
  EXPECT_EQ(filter->FramesRepeated(), 0);
  // The calls reach the device behind in their order, text among them.
  const std::vector<DrawRecord>& draws = inner->Draws();
  ASSERT_EQ(draws.size(), 3u);
  EXPECT_EQ(draws[0].kind, DrawKind::Clear);
  EXPECT_EQ(draws[1].kind, DrawKind::Quad);
  EXPECT_EQ(draws[2].kind, DrawKind::Text);
}

// The same calls draw differently when a state set after the draw in one
// frame is still set at the draw in the next.
TEST_F(RepeatedFrameFilterTest, TheSameCallsFromAStateTheirDrawReadsDifferentlyArePassedOn) {
  auto frame = [&] {
    filter->BeginScene();
    Quad(*filter, 0);
    filter->SetRenderState(RenderState::AlphaBlendEnable, 1);
    filter->Present();
  };
  filter->SetRenderState(RenderState::AlphaBlendEnable, 0);
  filter->Present();
  frame();  // draws without blending
  frame();  // the same calls, drawn with it
  EXPECT_EQ(filter->FramesDrawn(), 3);
  EXPECT_EQ(inner->Draws().at(0).states.Get(RenderState::AlphaBlendEnable), 1u);
  frame();
  EXPECT_EQ(filter->FramesDrawn(), 3);
}

TEST_F(RepeatedFrameFilterTest, NewObjectsOrALostWindowHaveTheNextFramePassedOn) {
  font = filter->CreateFont("Face", 18, false);
  Frame(0);
  auto texture = filter->CreateTexture(2, 2, nullptr);  // may sit where a freed one was
  Frame(0);
  EXPECT_EQ(filter->FramesDrawn(), 2);
  filter->ForgetLastFrame();
  Frame(0);
  EXPECT_EQ(filter->FramesDrawn(), 3);
  Frame(0);
  EXPECT_EQ(filter->FramesDrawn(), 3);
}

// A screenshot reads the picture while a frame is half drawn: what was held
// reaches the device first, and the frame is then passed on to the end.
TEST_F(RepeatedFrameFilterTest, ReadingThePicturePassesOnWhatWasHeld) {
  font = filter->CreateFont("Face", 18, false);
  Frame(0);
  filter->BeginScene();
  Quad(*filter, 20);
  filter->ReadBackBuffer();
  EXPECT_EQ(inner->Draws().size(), 1u);
  EXPECT_EQ(inner->Draws()[0].quad[0].x, 20);
  Quad(*filter, 40);
  filter->Present();
  ASSERT_EQ(inner->Draws().size(), 2u);
  EXPECT_EQ(inner->Draws()[1].quad[0].x, 40);
  // The next frame cannot be compared with one only half held.
  filter->BeginScene();
  Quad(*filter, 40);
  filter->Present();
  EXPECT_EQ(filter->FramesDrawn(), 3);
}

TEST_F(RepeatedFrameFilterTest, TheStateReadsAsSetBeforeTheFrameIsPassedOn) {
  filter->SetViewport({0, 550, 800, 50, 0, 1});
  filter->SetRenderState(RenderState::CullMode, Cull::None);
  filter->SetTransform(TransformSlot::View, MatrixTranslation(1, 2, 3));
  EXPECT_EQ(filter->GetViewport().y, 550);
  EXPECT_EQ(filter->GetRenderState(RenderState::CullMode), Cull::None);
  EXPECT_EQ(filter->GetTransform(TransformSlot::View).m[3][1], 2);
  EXPECT_EQ(inner->GetViewport().y, 0);  // not yet
  filter->Present();
  EXPECT_EQ(inner->GetViewport().y, 550);
  EXPECT_EQ(inner->GetRenderState(RenderState::CullMode), Cull::None);
}

}  // namespace
