// Any bytes as a settings file, looked up under the game's own names and
// under names taken from the input.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>

#include "save/Profile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const std::string section = input.ConsumeRandomLengthString(16);
  const std::string key = input.ConsumeRandomLengthString(16);
  const int defaultValue = input.ConsumeIntegral<int>();
  const std::string text = input.ConsumeRemainingBytesAsString();

  ProfileIntFromText(text, section, key, defaultValue);
  ProfileIntFromText(text, "ウィンドウモード", "FullScreen", 0);
  ProfileIntFromText(text, "フルスクリーン", "fullscreen", 0);
  return 0;
}
