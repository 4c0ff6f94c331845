// examples/sdl-embed, an SDL2 program with its own loop and window, under a real X server: the
// controls it put in its window look as the headless host draws them and get their input, and
// everything else stays the program's.
#include <gtest/gtest.h>

#include <thread>

#include "ChildProcess.h"
#include "XServer.h"
#include "controls/button/vornButton.h"
#include "host/headless/HeadlessSite.h"

namespace vorn::test {
namespace {

using namespace std::chrono_literals;

// The button as the headless host draws it on a site of the same size, untouched.
PixelBuffer HeadlessButton(int32_t width, int32_t height) {
  HeadlessHost host;
  auto ambient = std::make_shared<FormAmbient>();
  ambient->font = MakeRef<Font>("DejaVu Sans", 8.0f);
  HeadlessSurface form(host, WindowKind::Form, "Embed", nullptr, RectL{0, 0, width, height}, ambient->font->Clone(), 0);
  HeadlessSite site(host, &form, "btnReset", RectL{0, 0, width, height}, ambient);
  Ref<vornButton> button(new vornButton(site));
  StartControl(*button, nullptr);
  button->put_Caption("Reset");
  button->UserControl_Show();
  PixelBuffer picture = host.Snapshot({0, 0, width, height});
  button->UserControl_Terminate();
  return picture;
}

class SdlEmbed : public testing::Test {
 protected:
  void SetUp() override {
    if (!OnPath("Xvfb") || !OnPath("xdotool")) GTEST_SKIP() << "Xvfb and xdotool are needed";
    server_ = std::make_unique<Xvfb>(640, 480);
    screen_ = std::make_unique<XScreen>(server_->Display());
    Xdotool({"mousemove", "--sync", "630", "470"});
    ChildProcess::Launch launch = OnDisplay({VORN_SDL_EMBED});
    app_ = std::make_unique<ChildProcess>(launch);
    const unsigned long window = screen_->WaitForWindow("sdl-embed", 30s);
    ASSERT_NE(window, 0u) << app_->Errors();
    window_ = window;
    origin_ = screen_->Geometry(window);
  }

  ChildProcess::Launch OnDisplay(std::vector<std::string> argv) const {
    ChildProcess::Launch launch;
    launch.argv = std::move(argv);
    launch.setEnv = {{"DISPLAY", server_->Display()},
                     {"SDL_VIDEODRIVER", "x11"},
                     {"DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/vorn-test-bus"}};
    launch.unsetEnv = {"WAYLAND_DISPLAY"};
    return launch;
  }
  void Xdotool(const std::vector<std::string>& args) {
    std::vector<std::string> argv{"xdotool"};
    argv.insert(argv.end(), args.begin(), args.end());
    ASSERT_EQ(RunToEnd(OnDisplay(argv), 20s).status, 0);
  }
  void ClickAt(int32_t x, int32_t y) {
    Xdotool({"mousemove", "--sync", std::to_string(origin_.left + x), std::to_string(origin_.top + y), "click", "1"});
  }
  /// Reads printed lines until want comes; false when it does not within a while.
  testing::AssertionResult Prints(const std::string& want) {
    std::string got;
    while (std::optional<std::string> line = app_->ReadLine(20s)) {
      if (*line == want) return testing::AssertionSuccess();
      got += "  " + *line + "\n";
    }
    return testing::AssertionFailure() << "never printed \"" << want << "\"; printed:\n" << got << app_->Errors();
  }
  /// Waits until the screen shows picture with its top-left at (x, y) of the window.
  testing::AssertionResult Shows(const PixelBuffer& picture, int32_t x, int32_t y) {
    const RectL area{origin_.left + x, origin_.top + y, origin_.left + x + picture.Width(),
                     origin_.top + y + picture.Height()};
    int64_t wrong = 0;
    for (int attempt = 0; attempt < 100; ++attempt, std::this_thread::sleep_for(50ms)) {
      const PixelBuffer shot = screen_->Grab(area);
      wrong = 0;
      for (int32_t py = 0; py < picture.Height(); ++py) {
        for (int32_t px = 0; px < picture.Width(); ++px) wrong += shot.Get(px, py) != picture.Get(px, py);
      }
      if (wrong == 0) return testing::AssertionSuccess();
    }
    return testing::AssertionFailure() << wrong << " pixels differ at (" << x << ", " << y << ")";
  }

  std::unique_ptr<Xvfb> server_;
  std::unique_ptr<XScreen> screen_;
  std::unique_ptr<ChildProcess> app_;
  unsigned long window_ = 0;
  RectL origin_;
};

TEST_F(SdlEmbed, TheProgramsLoopDrivesTheControlsInItsOwnWindow) {
  constexpr Color kPanel = 0x483830, kBar = 0x2090E0;
  ASSERT_TRUE(Prints("sldLevel.Value = 5"));
  // The program's drawing around the controls, and the button as the headless host draws it.
  EXPECT_TRUE(Shows(PixelBuffer(8, 8, kPanel), 2, 2));
  EXPECT_TRUE(Shows(PixelBuffer(8, 8, kBar), 25, 45));
  EXPECT_TRUE(Shows(HeadlessButton(100, 30), 240, 20));

  ClickAt(290, 35);  // the button: its Click resets the slider, which the program draws
  EXPECT_TRUE(Prints("btnReset.Click()"));
  EXPECT_TRUE(Prints("sldLevel.Value = 0"));
  EXPECT_TRUE(Shows(PixelBuffer(8, 8, kPanel), 25, 45));

  ClickAt(50, 50);  // the program's own area reaches the program
  EXPECT_TRUE(Prints("click at (50, 50)"));
  ClickAt(330, 85);  // the slider's track, then a key to the slider that now has the focus
  EXPECT_TRUE(Prints("sldLevel.Value = 10"));
  Xdotool({"key", "Left"});
  EXPECT_TRUE(Prints("sldLevel.Value = 9"));

  screen_->RequestClose(window_);
  EXPECT_EQ(app_->Wait(30s).value_or(-1), 0) << app_->Errors();
}

}  // namespace
}  // namespace vorn::test
