// Where two frames can differ: worked out by hand from the rectangles each
// draw can reach (its box, two pixels wider on every side, within the
// viewport) and from which state each draw reads.

#include <gtest/gtest.h>

#include "platform/FrameDamage.h"

namespace {

constexpr Viewport kScreen{0, 0, 800, 600, 0, 1};
constexpr uint32_t kBoth = ClearFlags::Target | ClearFlags::ZBuffer;

held::Quad QuadAt(float x) {
  held::Quad q;
  const ScreenVertex v[4] = {
      {x, 0, 0, 1, ~0u, 0, 0}, {x + 10, 0, 0, 1, ~0u, 1, 0}, {x, 10, 0, 1, ~0u, 0, 1}, {x + 10, 10, 0, 1, ~0u, 1, 1}};
  std::copy(v, v + 4, q.vertices);
  return q;
}

Matrix Moved(float x) {
  Matrix m;
  m.m[3][0] = x;
  return m;
}

class FrameDamageTest : public ::testing::Test {
 protected:
  FrameDamageTest() {
    // A unit square in x and y: through identity matrices it spans x 400..800, y 0..300.
    std::vector<MeshVertex> vertices(2);
    vertices[1].position = {1, 1, 0};
    vertices[1].bones[0] = 1;
    meshes[&mesh] = MeasureMesh(vertices);
  }

  std::optional<std::vector<PixelRect>> Damage(const held::Frame& before, const held::Frame& now) {
    const FixedFunctionState start;
    return FrameDamage(before, WalkFrame(before, start, meshes, 800, 600), now,
                       WalkFrame(now, start, meshes, 800, 600));
  }
  static held::Frame Cleared(std::initializer_list<held::Call> calls) {
    held::Frame frame{held::SetViewport{kScreen}, held::Clear{kBoth, 0, 1}};
    frame.insert(frame.end(), calls);
    return frame;
  }

  DeviceMesh mesh;
  MeshExtents meshes;
};

TEST_F(FrameDamageTest, AMovedQuadDamagesWhereItWasAndWhereItIsOnly) {
  const auto damage = Damage(Cleared({QuadAt(100), QuadAt(300)}), Cleared({QuadAt(120), QuadAt(300)}));
  ASSERT_TRUE(damage);
  EXPECT_EQ(*damage, (std::vector<PixelRect>{{98, 0, 14, 12}, {118, 0, 14, 12}}));
  EXPECT_TRUE(Damage(Cleared({QuadAt(300)}), Cleared({QuadAt(300)}))->empty());
}

TEST_F(FrameDamageTest, ADrawIsDamagedWhileAStateItReadsDiffers) {
  using S = held::SetRenderState;
  const held::Frame before =
      Cleared({S{RenderState::AlphaBlendEnable, 0}, QuadAt(300), S{RenderState::AlphaBlendEnable, 1}, QuadAt(500)});
  held::Frame now = before;
  now[2] = S{RenderState::AlphaBlendEnable, 1};
  EXPECT_EQ(*Damage(before, now), (std::vector<PixelRect>{{298, 0, 14, 12}}));

  // A world matrix is read by meshes only, and only those they are blended with.
  using T = held::SetTransform;
  const held::Frame world = Cleared({T{TransformSlot::WorldMatrix(1), Moved(0)}, held::Mesh{&mesh, 0, 1}, QuadAt(0)});
  held::Frame otherWorld = world;
  otherWorld[2] = T{TransformSlot::WorldMatrix(1), Moved(-1)};
  EXPECT_TRUE(Damage(world, otherWorld)->empty());
  otherWorld[2] = T{TransformSlot::WorldMatrix(0), Moved(0.5f)};
  EXPECT_EQ(*Damage(world, otherWorld), (std::vector<PixelRect>{{398, 0, 402, 302}}));
}

TEST_F(FrameDamageTest, FramesThatDoNotLineUpOrLeavePixelsUnclearedAreDrawnWhole) {
  EXPECT_FALSE(Damage(Cleared({QuadAt(0)}), Cleared({QuadAt(0), QuadAt(20)})));
  EXPECT_FALSE(Damage(Cleared({QuadAt(0)}), Cleared({held::Mesh{&mesh, 0, 1}})));
  const held::Frame half{held::SetViewport{{0, 0, 800, 300, 0, 1}}, held::Clear{kBoth, 0, 1}, QuadAt(0)};
  EXPECT_FALSE(Damage(half, half));
  const held::Frame colourOnly{held::SetViewport{kScreen}, held::Clear{ClearFlags::Target, 0, 1}, QuadAt(0)};
  EXPECT_FALSE(Damage(colourOnly, colourOnly));
  // Two viewports cleared one after the other cover the screen as one does.
  const held::Frame band{held::SetViewport{{0, 0, 800, 550, 0, 1}}, held::Clear{kBoth, 0, 1},
                         held::SetViewport{{0, 550, 800, 50, 0, 1}}, held::Clear{kBoth, 0, 1}, QuadAt(0)};
  EXPECT_TRUE(Damage(band, band));
}

TEST_F(FrameDamageTest, ABlendedMeshReachesAsFarAsEachOfItsMatrices) {
  FixedFunctionState state;
  const PixelRect screen{0, 0, 800, 600};
  EXPECT_EQ(ModelReach(meshes[&mesh], state, screen), (PixelRect{398, 0, 402, 302}));
  // Bone 1 moves the square one unit left: x 0..400, so with bone 0 the whole width.
  state.SetTransform(TransformSlot::WorldMatrix(1), Moved(-1));
  state.states.Set(RenderState::VertexBlend, VertexBlendFlags::Weights1);
  state.states.Set(RenderState::IndexedVertexBlendEnable, 1);
  EXPECT_EQ(ModelReach(meshes[&mesh], state, screen), (PixelRect{0, 0, 800, 302}));
  // Weights that do not simply mix could reach anywhere.
  std::vector<MeshVertex> odd(1);
  odd[0].weights[0] = -0.5f;
  EXPECT_EQ(ModelReach(MeasureMesh(odd), state, screen), screen);
  // A corner behind the camera cannot be projected.
  state.SetTransform(TransformSlot::Projection, Moved(0));
  Matrix behind;
  behind.m[3][3] = -1;
  state.SetTransform(TransformSlot::View, behind);
  EXPECT_EQ(ModelReach(meshes[&mesh], state, screen), screen);
}

TEST_F(FrameDamageTest, RectanglesJoinWhereTheyOverlapThenWhereJoiningCostsLeast) {
  EXPECT_EQ(JoinRects({{0, 0, 10, 10}, {5, 5, 10, 10}, {100, 0, 10, 10}}, 6),
            (std::vector<PixelRect>{{0, 0, 15, 15}, {100, 0, 10, 10}}));
  EXPECT_EQ(JoinRects({{0, 0, 10, 10}, {20, 0, 10, 10}, {500, 0, 10, 10}}, 2),
            (std::vector<PixelRect>{{0, 0, 30, 10}, {500, 0, 10, 10}}));
}

}  // namespace
