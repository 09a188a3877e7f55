#pragma once
// A task with a position in world units and a collision box around it.

#include "task/Task.h"

class CMobTask : public CTask {
 public:
  // The box spans x + boxMinX to x + boxMaxX and y + boxMinY to y + boxMaxY.
  CMobTask(CTaskList* list, float x, float y, float z, float boxMinX, float boxMinY, float boxMaxX,
           float boxMaxY);

  bool Move() override;
  void Draw() override;

  // True when the two boxes overlap by a positive amount on both axes; boxes
  // that only touch do not hit. z takes no part.
  bool IsHit(const CMobTask& other) const {
    return other.x + other.boxMaxX > x + boxMinX && x + boxMaxX > other.x + other.boxMinX &&
           other.y + other.boxMaxY > y + boxMinY && y + boxMaxY > other.y + other.boxMinY;
  }

  float x, y, z;
  float boxMinX, boxMinY, boxMaxX, boxMaxY;
};
