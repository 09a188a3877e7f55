#include "input/InputRecorder.h"

#include "input/InputScript.h"

namespace {

constexpr int kLongestRun = 60;  // one second of steps

}  // namespace

PadHold HoldOf(const PadState& pad) {
  PadHold hold;
  hold.up = pad.up != 0;
  hold.down = pad.down != 0;
  hold.left = pad.left != 0;
  hold.right = pad.right != 0;
  for (size_t b = 0; b < hold.buttons.size(); ++b) hold.buttons[b] = pad.button[b] != 0;
  return hold;
}

bool InputRecorder::Open(const std::string& path, const std::string& header) {
  out_.open(path, std::ios::binary | std::ios::trunc);
  if (!out_) return false;
  out_ << "# " << header << '\n' << std::flush;
  return true;
}

void InputRecorder::Record(const PadState& pad) {
  if (!out_.is_open()) return;
  const PadHold hold = HoldOf(pad);
  if (runLength_ > 0 && (hold != run_ || runLength_ == kLongestRun)) WriteRun();
  run_ = hold;
  ++runLength_;
  ++steps_;
}

void InputRecorder::Close(const std::string& footer) {
  if (!out_.is_open()) return;
  if (runLength_ > 0) WriteRun();
  out_ << "# " << footer << '\n';
  out_.close();
}

void InputRecorder::WriteRun() {
  out_ << runLength_ << ' ' << KeysText(run_) << '\n' << std::flush;
  runLength_ = 0;
}
