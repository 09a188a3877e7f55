#include "task/MobTask.h"

CMobTask::CMobTask(CTaskList* list, float x, float y, float z, float boxMinX, float boxMinY, float boxMaxX,
                   float boxMaxY)
    : CTask(list), x(x), y(y), z(z), boxMinX(boxMinX), boxMinY(boxMinY), boxMaxX(boxMaxX), boxMaxY(boxMaxY) {}

bool CMobTask::Move() { return true; }

void CMobTask::Draw() {}
