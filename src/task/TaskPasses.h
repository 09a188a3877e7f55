#pragma once
// The two walks the session makes over each list every frame.

#include "task/TaskList.h"

// Moves every task in list order; a task whose Move returns false is deleted
// at once, before the next one moves. Tasks added during the pass are moved
// in the same pass.
void MoveTasks(CTaskList* list);

// Draws every task in list order, so older tasks are drawn first.
void DrawTasks(CTaskList* list);

// Animates every task in list order.
void AnimateTasks(CTaskList* list);
