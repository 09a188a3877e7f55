#include "input/GetIs.h"

#include "util/Dialog.h"

namespace {

bool PhysicalButtonHeld(const PadState& pad, int32_t physical) {
  constexpr int32_t kButtons = sizeof(pad.button);
  return physical >= 0 && physical < kButtons && pad.button[physical] != 0;
}

}  // namespace

bool GetIs(const PadState& pad, const KeyMap& keyMap, int button) {
  if (button >= 0 && button < static_cast<int>(keyMap.size())) {
    return PhysicalButtonHeld(pad, keyMap[button]);
  }
  switch (button) {
    case 10: return pad.right != 0;
    case 11: return pad.left != 0;
    case 12: return pad.up != 0;
    case 13: return pad.down != 0;
    default: break;
  }
  ShowMessageBox("キーが不正です", "関数GetIs");
  return false;
}
