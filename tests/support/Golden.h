#pragma once
#include <gtest/gtest.h>

#include <string>

#include "host/pixels/PixelBuffer.h"

namespace vorn::test {

/// Screenshot tests: compares a picture with the committed golden picture tests/golden/NAME.png.
/// On a mismatch, or when there is no golden picture yet, the picture and the difference (pale
/// where it matches, red where it differs) are written to the build's tests/golden-out/ folder,
/// and the message says how to accept the new picture. A golden picture is written only when asked:
/// with VORN_UPDATE_GOLDEN=1 in the environment the picture becomes the golden one and the check
/// passes.
///   EXPECT_TRUE(MatchesGolden(host.Snapshot(area), "button-pressed"));
testing::AssertionResult MatchesGolden(const PixelBuffer& actual, const std::string& name, int tolerance = 0);

/// Where the golden picture NAME lives in the source tree.
std::string GoldenPath(const std::string& name);

}  // namespace vorn::test
