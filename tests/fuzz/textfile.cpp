// Any bytes as a data file: split into lines, cut into fields, read as
// numbers and as paths, in both code pages.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "util/Path.h"
#include "util/StringUtil.h"
#include "util/TextFile.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

void CutLine(const std::string& line, const std::string& separator, CodePage codePage) {
  // Stage lines have 16 fields; look one past them.
  for (int i = 0; i <= 16; ++i) {
    const int number = StrToInt(GetField(line, i, separator, codePage));
    Check(StrToInt(IntToStr(number)) == number);
  }
  const std::string folder = DirectoryOf(line, codePage);
  Check(line.compare(0, folder.size(), folder) == 0);
  Check(folder.empty() || folder.back() == '\\' || folder.back() == '/');
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const CodePage codePage = input.ConsumeBool() ? CodePage::ShiftJis : CodePage::Utf8;
  const std::string separator = input.ConsumeBool() ? " " : input.ConsumeRandomLengthString(3);
  const std::string text = input.ConsumeRemainingBytesAsString();

  CTextFile file;
  file.SetText(text);
  Check(file.Get(file.Count()).empty() && file.Get(-1).empty());
  for (int i = 0; i < file.Count(); ++i) {
    const std::string line = file.Get(i);
    Check(line.size() <= CTextFile::kMaxLineLength && line.find('\n') == std::string::npos);
    CutLine(line, separator, codePage);
  }
  return 0;
}
