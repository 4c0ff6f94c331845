// The example forms and the gallery, rendered and replayed by vornform, and the type library as it
// prints it, against the pictures and outputs committed in tests/data/golden. Any change of a look or of the order of events shows here.
// A deliberate change is accepted by running this program with VORN_UPDATE_GOLDEN=1 and committing
// the files it writes; a missing reference fails, it is never written silently.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "host/raster/Png.h"
#include "support/VornformCli.h"

namespace {

namespace fs = std::filesystem;
using vorn::test::CliRun;
using vorn::test::Example;
using vorn::test::Vornform;

const std::string kGolden = std::string(VORN_SOURCE_DIR) + "/tests/data/golden/";

bool Updating() {
  const char* v = std::getenv("VORN_UPDATE_GOLDEN");
  return v && std::string(v) == "1";
}

std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

std::string Scratch(const std::string& name) {
  const std::string dir = testing::TempDir() + "golden-" + name + "/";
  fs::create_directories(dir);
  return dir;
}

void ExpectSameText(const std::string& actual, const std::string& reference) {
  const std::string ref = kGolden + reference;
  if (Updating()) {
    std::ofstream(ref, std::ios::binary) << actual;
    return;
  }
  ASSERT_TRUE(fs::exists(ref)) << "no reference " << ref;
  EXPECT_EQ(actual, ReadText(ref)) << "differs from " << ref;
}

// Pixel for pixel; a mismatch leaves the picture as REFERENCE_err.png in the scratch folder.
void ExpectSamePicture(const std::string& actual, const std::string& reference) {
  const std::string ref = kGolden + reference;
  if (Updating()) {
    fs::copy_file(actual, ref, fs::copy_options::overwrite_existing);
    return;
  }
  ASSERT_TRUE(fs::exists(ref)) << "no reference " << ref;
  const vorn::PixelBuffer a = vorn::ReadPngBuffer(actual);
  const vorn::PixelBuffer e = vorn::ReadPngBuffer(ref);
  ASSERT_EQ(a.Width(), e.Width()) << reference;
  ASSERT_EQ(a.Height(), e.Height()) << reference;
  int64_t differing = 0;
  std::string first;
  for (int32_t y = 0; y < a.Height(); ++y) {
    for (int32_t x = 0; x < a.Width(); ++x) {
      if (a.Get(x, y) == e.Get(x, y)) continue;
      if (differing++ == 0) first = "(" + std::to_string(x) + ", " + std::to_string(y) + ")";
    }
  }
  if (differing == 0) return;
  const std::string err = fs::path(actual).replace_filename(fs::path(reference).stem().string() + "_err.png");
  fs::copy_file(actual, err, fs::copy_options::overwrite_existing);
  ADD_FAILURE() << reference << ": " << differing << " pixels differ, the first at " << first << "; see " << err;
}

std::string WithStatus(const CliRun& r) { return r.out + "exit " + std::to_string(r.status) + "\n"; }

class GoldenExample : public testing::TestWithParam<const char*> {};

// The render (with what its loading prints), the replay of the example's own script, and the screen
// after that script, which shows the hover, pressed and dragged looks the script leaves behind.
TEST_P(GoldenExample, RenderReplayAndTheScreenAfterwardsMatchTheReferences) {
  const std::string name = GetParam();
  const std::string dir = Scratch(name);
  const CliRun render = Vornform("render " + Example(name + ".json") + " -o " + dir + "render.png");
  ExpectSameText(WithStatus(render), name + "-render.out");
  ExpectSamePicture(dir + "render.png", name + ".png");

  const CliRun replay = Vornform("replay " + name + ".json " + name + "-replay.txt", Example(""));
  ExpectSameText(WithStatus(replay), name + "-replay.out");

  std::ofstream(dir + "script.txt") << ReadText(Example(name + "-replay.txt")) << "\nsnapshot " << dir
                                    << "after.png\n";
  const CliRun after = Vornform("replay " + name + ".json " + dir + "script.txt", Example(""));
  EXPECT_EQ(after.out, replay.out);
  ExpectSamePicture(dir + "after.png", name + "-after.png");
}

INSTANTIATE_TEST_SUITE_P(Examples, GoldenExample,
                         testing::Values("button", "popupmenu", "progress", "scrollbar", "slider", "toolbar"));

// Without a display the gallery writes its three pictures and replays its built-in script.
TEST(GoldenGallery, PicturesAndReplayMatchTheReferences) {
  unsetenv("DISPLAY");
  unsetenv("WAYLAND_DISPLAY");
  const std::string dir = Scratch("gallery");
  const CliRun r = Vornform("demo", dir);
  ExpectSameText(WithStatus(r), "gallery-replay.out");
  for (const char* picture : {"vornform-demo.png", "vornform-demo-menu.png", "vornform-demo-toolbar.png"}) {
    ExpectSamePicture(dir + picture, picture);
  }
}

// Categories, help strings, members and events as `vornform typelib` prints them.
TEST(GoldenTypeLibrary, TheReadableTypeLibraryMatchesTheReference) {
  const CliRun r = Vornform("typelib");
  ExpectSameText(WithStatus(r), "typelib.out");
}

}  // namespace
