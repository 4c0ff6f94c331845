// vornform: the host application of the vornButton2 controls. Loads form documents, renders them,
// replays scripted input, saves them back, and shows the built-in gallery.
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "Compare.h"
#include "DemoGallery.h"
#include "Help.h"
#include "Messages.h"
#include "Streams.h"
#include "WindowSystem.h"
#include "foundation/Limits.h"
#include "foundation/files/UserFile.h"
#include "host/form/Form.h"
#include "host/headless/HeadlessHost.h"
#include "host/headless/SnapshotRows.h"
#include "host/raster/Png.h"
#include "library/Registry.h"
#include "library/ToolboxPicture.h"
#include "library/TypeLibrary.h"
#include "library/TypeLibraryIdl.h"
#include "library/TypeLibraryText.h"
#include "library/vornbutton2.h"

namespace vorn {
namespace {

constexpr int kOk = 0;
constexpr int kFailed = 1;
constexpr int kUsage = 2;

int Usage(const std::string& command) {
  const std::string synopsis = CommandSynopsis(command);
  if (command.empty()) {
    std::cerr << AllSynopses() << "Try 'vornform --help'.\n";
  } else if (synopsis.empty()) {
    std::cerr << "unknown command \"" << command << "\"\nTry 'vornform --help'.\n";
  } else {
    std::cerr << command << ": wrong arguments\n" << synopsis << "Try 'vornform help " << command << "'.\n";
  }
  return kUsage;
}

// Event lines go to standard output, or to standard error while standard output carries a file.
std::ostream* lineOut = &std::cout;
ProgramMessages* messages = nullptr;

void LinesToStandardError(const std::string& outPath) {
  static std::ostream plainErr(nullptr);
  if (!IsStdio(outPath) || !messages) return;
  plainErr.rdbuf(messages->Plain());
  lineOut = &plainErr;
}

void PrintLine(const std::string& line) {
  *lineOut << line << '\n';
  lineOut->flush();
}

void ReportAll(const std::vector<std::string>& errors) {
  for (const std::string& e : errors) std::cerr << e << '\n';
}

// A loaded form in the headless host; notes from the host (handler errors, released buttons)
// are printed with the events, and handler errors count as failures.
struct Session {
  explicit Session(std::unique_ptr<HeadlessHost> h = std::make_unique<HeadlessHost>())
      : ownHost(std::move(h)), host(*ownHost) {}
  std::unique_ptr<HeadlessHost> ownHost;
  HeadlessHost& host;
  std::vector<std::string> errors;
  std::unique_ptr<Form> form;
  int handlerErrors = 0;

  bool Load(const std::string& path) {
    try {
      FormDocument doc = LoadDocument(path, errors);
      Start(std::move(doc), {});
      return true;
    } catch (const DocumentError& e) {
      std::cerr << e.what() << '\n';
      return false;
    }
  }
  /// Exit status after a run with this many failed script lines.
  int Status(int failures) const {
    const bool ok = errors.empty() && failures == 0 && handlerErrors == 0 && form->HandlerFailures() == 0;
    return ok ? kOk : kFailed;
  }
  void Start(FormDocument doc, std::vector<Ref<ImageList>> lists) {
    host.SetNoteSink([this](const std::string& line) {
      if (line.rfind("error:", 0) == 0) ++handlerErrors;
      PrintLine(line);
    });
    form = std::make_unique<Form>(host, std::move(doc), PrintLine, errors, std::move(lists));
  }
};

int Render(const std::string& formPath, const std::string& outPath) {
  if (SameFile(outPath, formPath)) {
    std::cerr << outPath << ": is the form document being read; not writing a picture over it\n";
    return kFailed;
  }
  LinesToStandardError(outPath);
  Session s;
  if (!s.Load(formPath)) return kFailed;
  int failures = s.form->RunOnLoad(s.errors);
  ReportAll(s.errors);
  try {
    SnapshotRows picture(s.host, s.form->SnapshotArea());
    WritePicture(picture, outPath);
  } catch (const std::exception& e) {
    std::cerr << e.what() << '\n';
    return kFailed;
  }
  return s.Status(failures);
}

int Replay(const std::string& formPath, const std::string& scriptPath) {
  if (IsStdio(formPath) && IsStdio(scriptPath)) return Usage("replay");
  std::vector<ScriptCommand> commands;
  try {
    commands = ParseScript(ReadInput(scriptPath, limits::kScriptBytes), scriptPath);
  } catch (const std::runtime_error& e) {  // FileError or ScriptError
    std::cerr << e.what() << '\n';
    return kUsage;
  }
  Session s;
  if (!s.Load(formPath)) return kFailed;
  s.form->ProtectFile(scriptPath);
  int failures = s.form->RunOnLoad(s.errors);
  ReportAll(s.errors);
  failures += s.form->RunScript(commands);
  return s.Status(failures);
}

int Save(const std::string& formPath, const std::string& outPath) {
  LinesToStandardError(outPath);
  Session s;
  if (!s.Load(formPath)) return kFailed;
  ReportAll(s.errors);
  std::vector<std::string> saveErrors;
  FormDocument doc = s.form->Snapshot(saveErrors);
  ReportAll(saveErrors);
  try {
    SaveDocument(doc, outPath);
  } catch (const std::exception& e) {
    std::cerr << e.what() << '\n';
    return kFailed;
  }
  return s.errors.empty() && saveErrors.empty() ? kOk : kFailed;
}

// The loaded form in real windows until its window is closed; events print as in a replay.
int ShowInWindow(Session& s, const WindowSystem& windows, int failures) {
  ReportAll(s.errors);
  windows.show(s.host, s.form->Window().hWnd(), s.form->Document().form.caption);
  return s.Status(failures);
}

// A host showing real windows, from the window system loaded into windows; null, with the reason
// in why, when it cannot be loaded or opened.
std::unique_ptr<HeadlessHost> OpenWindows(const WindowSystem*& windows, std::string& why) {
  windows = LoadWindowSystem(why);
  return windows ? windows->open(why) : nullptr;
}

int Run(const std::string& formPath) {
  std::string why;
  const WindowSystem* windows = nullptr;
  std::unique_ptr<HeadlessHost> host = OpenWindows(windows, why);
  if (!host) {
    std::cerr << "vornform: cannot open a window: " << why << '\n';
    return kFailed;
  }
  Session s(std::move(host));
  if (!s.Load(formPath)) return kFailed;
  const int failures = s.form->RunOnLoad(s.errors);
  return ShowInWindow(s, *windows, failures);
}

// Real windows when there is a display: DISPLAY or WAYLAND_DISPLAY set, and it opens.
std::unique_ptr<HeadlessHost> OpenDisplay(const WindowSystem*& windows) {
  auto set = [](const char* name) {
    const char* v = std::getenv(name);
    return v && *v;
  };
  if (!set("DISPLAY") && !set("WAYLAND_DISPLAY")) return nullptr;
  std::string why;
  std::unique_ptr<HeadlessHost> host = OpenWindows(windows, why);
  if (!host) std::cerr << "vornform: no window (" << why << "), rendering the gallery instead\n";
  return host;
}

int Demo() {
  const WindowSystem* windows = nullptr;
  std::unique_ptr<HeadlessHost> shown = OpenDisplay(windows);
  const bool inWindow = shown != nullptr;
  Session s(inWindow ? std::move(shown) : std::make_unique<HeadlessHost>());
  try {
    FormDocument doc = ParseFormDocument(DemoDocument(), "gallery", s.errors);
    s.Start(std::move(doc), DemoImageLists());
  } catch (const DocumentError& e) {
    std::cerr << e.what() << '\n';
    return kFailed;
  }
  int failures = s.form->RunOnLoad(s.errors);
  // The progress bars move while the gallery shows.
  std::unique_ptr<Timer> live = s.host.CreateTimer("gallery", 40, [&s, &live] {
    live->SetInterval(40);
    StepGallery(*s.form);
  });
  live->SetEnabled(true);
  if (inWindow) {
    // In a window they first hold still for a second, so that the window shows the gallery as it
    // is rendered without a display (a screenshot taken then matches that picture).
    live->SetInterval(1000);
    return ShowInWindow(s, *windows, failures);
  }
  const std::string out = "vornform-demo.png";
  try {
    SnapshotRows picture(s.host, s.form->SnapshotArea());
    WritePng(picture, out);
  } catch (const std::exception& e) {
    std::cerr << e.what() << '\n';
    return kFailed;
  }
  PrintLine("# gallery rendered to " + out + "; replaying the built-in script:");
  failures += s.form->RunScript(ParseScript(DemoScript(), "gallery script"));
  ReportAll(s.errors);
  return s.Status(failures);
}

int Registration(bool add) {
  const HRESULT hr = add ? DllRegisterServer() : DllUnregisterServer();
  if (hr != S_OK) return kFailed;  // the library has said why
  PrintLine(std::string(add ? "registered in " : "unregistered from ") + Registry::DefaultPath());
  return kOk;
}

// The bitmaps the Windows build embeds as its toolbox resources (toolbox30000.bmp ...).
int WriteToolboxBitmaps(const std::string& dir) {
  for (const LibraryClass& c : TypeLibrary().classes) {
    if (c.kind != ClassKind::Control) continue;
    const std::string path = dir + "/toolbox" + std::to_string(c.toolboxBitmap) + ".bmp";
    try {
      ReplaceUserFile(path, ToolboxBitmapFile(c.toolboxBitmap));
    } catch (const std::exception& e) {
      std::cerr << e.what() << '\n';
      return kFailed;
    }
  }
  return kOk;
}

int Main(int argc, char** argv) {
  std::vector<std::string> a(argv + 1, argv + argc);
  if (a.empty()) return Usage("");
  const std::string& cmd = a[0];
  if (cmd == "--help" || cmd == "-h" || (cmd == "help" && a.size() == 1)) {
    std::cout << OverviewText();
    return kOk;
  }
  if (cmd == "--version" && a.size() == 1) {
    std::cout << VersionText();
    return kOk;
  }
  const bool helpAsked = a.size() == 2 && (a[1] == "--help" || a[1] == "-h");
  if ((cmd == "help" && a.size() == 2) || helpAsked) {
    const std::string& topic = helpAsked ? cmd : a[1];
    const std::string text = CommandHelp(topic);
    if (text.empty()) return Usage(topic);
    std::cout << text;
    return kOk;
  }
  if (cmd == "compare") return CompareCommand({a.begin() + 1, a.end()});
  if (cmd == "render" && a.size() == 4 && a[2] == "-o") return Render(a[1], a[3]);
  if (cmd == "replay" && a.size() == 3) return Replay(a[1], a[2]);
  if (cmd == "save" && a.size() == 4 && a[2] == "-o") return Save(a[1], a[3]);
  if (cmd == "demo" && a.size() == 1) return Demo();
  if (cmd == "run" && a.size() == 2) return Run(a[1]);
  if (cmd == "typelib" && a.size() == 1) {
    std::cout << DescribeTypeLibrary();
    return kOk;
  }
  if (cmd == "typelib" && a.size() == 2 && a[1] == "--idl") {
    std::cout << TypeLibraryIdl();
    return kOk;
  }
  if (cmd == "typelib" && a.size() == 3 && a[1] == "--toolbox-bitmaps") return WriteToolboxBitmaps(a[2]);
  if (cmd == "register" && a.size() == 1) return Registration(true);
  if (cmd == "unregister" && a.size() == 1) return Registration(false);
  return Usage(cmd);
}

}  // namespace
}  // namespace vorn

int main(int argc, char** argv) {
  vorn::ProgramMessages messages;
  vorn::messages = &messages;
  try {
    return vorn::Main(argc, argv);
  } catch (const std::exception& e) {
    std::cerr << "vornform: " << e.what() << '\n';
    return 1;
  }
}
