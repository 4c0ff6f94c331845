#include "support/Golden.h"

#include <cstdlib>
#include <filesystem>

#include "host/raster/PictureDiff.h"
#include "host/raster/Png.h"

namespace vorn::test {

namespace {
constexpr const char* kUpdateVariable = "VORN_UPDATE_GOLDEN";

bool UpdateAsked() {
  const char* v = std::getenv(kUpdateVariable);
  return v && std::string(v) == "1";
}
}  // namespace

std::string GoldenPath(const std::string& name) { return std::string(VORN_SOURCE_DIR) + "/tests/golden/" + name + ".png"; }

testing::AssertionResult MatchesGolden(const PixelBuffer& actual, const std::string& name, int tolerance) {
  const std::string golden = GoldenPath(name);
  if (UpdateAsked()) {
    std::filesystem::create_directories(std::filesystem::path(golden).parent_path());
    WritePng(actual, golden);
    return testing::AssertionSuccess() << "wrote the golden picture " << golden;
  }
  std::string problem;
  PictureDifference d;
  if (!std::filesystem::exists(golden)) {
    problem = "there is no golden picture " + golden;
  } else {
    const PixelBuffer expected = ReadPngBuffer(golden);
    d = ComparePictures(actual, expected, tolerance);
    if (d.Same()) return testing::AssertionSuccess();
    problem = "the picture differs from " + golden + ": " + d.Describe(actual, expected);
  }
  const std::string dir = VORN_TEST_OUTPUT_DIR;
  std::filesystem::create_directories(dir);
  const std::string actualPath = dir + "/" + name + ".png";
  WritePng(actual, actualPath);
  testing::AssertionResult failure = testing::AssertionFailure();
  failure << problem << "\n  this picture:   " << actualPath;
  if (!d.Same()) {
    const std::string diffPath = DiffPathFor(actualPath);
    WritePng(d.picture, diffPath);
    failure << "\n  the difference: " << diffPath;
  }
  failure << "\nIf the new picture is right, accept it: cp " << actualPath << " " << golden
          << "\n(or run the test again with " << kUpdateVariable << "=1) and commit it.";
  return failure;
}

}  // namespace vorn::test
