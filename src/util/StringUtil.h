#pragma once
// Numbers to text and back, and blank-separated fields: the building blocks of
// every data file of the game (stages, configuration, save, high score).

#include <string>
#include <string_view>

#include "util/CodePage.h"

// Decimal text, leading minus for negatives, no leading zeros.
std::string IntToStr(int value);

// Reads an int from the start of the text the way a stream extraction does:
// leading white space skipped, optional sign, digits up to the first
// non-digit ("12abc" gives 12). 0 when nothing can be read; values beyond the
// int range are clamped to it.
int StrToInt(std::string_view text);

// Field `index` (from 0) of `text` cut at each `separator`. Consecutive
// separators delimit empty fields; a field past the last is empty. The scan
// never matches a separator starting inside a multibyte character.
std::string GetField(std::string_view text, int index, std::string_view separator,
                     CodePage codePage = SystemCodePage());
