#pragma once
// Gives the parsed object tree its meaning: interprets the standard
// templates (Frame, Mesh and its children, Material, SkinWeights, animation)
// into an XScene. Unknown objects are skipped.

#include <vector>

#include "gfx/XObjectTree.h"
#include "gfx/XScene.h"

void BuildXScene(const std::vector<XObject>& objects, const XSource& source, XScene& scene);
