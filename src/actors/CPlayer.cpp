#include "actors/CPlayer.h"

#include <numbers>

#include "actors/CEffect_Fade.h"
#include "actors/CEffect_GameOver.h"
#include "actors/Gravity.h"
#include "game/CZelGame.h"
#include "game/TaskSlots.h"
#include "scenes/CEvent_Clear.h"
#include "stage/CHardWall.h"
#include "stage/CWall.h"
#include "stage/LoadStage.h"
#include "task/TaskIter.h"

static_assert(sizeof(CPlayer) <= kPlayerSlots.slotSize);

namespace {

enum Button { kJump = 0, kBlock = 1, kRight = 10, kLeft = 11, kDown = 13 };

constexpr float kHalf = 3;  // the player's box is 6 x 6
constexpr float kWalkSpeed = 0.5f;
constexpr float kJumpSpeed = 1.8f;
constexpr float kDropLimit = -80;

constexpr float kSpinPerMove = 25;
constexpr float kRisePerMove = 2;
constexpr float kOffScreenTop = 330;
constexpr int32_t kMissTeardown = 40;
constexpr int32_t kMissEnd = 70;

constexpr int32_t kClearFade = 60;
constexpr int32_t kClearCloseDoor = 80;
constexpr int32_t kClearTeardown = 99;
constexpr int32_t kClearEnd = 100;
constexpr int32_t kShrinkFrames = 40;  // drawn at the door before this

constexpr int32_t kBuildAt = 15;
constexpr int32_t kActionFrames = 25;

constexpr float kRadians = std::numbers::pi_v<float> / 180;
constexpr float kModelScale = 0.05f;

bool Held(int button) { return g_pGame->GetIs(0, button); }

}  // namespace

void FindPlayerContact(const CMobTask& self, bool counts, bool& touching, CPlayer*& player) {
  CTaskIter it(g_pGame->PlayerList.get());
  while (CTask* task = it.Next()) {
    auto* candidate = static_cast<CPlayer*>(task);
    touching = self.IsHit(*candidate) && counts;
    if (touching) player = candidate;
  }
}

CPlayer::CPlayer(int32_t x, int32_t y)
    : CMobTask(g_pGame->PlayerList.get(), static_cast<float>(x), static_cast<float>(y), 0, -kHalf, -kHalf, kHalf,
               kHalf),
      intX(x),
      intY(y) {
  RecordCell();
  g_pGame->stageClear = false;
}

bool CPlayer::Move() {
  if (g_pGame->miss) return MoveMissSequence();
  if (g_pGame->stageClear || sequenceTimer > 0) return MoveClearSequence();
  if (actionTimer == 0) ReadInput();
  if (actionTimer == kBuildAt && !blockBuilt) Build();
  facingAngle = facingLeft ? 270.0f : 90.0f;
  gravityVelocity -= kGravity;
  if (actionTimer == 0) x += vx;
  Fall();
  CollideWithBlocks();
  if (gravityVelocity < 0) onGround = false;  // nothing stopped the fall this move
  intX = static_cast<int32_t>(x);
  intY = static_cast<int32_t>(y);
  if (y < kDropLimit) x = y = 0;
  jumpHeld = Held(kJump) || Held(kBlock);
  RecordCell();
  return true;
}

// Spins up off the top of the screen; once above it, a fade covers the
// stage, the stage ends and a life goes, then the stage restarts or the game
// is over.
bool CPlayer::MoveMissSequence() {
  CZelGame& game = *g_pGame;
  spinAngle += kSpinPerMove;
  game.playing = false;
  y += kRisePerMove;
  if (y <= kOffScreenTop) return true;
  if (sequenceTimer == 0) new CEffect_Fade;
  ++sequenceTimer;
  if (sequenceTimer == kMissTeardown) {
    game.teardown = true;
    --game.life;
  }
  if (sequenceTimer <= kMissEnd) return true;
  if (game.life >= 0) {
    LoadStage(game.stage);
  } else {
    new CEffect_GameOver;
  }
  return false;
}

// Stands still while the model shrinks into the door, then hands over to
// the clear scene.
bool CPlayer::MoveClearSequence() {
  CZelGame& game = *g_pGame;
  if (!game.stageClear) return true;
  ++sequenceTimer;
  if (sequenceTimer == kClearFade) new CEffect_Fade;
  if (sequenceTimer == kClearCloseDoor) game.PlaySE(game.seClose);
  if (sequenceTimer == kClearTeardown) game.teardown = true;
  if (sequenceTimer == kClearEnd) {
    new CEvent_Clear;
    return false;
  }
  return true;
}

void CPlayer::ReadInput() {
  if (Held(kRight)) {
    vx = -kWalkSpeed;
    facingLeft = false;
  } else if (Held(kLeft)) {
    vx = kWalkSpeed;
    facingLeft = true;
  } else {
    vx = 0;
  }
  if (!jumpHeld && Held(kJump) && onGround) {
    jumpVelocity = kJumpSpeed;
    onGround = false;
    g_pGame->PlaySE(g_pGame->seJump);
  }
}

// The block goes into the cell ahead of the recorded one (screen-right is
// towards smaller x), or ahead and one row down; the block itself decides
// whether it stays.
void CPlayer::Build() {
  blockBuilt = true;
  const int32_t dx = facingLeft ? 10 : -10;
  const int32_t dc = facingLeft ? -1 : 1;
  const int32_t dr = animState == kBuildBelow ? 1 : 0;
  const int32_t dy = animState == kBuildBelow ? 0 : 10;
  new CWall(static_cast<float>(10 * cellX + dx - 5), static_cast<float>(10 * cellY + dy - 5), 40 - cellX + dc,
            29 - cellY + dr);
}

// The fall speed is capped; the velocity itself keeps growing.
void CPlayer::Fall() { y += CappedMove(VerticalSpeed()); }

// Only blocks the player overlaps have any effect, so only those are visited.
void CPlayer::CollideWithBlocks() {
  g_pGame->WallGrid->ForEachHit(*this, [this](CMobTask& block) { CollideWith(block, true); });
  g_pGame->HardWallGrid->ForEachHit(*this, [this](CMobTask& block) { CollideWith(block, false); });
}

// Four rules in order, each seeing the corrections of the ones before: head,
// feet, then a push out to either side. A stop puts y back to the whole
// number it had after the last move, so a standing player sinks 0.1 and is
// put back every move.
void CPlayer::CollideWith(CMobTask& block, bool breakable) {
  if (!IsHit(block)) return;
  const float upperLine = block.y + block.boxMaxY / 3;
  const float lowerLine = block.y + block.boxMinY / 3;
  if (y + boxMaxY < lowerLine && VerticalSpeed() > 0) {
    if (!onGround && OverStrip(block)) {
      g_pGame->PlaySE(g_pGame->seHit);
      StopVertically();
      if (breakable) ++static_cast<CWall&>(block).hitCount;
    } else if (onGround) {
      StopVertically();
    }
  }
  if (y + boxMinY > upperLine) {
    if (onGround) {
      if (VerticalSpeed() < 0) StopVertically();
    } else if (OverStrip(block)) {
      StopVertically();
      onGround = true;
    }
  }
  const bool besideVertically = block.y + block.boxMinY < y + boxMaxY && block.y + block.boxMaxY > y + boxMinY;
  if (x + boxMinX >= block.x + block.boxMaxX / 2 && besideVertically) x = block.x + block.boxMaxX - boxMinX;
  if (x + boxMaxX <= block.x + block.boxMinX / 2 && besideVertically) x = block.x + block.boxMinX - boxMaxX;
}

// The middle half of the block's width.
bool CPlayer::OverStrip(const CMobTask& block) const {
  return x + boxMinX < block.x + block.boxMaxX / 2 && x + boxMaxX > block.x + block.boxMinX / 2;
}

void CPlayer::StopVertically() {
  jumpVelocity = 0;
  gravityVelocity = 0;
  y = static_cast<float>(intY);
}

void CPlayer::RecordCell() {
  cellX = static_cast<int32_t>((x + 10) / 10);
  cellY = static_cast<int32_t>(y / 10);
}

void CPlayer::Animate() {
  if (!g_pGame->readyShowing) UpdateAction();
  CAnimMesh& model = *g_pGame->playerModel;
  model.SetAnimation(0, static_cast<uint32_t>(animState));
  model.AdvanceTime(actionTimer >= 1 ? 2.0 / 60 : 1.0 / 60);
}

// A build action starts on the ground with the block button and runs for 25
// steps at double animation speed.
void CPlayer::UpdateAction() {
  if (animState == kBuildAhead || animState == kBuildBelow) {
    ++actionTimer;
  } else if (Held(kBlock) && onGround) {
    animState = Held(kDown) ? kBuildBelow : kBuildAhead;
    g_pGame->playerModel->SetTrackPosition(0, 0);
    blockBuilt = false;
  } else {
    animState = Held(kRight) || Held(kLeft) ? kWalk : kIdle;
  }
  if (actionTimer > kActionFrames) {
    animState = kIdle;
    actionTimer = 0;
  }
}

void CPlayer::Draw() {
  CAnimMesh& model = *g_pGame->playerModel;
  if (sequenceTimer == 0) {
    model.Draw(x, y + 4, z, kModelScale, kModelScale, kModelScale, spinAngle * kRadians, facingAngle * kRadians, 0, 4);
  } else if (sequenceTimer < kShrinkFrames && !g_pGame->miss) {
    const float scale = kModelScale / (static_cast<float>(sequenceTimer) / 50 + 1);
    model.Draw(static_cast<float>(g_pGame->doorX), static_cast<float>(g_pGame->doorY - 1), z, scale, scale, scale, 0,
               std::numbers::pi_v<float>, 0, 2);
  }
}

void* CPlayer::operator new(std::size_t size) noexcept { return CTaskList::Alloc(g_pGame->PlayerList.get(), size); }

void CPlayer::operator delete(void* slot) { CTaskList::Free(g_pGame->PlayerList.get(), slot); }
