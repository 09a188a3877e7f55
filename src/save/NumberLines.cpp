#include "save/NumberLines.h"

#include "util/StringUtil.h"

std::vector<int> ReadNumberLine(const CTextFile& file, int line, int count) {
  const std::string text = file.Get(line);
  std::vector<int> numbers;
  for (int i = 0; i < count; ++i) numbers.push_back(StrToInt(GetField(text, i, " ")));
  return numbers;
}

bool WriteNumberLines(const std::string& path, std::initializer_list<std::vector<int>> lines) {
  CTextFile file;
  for (const std::vector<int>& numbers : lines) {
    std::string text;
    for (int number : numbers) {
      if (!text.empty()) text += ' ';
      text += IntToStr(number);
    }
    file.Add(std::move(text));
  }
  return file.Save(path);
}
