#pragma once
// The breakable block: solid for the player and enemies, built and removed by
// the player, broken by two head strikes or by enemies that break walls.

#include <cstddef>
#include <cstdint>

#include "task/MobTask.h"

class CWall : public CMobTask {
 public:
  // At the world centre of its cell; column and row place the sprite. A block
  // that overlaps an enemy or a wall-blocking item is refused, and one built
  // into an occupied cell removes itself and the block that was there.
  CWall(float x, float y, int32_t column, int32_t row);
  bool Move() override;
  void Draw() override;
  const char* ClassName() const override { return "CWall"; }

  // Slots come from WallList; a full list creates no block.
  static void* operator new(std::size_t size) noexcept;
  static void operator delete(void* slot);

  bool destroyed = false;  // its next move ends it
  int32_t hitCount = 0;    // head strikes taken; also the sprite frame
  int32_t column, row;

 private:
  bool OverlapsEnemy() const;
  bool OverlapsWallBlockingItem() const;
  void RemoveBlockInSameCell();
};

// The collision box every block shares: 10 wide, 8 high, its top 3 above the centre.
inline constexpr float kBlockLeft = -5, kBlockBottom = -5, kBlockRight = 5, kBlockTop = 3;
