// vornform run under a real X server (Xvfb), driven with the real pointer (xdotool), read back
// from the real screen (Xlib), and compared with what the headless host renders for the same form.
//
// A new case (a scroll bar drag, a toolbar menu, a click outside a popup) follows the same steps:
//   Start({"run", Example("scrollbar.json")}, "Scroll bars");
//   MoveTo(x, y); Press(); MoveTo(x2, y2); Release();          // client pixels of the form
//   EXPECT_TRUE(PrintsInOrder({"vornScrollBar1.Change()", ...}));
//   EXPECT_TRUE(ScreenMatches(Headless(Example("scrollbar.json"), "move ...\ntick 2\n"), origin, area));
//   EXPECT_EQ(Close(), 0);
// MoveToScreen and ClickAtScreen reach places outside the form, such as beside an open popup.
#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "ChildProcess.h"
#include "XServer.h"
#include "foundation/WindowRoutines.h"
#include "host/desktop/DesktopHost.h"
#include "host/desktop/XErrorFilter.h"
#include "host/raster/Png.h"

namespace vorn::test {
namespace {

using namespace std::chrono_literals;

std::string Example(const std::string& name) { return std::string(VORN_SOURCE_DIR) + "/examples/" + name; }

// No session bus: without an address, libdbus (which SDL loads) would try to autolaunch one
// through dbus-launch, which would outlive the test, and leaks a buffer when that fails.
constexpr const char* kNoSessionBus = "unix:path=/nonexistent/vorn-test-bus";

// Sets environment variables of this process for a while.
class ScopedEnv {
 public:
  ScopedEnv(std::initializer_list<std::pair<const char*, std::string>> values) {
    for (const auto& [name, value] : values) {
      const char* old = std::getenv(name);
      saved_.emplace_back(name, old ? std::optional<std::string>(old) : std::nullopt);
      setenv(name, value.c_str(), 1);
    }
  }
  ~ScopedEnv() {
    for (const auto& [name, old] : saved_) {
      if (old) {
        setenv(name, old->c_str(), 1);
      } else {
        unsetenv(name);
      }
    }
  }

 private:
  std::vector<std::pair<const char*, std::optional<std::string>>> saved_;
};

std::string TestName() { return testing::UnitTest::GetInstance()->current_test_info()->name(); }

// Both counters of /proc/PID: voluntary context switches (wake-ups) and CPU ticks used.
struct Activity {
  long wakeups = 0;
  long ticks = 0;
};

Activity ActivityOf(pid_t pid) {
  Activity a;
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("voluntary_ctxt_switches:", 0) == 0) a.wakeups = std::stol(line.substr(24));
  }
  std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
  std::string all;
  std::getline(stat, all);
  std::istringstream fields(all.substr(all.rfind(')') + 2));  // after "pid (name) "
  std::string field;
  for (int i = 3; i <= 15 && fields >> field; ++i) {
    if (i == 14 || i == 15) a.ticks += std::stol(field);  // utime, stime
  }
  return a;
}

class DesktopEndToEnd : public testing::Test {
 protected:
  static constexpr int kScreenWidth = 1280;
  static constexpr int kScreenHeight = 1024;

  void SetUp() override {
    if (!OnPath("Xvfb") || !OnPath("xdotool")) {
      GTEST_SKIP() << "Xvfb and xdotool are needed (scripts/install-deps.sh installs them)";
    }
    // A folder of this run's own, so that runs side by side never share files.
    std::string dir = testing::TempDir() + "vorn-desktop-XXXXXX";
    ASSERT_NE(mkdtemp(dir.data()), nullptr);
    dir_ = dir + "/";
    server_ = std::make_unique<Xvfb>(kScreenWidth, kScreenHeight);
    screen_ = std::make_unique<XScreen>(server_->Display());
    // Start every case with the pointer far from any form.
    MoveToScreen(kScreenWidth - 10, kScreenHeight - 10);
  }

  void TearDown() override {
    if (app_ && HasFailure()) {
      while (auto line = app_->ReadLine(100ms)) printed_.push_back(*line);
      std::cerr << "vornform printed:\n";
      for (const std::string& l : printed_) std::cerr << "  " << l << "\n";
      std::cerr << "vornform's standard error:\n" << app_->Errors();
    }
    app_.reset();
    screen_.reset();
    server_.reset();
    // Pictures of a mismatch stay for a look.
    if (!dir_.empty() && !HasFailure()) std::filesystem::remove_all(dir_);
  }

  ChildProcess::Launch OnDisplay(std::vector<std::string> args) const {
    ChildProcess::Launch launch;
    launch.argv = std::move(args);
    launch.setEnv = {
        {"DISPLAY", server_->Display()}, {"SDL_VIDEODRIVER", "x11"}, {"DBUS_SESSION_BUS_ADDRESS", kNoSessionBus}};
    launch.unsetEnv = {"WAYLAND_DISPLAY"};
    return launch;
  }

  /// Starts vornform with these arguments on the test display and waits for its window.
  void Start(const std::vector<std::string>& args, const std::string& title, const std::string& workDir = "") {
    std::vector<std::string> argv{VORN_VORNFORM};
    argv.insert(argv.end(), args.begin(), args.end());
    ChildProcess::Launch launch = OnDisplay(argv);
    launch.workDir = workDir.empty() ? dir_ : workDir;
    app_ = std::make_unique<ChildProcess>(launch);
    window_ = screen_->WaitForWindow(title, 30s);
    ASSERT_NE(window_, 0u) << "no window \"" << title << "\" appeared; vornform said:\n" << app_->Errors();
    client_ = screen_->Geometry(window_);
  }

  void Xdotool(const std::vector<std::string>& args) {
    std::vector<std::string> argv{"xdotool"};
    argv.insert(argv.end(), args.begin(), args.end());
    const Finished f = RunToEnd(OnDisplay(argv), 20s);
    ASSERT_EQ(f.status, 0) << "xdotool failed: " << f.err;
  }
  void MoveToScreen(int32_t x, int32_t y) { Xdotool({"mousemove", "--sync", std::to_string(x), std::to_string(y)}); }
  /// Moves the real pointer to a point of the form's client area.
  void MoveTo(int32_t x, int32_t y) { MoveToScreen(client_.left + x, client_.top + y); }
  void Press() { Xdotool({"mousedown", "1"}); }
  void Release() { Xdotool({"mouseup", "1"}); }
  void Click() { Xdotool({"click", "1"}); }
  void ClickAtScreen(int32_t x, int32_t y) {
    MoveToScreen(x, y);
    Click();
  }

  /// Reads what vornform prints until each wanted line has come, in this order (other lines may
  /// come between them).
  testing::AssertionResult PrintsInOrder(const std::vector<std::string>& want, milliseconds timeout = 20s) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    size_t next = 0;
    while (next < want.size()) {
      const auto left = std::chrono::duration_cast<milliseconds>(deadline - std::chrono::steady_clock::now());
      std::optional<std::string> line = app_->ReadLine(std::max(left, 0ms));
      if (!line) break;
      printed_.push_back(*line);
      if (*line == want[next]) ++next;
    }
    if (next == want.size()) return testing::AssertionSuccess();
    std::string got;
    for (const std::string& l : printed_) got += "  " + l + "\n";
    return testing::AssertionFailure() << "never printed \"" << want[next] << "\"; printed so far:\n" << got;
  }

  /// The headless host's picture of a form after a replay script: a snapshot of the form and its
  /// popups, whose top-left pixel is the form's top-left corner unless a popup reaches further.
  PixelBuffer Headless(const std::string& form, const std::string& script) {
    const std::string scriptPath = dir_ + "script.txt";
    const std::string png = dir_ + "headless.png";
    std::ofstream(scriptPath) << script << "\nsnapshot " << png << "\n";
    ChildProcess::Launch launch;
    launch.argv = {VORN_VORNFORM, "replay", form, scriptPath};
    const Finished f = RunToEnd(launch, 60s);
    EXPECT_EQ(f.status, 0) << f.out << f.err;
    return ReadPngBuffer(png);
  }

  /// Waits until the real screen, from origin on, shows the reference picture (in area, pixels of
  /// the reference); on a mismatch both pictures are written beside the test's other files.
  testing::AssertionResult ScreenMatches(const PixelBuffer& reference, PointL origin, RectL area,
                                         milliseconds timeout = 15s) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    PixelBuffer shot;
    long wrong = 0;
    PointL first{};
    do {
      shot = screen_->Grab({origin.x, origin.y, origin.x + reference.Width(), origin.y + reference.Height()});
      wrong = 0;
      for (int32_t y = area.top; y < area.bottom; ++y) {
        for (int32_t x = area.left; x < area.right; ++x) {
          if (shot.Get(x, y) != reference.Get(x, y) && wrong++ == 0) first = {x, y};
        }
      }
      if (wrong == 0) return testing::AssertionSuccess();
      std::this_thread::sleep_for(50ms);
    } while (std::chrono::steady_clock::now() < deadline);
    const std::string base = dir_ + TestName();
    WritePng(shot, base + "-screen.png");
    WritePng(reference, base + "-expected.png");
    return testing::AssertionFailure() << wrong << " pixels differ, the first at (" << first.x << ", " << first.y
                                       << "): screen " << std::hex << shot.Get(first.x, first.y) << ", expected "
                                       << reference.Get(first.x, first.y) << std::dec << "; see " << base
                                       << "-screen.png and -expected.png";
  }

  /// Closes the window as a user does and returns vornform's exit status.
  int Close() {
    screen_->RequestClose(window_);
    const std::optional<int> status = app_->Wait(30s);
    return status.value_or(-1);
  }

  std::string dir_;  // this case's files, ending in "/"
  std::unique_ptr<Xvfb> server_;
  std::unique_ptr<XScreen> screen_;
  std::unique_ptr<ChildProcess> app_;
  unsigned long window_ = 0;
  RectL client_;
  std::vector<std::string> printed_;
};

TEST_F(DesktopEndToEnd, TheWindowShowsTheFormAsTheHeadlessHostRendersIt) {
  ASSERT_NO_FATAL_FAILURE(Start({"run", Example("button.json")}, "Buttons"));
  // No window manager runs: the form is where its document puts it.
  EXPECT_EQ(client_, (RectL{0, 0, 470, 140}));
  const PixelBuffer reference = Headless(Example("button.json"), "");
  EXPECT_TRUE(ScreenMatches(reference, {client_.left, client_.top}, {0, 0, 470, 140}));
  EXPECT_EQ(Close(), 0);
}

TEST_F(DesktopEndToEnd, ThePointerAndTheButtonReachTheButtonInOrderAndItsHoverShows) {
  ASSERT_NO_FATAL_FAILURE(Start({"run", Example("button.json")}, "Buttons"));
  MoveTo(40, 25);
  EXPECT_TRUE(PrintsInOrder({"vornButton1.MouseMove(0, 0, 30, 15)"}));
  // The hover timer runs on real time and its repaints reach the screen.
  const PixelBuffer hot = Headless(Example("button.json"), "move 40 25\ntick 2");
  EXPECT_TRUE(ScreenMatches(hot, {client_.left, client_.top}, {0, 0, 470, 140}));
  Click();
  EXPECT_TRUE(PrintsInOrder({"vornButton1.MouseDown(1, 0, 30, 15)", "vornButton1.Click()",
                             "vornButton1.MouseUp(1, 0, 30, 15)"}));
  EXPECT_EQ(Close(), 0);
}

TEST_F(DesktopEndToEnd, APressKeepsTheCaptureWhileThePointerLeavesTheWindow) {
  ASSERT_NO_FATAL_FAILURE(Start({"run", Example("button.json")}, "Buttons"));
  MoveTo(40, 25);
  Press();
  MoveToScreen(600, 400);  // beyond the window's right and bottom edges
  Release();
  EXPECT_TRUE(PrintsInOrder({"vornButton1.MouseDown(1, 0, 30, 15)", "vornButton1.MouseMove(1, 0, 590, 390)",
                             "vornButton1.Click()", "vornButton1.MouseUp(1, 0, 590, 390)"}));
  EXPECT_EQ(Close(), 0);
}

TEST_F(DesktopEndToEnd, AnIdleWindowDoesNotWakeUp) {
  ASSERT_NO_FATAL_FAILURE(Start({"run", Example("button.json")}, "Buttons"));
  // Hover once so that a timer has run and stopped again.
  MoveTo(40, 25);
  EXPECT_TRUE(PrintsInOrder({"vornButton1.MouseMove(0, 0, 30, 15)"}));
  MoveToScreen(kScreenWidth - 10, kScreenHeight - 10);
  std::this_thread::sleep_for(500ms);
  const Activity before = ActivityOf(app_->Pid());
  std::this_thread::sleep_for(2s);
  const Activity after = ActivityOf(app_->Pid());
  const long wakeups = after.wakeups - before.wakeups;
  const long ticks = after.ticks - before.ticks;
  RecordProperty("idle_wakeups_in_2s", std::to_string(wakeups));
  RecordProperty("idle_cpu_ticks_in_2s", std::to_string(ticks));
  std::cout << "idle for 2 s: " << wakeups << " wake-ups, " << ticks << " CPU ticks\n";
  // Polling every millisecond would wake it about 2000 times.
  EXPECT_LT(wakeups, 40);
  EXPECT_LE(ticks, 5);
  EXPECT_EQ(Close(), 0);
}

TEST_F(DesktopEndToEnd, TheDemoShowsTheGalleryInAWindowWhenThereIsADisplay) {
  // Without a display the demo renders the gallery: that picture is the reference.
  const std::string dir = dir_ + "rendered";
  std::filesystem::create_directories(dir);
  ChildProcess::Launch headless;
  headless.argv = {VORN_VORNFORM, "demo"};
  headless.unsetEnv = {"DISPLAY", "WAYLAND_DISPLAY"};
  headless.workDir = dir;
  const Finished f = RunToEnd(headless, 60s);
  ASSERT_EQ(f.status, 0) << f.out << f.err;
  EXPECT_NE(f.out.find("# gallery rendered to vornform-demo.png"), std::string::npos) << f.out;
  const PixelBuffer reference = ReadPngBuffer(dir + "/vornform-demo.png");
  const std::string shown = dir_ + "shown";
  std::filesystem::create_directories(shown);

  ASSERT_NO_FATAL_FAILURE(Start({"demo"}, "vornButton2 gallery", shown));
  EXPECT_TRUE(ScreenMatches(reference, {client_.left, client_.top}, {0, 0, reference.Width(), reference.Height()}));
  EXPECT_EQ(Close(), 0);
  EXPECT_FALSE(std::filesystem::exists(shown + "/vornform-demo.png"));  // shown, not rendered
}

TEST_F(DesktopEndToEnd, TheDemoRendersAPictureWhenTheDisplayCannotBeOpened) {
  ChildProcess::Launch launch = OnDisplay({VORN_VORNFORM, "demo"});
  launch.setEnv["DISPLAY"] = ":65533";  // set, but no server there
  launch.workDir = dir_;
  const Finished f = RunToEnd(launch, 60s);
  EXPECT_EQ(f.status, 0) << f.out << f.err;
  EXPECT_NE(f.err.find("vornform: no window ("), std::string::npos) << f.err;
  EXPECT_TRUE(std::filesystem::exists(dir_ + "vornform-demo.png"));
}

TEST_F(DesktopEndToEnd, APopupMenuOpensAtThePointerAndReportsTheChosenRow) {
  ASSERT_NO_FATAL_FAILURE(Start({"run", Example("popupmenu.json")}, "Popup menu"));
  MoveTo(60, 25);
  Click();  // the button's Click handler opens the menu at the pointer
  EXPECT_TRUE(PrintsInOrder({"vornButton1.Click()", "vornButton1.MouseUp(1, 0, 50, 15)"}));
  const unsigned long popup = screen_->WaitForWindow("vornPUMenu1.PUMenu", 20s);
  ASSERT_NE(popup, 0u);
  EXPECT_TRUE(screen_->Unmanaged(popup));
  const RectL r = screen_->Geometry(popup);
  EXPECT_EQ((PointL{r.left, r.top}), (PointL{client_.left + 60, client_.top + 25}));
  const std::optional<uint32_t> opacity = screen_->Cardinal(popup, "_NET_WM_WINDOW_OPACITY");
  ASSERT_TRUE(opacity.has_value());
  EXPECT_NEAR(*opacity / 4294967295.0, 230 / 255.0, 0.001);
  MoveTo(80, 100);  // over "Save", the third item
  Click();
  EXPECT_TRUE(PrintsInOrder({"vornPUMenu1.ItemClick(3, \"\")", "vornPUMenu1.Closed()"}));
  EXPECT_EQ(screen_->WaitForWindow("vornPUMenu1.PUMenu", 0ms), 0u);
  EXPECT_EQ(Close(), 0);
}

TEST_F(DesktopEndToEnd, AClickOutsideAnOpenPopupMenuClosesIt) {
  ASSERT_NO_FATAL_FAILURE(Start({"run", Example("popupmenu.json")}, "Popup menu"));
  MoveTo(60, 25);
  Click();
  ASSERT_NE(screen_->WaitForWindow("vornPUMenu1.PUMenu", 20s), 0u);
  ClickAtScreen(kScreenWidth - 100, kScreenHeight - 100);  // on no window of the program
  EXPECT_TRUE(PrintsInOrder({"vornPUMenu1.Closed()"}));
  EXPECT_EQ(screen_->WaitForWindow("vornPUMenu1.PUMenu", 0ms), 0u);
  for (const std::string& line : printed_) EXPECT_EQ(line.find("ItemClick"), std::string::npos) << line;
  EXPECT_EQ(Close(), 0);
}

TEST_F(DesktopEndToEnd, DraggingAScrollBarThumbScrollsAndReportsTheChangedValue) {
  ASSERT_NO_FATAL_FAILURE(Start({"run", Example("scrollbar.json")}, "Scroll bars"));
  // HScroll1 (200 x 17 at 10, 10) holds 1: its 82-pixel thumb starts 18 pixels in.
  MoveTo(50, 18);
  Press();
  MoveTo(120, 18);
  MoveTo(260, 18);  // beyond the end: Max
  Release();
  EXPECT_TRUE(PrintsInOrder({"HScroll1.ValueChanged()", "HScroll1.Scroll()", "HScroll1.ValueChanged()",
                             "HScroll1.Scroll()", "HScroll1.Click()"}));
  MoveTo(150, 140);
  const PixelBuffer reference =
      Headless(Example("scrollbar.json"), "move 50 18\ndown\nmove 120 18\nmove 260 18\nup\nmove 150 140\ntick 5");
  EXPECT_TRUE(ScreenMatches(reference, {client_.left, client_.top}, {10, 10, 210, 27}));
  EXPECT_EQ(Close(), 0);
}

TEST_F(DesktopEndToEnd, AToolbarMenuOpensUnderItsButtonAndReportsTheChosenEntry) {
  ASSERT_NO_FATAL_FAILURE(Start({"run", Example("toolbar.json")}, "Toolbar"));
  MoveTo(30, 15);  // "Open", a menu item
  Click();
  EXPECT_TRUE(PrintsInOrder({"vornToolbar1.ItemClicked(1, \"open\")"}));
  const unsigned long popup = screen_->WaitForWindow("vornPUMenu1.PUMenu", 20s);
  ASSERT_NE(popup, 0u);
  // Under the button: the left and bottom edges of its frame (x 8, y 3 + 16 + 6).
  const RectL r = screen_->Geometry(popup);
  EXPECT_EQ((PointL{r.left, r.top}), (PointL{client_.left + 8, client_.top + 25}));
  MoveTo(40, 57);  // "Recent", the second entry
  Click();
  EXPECT_TRUE(PrintsInOrder({"vornToolbar1.MenuItemClicked(1, \"open\", 2, \"\")"}));
  // Closed: the popup has gone and the toolbar shows its normal look again.
  const PixelBuffer normal = Headless(Example("toolbar.json"), "");
  EXPECT_TRUE(ScreenMatches(normal, {client_.left, client_.top}, {0, 0, 560, 200}));
  EXPECT_EQ(screen_->WaitForWindow("vornPUMenu1.PUMenu", 0ms), 0u);
  for (const std::string& line : printed_) EXPECT_EQ(line.find("vornPUMenu1"), std::string::npos) << line;
  EXPECT_EQ(Close(), 0);
}

// The popup path runs in this process, with the host on the test's X server, doing what a popup
// menu does: its window setup and its opening.
TEST_F(DesktopEndToEnd, APopupIsAnUnmanagedTopmostTranslucentWindowThatSeesPressesOutsideIt) {
  const ScopedEnv env{{"DISPLAY", server_->Display()}, {"DBUS_SESSION_BUS_ADDRESS", kNoSessionBus}};
  SDL_SetHintWithPriority(SDL_HINT_VIDEODRIVER, "x11", SDL_HINT_OVERRIDE);
  std::string why;
  std::unique_ptr<DesktopHost> host = DesktopHost::Open(why);
  ASSERT_TRUE(host) << why;
  auto font = MakeRef<Font>();
  auto form = std::make_unique<HeadlessSurface>(*host, WindowKind::Form, "Form", nullptr, RectL{100, 100, 400, 300},
                                                font, 0xF0F0F0);
  auto menu = std::make_unique<HeadlessSurface>(*host, WindowKind::Control, "Menu", form.get(), RectL{10, 10, 57, 57},
                                                font, 0xF0F0F0);
  auto popup = std::make_unique<HeadlessSurface>(*host, WindowKind::Picture, "Menu.PUMenu", menu.get(), RectL{},
                                                 font, 0x00C0FF);
  const WindowHandle h = popup->hWnd();
  host->SetWindowLong(h, GWL_EXSTYLE, host->GetWindowLong(h, GWL_EXSTYLE) | WS_EX_TOOLWINDOW);
  host->SetWindowPos(h, h, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
  host->SetWindowLong(h, GWL_HWNDPARENT, static_cast<int32_t>(form->hWnd()));
  host->SetParent(h, 0);
  popup->Move(600 * 15, 300 * 15, 120 * 15, 80 * 15);
  host->SetWindowPos(h, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  popup->SetVisible(true);
  SetWindowAlpha(*host, h, 230);
  host->DoEvents();

  ASSERT_NE(host->RealWindow(h), nullptr);
  const unsigned long window = screen_->WaitForWindow("Menu.PUMenu", 5s);  // titled by its name
  ASSERT_NE(window, 0u);
  EXPECT_TRUE(screen_->Unmanaged(window));  // no frame, no focus, no taskbar entry, placed as asked
  EXPECT_EQ(screen_->Geometry(window), (RectL{600, 300, 720, 380}));
  const std::vector<std::string> state = screen_->Atoms(window, "_NET_WM_STATE");
  EXPECT_NE(std::find(state.begin(), state.end(), "_NET_WM_STATE_ABOVE"), state.end());
  EXPECT_NE(std::find(state.begin(), state.end(), "_NET_WM_STATE_SKIP_TASKBAR"), state.end());
  // Opacity for a compositing window manager (Xvfb has none, so the screen shows it opaque).
  const std::optional<uint32_t> opacity = screen_->Cardinal(window, "_NET_WM_WINDOW_OPACITY");
  ASSERT_TRUE(opacity.has_value());
  EXPECT_NEAR(*opacity / 4294967295.0, 230 / 255.0, 0.001);
  PixelBuffer reference(120, 80, 0x00C0FF);
  EXPECT_TRUE(ScreenMatches(reference, {600, 300}, {0, 0, 120, 80}));
  EXPECT_FALSE(screen_->Unmanaged(screen_->WaitForWindow("Form", 5s)));  // the form is a normal window

  // What the popup's timer asks about a press anywhere on the screen, outside every window.
  MoveToScreen(900, 700);
  EXPECT_EQ(host->GetCursorPos(), (PointL{900, 700}));
  EXPECT_EQ(host->GetAsyncKeyState(VK_LBUTTON), 0);
  Press();
  EXPECT_EQ(host->GetAsyncKeyState(VK_LBUTTON), static_cast<int16_t>(0x8001));  // down, and went down
  EXPECT_EQ(host->GetAsyncKeyState(VK_LBUTTON), static_cast<int16_t>(0x8000));
  EXPECT_EQ(host->GetAsyncKeyState(VK_RBUTTON), 0);
  Release();
  EXPECT_EQ(host->GetAsyncKeyState(VK_LBUTTON), 0);
  // A click too short for any polling is still seen once, in the low bit.
  Click();
  EXPECT_EQ(host->GetAsyncKeyState(VK_LBUTTON), 1);
  EXPECT_EQ(host->GetAsyncKeyState(VK_LBUTTON), 0);
  EXPECT_EQ(host->GetAsyncKeyState(VK_RBUTTON), 0);

  popup->SetVisible(false);
  host->DoEvents();
  EXPECT_EQ(screen_->WaitForWindow("Menu.PUMenu", 0ms), 0u);
  popup.reset();
  menu.reset();
  form.reset();
}

TEST_F(DesktopEndToEnd, OnlyTheErrorOfAMessageToAVanishedWindowIsIgnored) {
  const XErrorCounter counter;  // whatever handled errors before (Xlib's own would exit)
  {
    const XErrorFilter filter;
    screen_->ProvokeBadWindow(true);  // SDL's wake-up message, sent as its window closed
    EXPECT_EQ(counter.Count(), 0);
    screen_->ProvokeBadWindow(false);
    EXPECT_EQ(counter.Count(), 1);
  }
  screen_->ProvokeBadWindow(true);  // the filter is gone with its owner
  EXPECT_EQ(counter.Count(), 2);
}

TEST_F(DesktopEndToEnd, RunWithoutAWindowSystemOrWithABrokenFormFailsWithAReason) {
  ChildProcess::Launch launch;
  launch.argv = {VORN_VORNFORM, "run", Example("button.json")};
  launch.unsetEnv = {"DISPLAY", "WAYLAND_DISPLAY"};
  launch.setEnv = {{"SDL_VIDEODRIVER", "x11"}};
  const Finished noDisplay = RunToEnd(launch, 60s);
  EXPECT_EQ(noDisplay.status, 1);
  EXPECT_NE(noDisplay.err.find("vornform: cannot open a window: "), std::string::npos) << noDisplay.err;

  const Finished broken = RunToEnd(OnDisplay({VORN_VORNFORM, "run", Example("nowhere.json")}), 60s);
  EXPECT_EQ(broken.status, 1);
  EXPECT_NE(broken.err.find("nowhere.json"), std::string::npos) << broken.err;
}

// Without any window system SDL falls back to a driver that shows nothing: run must not wait for
// a window nobody can close.
TEST(DesktopWithoutDisplay, RunFailsAtOnceWhenNoWindowSystemIsThere) {
  ChildProcess::Launch launch;
  launch.argv = {VORN_VORNFORM, "run", Example("button.json")};
  launch.unsetEnv = {"DISPLAY", "WAYLAND_DISPLAY", "SDL_VIDEODRIVER"};
  const Finished f = RunToEnd(launch, 20s);
  EXPECT_EQ(f.status, 1);
  EXPECT_NE(f.err.find("vornform: cannot open a window: no display"), std::string::npos) << f.err;
}

}  // namespace
}  // namespace vorn::test
