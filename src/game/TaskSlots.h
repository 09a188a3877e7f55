#pragma once
// Slot size and capacity of each of the session's task lists. A slot must hold
// the largest class of its family; each family's file checks its classes
// against its constant with a static_assert, so a class that outgrows its
// slot fails to build instead of silently never being created. The sizes
// leave room for the families to grow.

struct TaskListShape {
  int slotSize;
  int capacity;
};

inline constexpr TaskListShape kPlayerSlots{1024, 2};
inline constexpr TaskListShape kWallSlots{256, 200};
inline constexpr TaskListShape kHardWallSlots{256, 200};
inline constexpr TaskListShape kItemSlots{512, 50};
inline constexpr TaskListShape kEffectSlots{256, 50};
inline constexpr TaskListShape kEnemySlots{512, 50};
inline constexpr TaskListShape kEventSlots{1024, 2};
inline constexpr TaskListShape kBackgroundSlots{256, 2};

// Grid cells for finding blocks by place: one block wide.
inline constexpr float kBlockCellSize = 10;
