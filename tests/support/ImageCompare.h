#pragma once
// Compares a rendered picture with a reference PNG under tests/data/image/.
// On a mismatch the picture is written to image-actual/<name>.png beside the
// test programs (build/<tree>/tests/) so it can be looked at. Running with
// VEXHOP_UPDATE_REFERENCES=1 writes the picture as the new reference instead:
// look at every picture before committing it.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string>

#include "platform/ImageFile.h"

struct ImageDifference {
  int differingPixels = 0;       // pixels with a channel off by more than the tolerance
  int maxChannelDifference = 0;  // largest difference of one colour channel
};

// Colour channels only: the reference files carry no alpha.
inline ImageDifference CompareImages(const Image& a, const Image& b, int tolerance) {
  ImageDifference diff;
  for (size_t i = 0; i < a.argb.size() && i < b.argb.size(); ++i) {
    int worst = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
      int ca = static_cast<int>((a.argb[i] >> shift) & 0xFF);
      int cb = static_cast<int>((b.argb[i] >> shift) & 0xFF);
      worst = std::max(worst, std::abs(ca - cb));
    }
    diff.maxChannelDifference = std::max(diff.maxChannelDifference, worst);
    if (worst > tolerance) ++diff.differingPixels;
  }
  return diff;
}

inline ::testing::AssertionResult MatchesReference(const Image& actual, const std::string& name,
                                                   int tolerance = 8, int allowedPixels = 0) {
  const std::string reference = std::string(VEXHOP_TEST_DATA) + "/image/" + name + ".png";
  const char* update = std::getenv("VEXHOP_UPDATE_REFERENCES");
  if (update && std::string(update) == "1") {
    if (!SavePng(reference, actual)) return ::testing::AssertionFailure() << "cannot write " << reference;
    return ::testing::AssertionSuccess() << "reference written: " << reference;
  }

  std::optional<Image> expected = LoadImageFile(reference);
  std::string failure;
  if (!expected) {
    failure = "no reference picture " + reference;
  } else if (expected->width != actual.width || expected->height != actual.height) {
    failure = "size differs from " + reference;
  } else {
    ImageDifference diff = CompareImages(actual, *expected, tolerance);
    if (diff.differingPixels <= allowedPixels) return ::testing::AssertionSuccess();
    failure = std::to_string(diff.differingPixels) + " pixels differ from " + reference +
              " (largest channel difference " + std::to_string(diff.maxChannelDifference) + ")";
  }
  mkdir("image-actual", 0755);
  const std::string written = "image-actual/" + name + ".png";
  SavePng(written, actual);
  return ::testing::AssertionFailure() << failure << "; picture written to " << written;
}
