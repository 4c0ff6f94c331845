// The command-line conventions of vornform: help and version on standard output, "-" for the
// standard streams, messages that name the program, and picture comparison (compare, and
// snapshot --expect in a replay).
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "host/raster/Png.h"
#include "support/VornformCli.h"

namespace vorn::test {
namespace {

std::string Scratch(const std::string& name) {
  const std::string dir = testing::TempDir() + "vorn-cli-" + std::to_string(getpid()) + "/";
  std::filesystem::create_directories(dir);
  return dir + name;
}

TEST(VornformCommandLine, HelpAndVersionGoToStandardOutputAndSucceed) {
  struct Case {
    const char* args;
    const char* starts;
  };
  for (const Case& c : {Case{"--help", "vornform: load, render"}, Case{"help", "vornform: load, render"},
                        Case{"help compare", "usage: vornform compare A.png B.png"},
                        Case{"replay --help", "usage: vornform replay FORM.json SCRIPT.txt"},
                        Case{"--version", "vornform (vornButton2) 1."}}) {
    const CliStreams r = VornformStreams(c.args);
    EXPECT_EQ(r.status, 0) << c.args;
    EXPECT_EQ(r.out.rfind(c.starts, 0), 0u) << c.args << ": " << r.out;
    EXPECT_EQ(r.err, "") << c.args;
  }
}

TEST(VornformCommandLine, UsageErrorsNameTheProgramAndExitWith2) {
  struct Case {
    const char* args;
    const char* message;
  };
  for (const Case& c : {Case{"frobnicate", "vornform: unknown command \"frobnicate\"\nTry 'vornform --help'.\n"},
                        Case{"help frobnicate", "vornform: unknown command \"frobnicate\"\nTry 'vornform --help'.\n"},
                        Case{"render x.json", "vornform: render: wrong arguments\nusage: vornform render FORM.json -o "
                                              "OUT.png\nTry 'vornform help render'.\n"},
                        Case{"compare a.png b.png --tolerance 256",
                             "vornform: compare: the tolerance must be a whole number from 0 to 255, not \"256\"\n"}}) {
    const CliStreams r = VornformStreams(c.args);
    EXPECT_EQ(r.status, 2) << c.args;
    EXPECT_EQ(r.out, "") << c.args;
    EXPECT_EQ(r.err.rfind(c.message, 0), 0u) << c.args << ": " << r.err;
  }
  // A file's own place keeps the compiler's form, FILE:LINE: what was wrong.
  const std::string bad = Scratch("bad.txt");
  std::ofstream(bad) << "move 1\n";
  EXPECT_EQ(VornformStreams("replay " + Example("button.json") + " " + bad).err,
            bad + ":1: \"move\" takes 2 argument(s)\n");
  EXPECT_EQ(VornformStreams("render nowhere.json -o x.png").err, "vornform: nowhere.json: cannot open the file: No such file or directory\n");
}

TEST(VornformCommandLine, DashReadsStandardInputAndWritesStandardOutput) {
  // A form from standard input rendered to standard output is the picture of the same form's file.
  const std::string fromFile = Scratch("file.png");
  ASSERT_EQ(VornformStreams("render " + Example("progress.json") + " -o " + fromFile).status, 0);
  const std::string piped = Scratch("piped.png");
  const CliStreams render = VornformStreams("render - -o - > " + piped, Example("progress.json"));
  EXPECT_EQ(render.status, 0) << render.err;
  EXPECT_EQ(VornformStreams("compare " + fromFile + " " + piped).status, 0);
  // save - -o - writes the document; a script from standard input runs as from a file.
  const CliStreams saved = VornformStreams("save - -o -", Example("progress.json"));
  EXPECT_EQ(saved.status, 0) << saved.err;
  EXPECT_NE(saved.out.find("\"vornform\": 1"), std::string::npos) << saved.out;
  const std::string script = Scratch("script.txt");
  std::ofstream(script) << "echo from standard input\n";
  EXPECT_EQ(VornformStreams("replay " + Example("button.json") + " -", script).out, "from standard input\n");
  EXPECT_EQ(VornformStreams("replay - -", script).status, 2);
}

TEST(VornformCommandLine, CompareReportsTheDifferenceAndWritesItsPicture) {
  const std::string a = Scratch("a.png"), same = Scratch("same.png"), b = Scratch("b.png");
  PixelBuffer picture(4, 3, 0x808080);
  WritePng(picture, a);
  WritePng(picture, same);
  picture.SetPixel(2, 1, 0x808085);
  picture.SetPixel(3, 2, 0x000000);
  WritePng(picture, b);

  EXPECT_EQ(VornformStreams("compare " + a + " " + same).status, 0);
  const CliStreams differ = VornformStreams("compare " + a + " " + b);
  EXPECT_EQ(differ.status, 1);
  const std::string diff = Scratch("a.diff.png");
  EXPECT_EQ(differ.out, a + " " + b + " differ: 2 pixels differ, the first at (2, 1); difference in " + diff + "\n");
  const PixelBuffer shown = ReadPngBuffer(diff);
  EXPECT_EQ(shown.Get(2, 1), 0x0000FFu);  // red where they differ
  EXPECT_NE(shown.Get(0, 0), 0x0000FFu);

  const std::string chosen = Scratch("chosen.png");
  const CliStreams tolerant = VornformStreams("compare " + a + " " + b + " --tolerance 5 -o " + chosen);
  EXPECT_EQ(tolerant.out, a + " " + b + " differ: 1 pixel differs, the first at (3, 2); difference in " + chosen + "\n");
  EXPECT_EQ(VornformStreams("compare " + a + " " + b + " --tolerance 128").status, 0);

  WritePng(PixelBuffer(5, 3, 0x808080), b);
  EXPECT_EQ(VornformStreams("compare " + a + " " + b).out,
            a + " " + b + " differ: sizes 4x3 and 5x3; 3 pixels differ, the first at (4, 0); difference in " + diff + "\n");
  const CliStreams unreadable = VornformStreams("compare " + a + " " + Scratch("missing.png"));
  EXPECT_EQ(unreadable.status, 2);
  EXPECT_NE(unreadable.err.find("vornform: " + Scratch("missing.png")), std::string::npos) << unreadable.err;
}

TEST(VornformCommandLine, SnapshotExpectFailsTheReplayOnAMismatch) {
  const std::string golden = Scratch("golden.png"), shot = Scratch("shot.png");
  ASSERT_EQ(VornformStreams("render " + Example("button.json") + " -o " + golden).status, 0);
  const std::string script = Scratch("expect.txt");
  std::ofstream(script) << "snapshot " << shot << " --expect " << golden << "\n"
                        << "click 40 25\n"
                        << "snapshot " << shot << " --expect " << golden << " --tolerance 2\n";
  const CliStreams r = VornformStreams("replay " + Example("button.json") + " " + script);
  EXPECT_EQ(r.status, 1);
  const std::string tail = r.out.substr(r.out.rfind("error: "));
  EXPECT_EQ(tail.rfind("error: snapshot: " + shot + " differs from " + golden + ": ", 0), 0u) << r.out;
  EXPECT_NE(tail.find("; difference in " + Scratch("shot.diff.png") + "\n"), std::string::npos) << r.out;
  EXPECT_EQ(r.out.find("error: "), r.out.rfind("error: ")) << "the first snapshot matched: " << r.out;
}

// The window system is a module vornform loads only to show a window: without it, run says what
// is missing and everything else works.
TEST(VornformCommandLine, WithoutItsWindowModuleRunSaysSoAndRenderWorks) {
  const std::string alone = Scratch("alone/");
  std::filesystem::create_directories(alone);
  std::filesystem::copy_file(VORN_VORNFORM, alone + "vornform", std::filesystem::copy_options::overwrite_existing);
  const std::string log = alone + "log.txt";
  const auto status = [&](const std::string& args) {
    const int s = std::system(("cd '" + alone + "' && DISPLAY=:0 ./vornform " + args + " >'" + log + "' 2>&1").c_str());
    return WEXITSTATUS(s);
  };
  const auto said = [&] {
    std::ostringstream text;
    text << std::ifstream(log).rdbuf();
    return text.str();
  };
  EXPECT_EQ(status("run " + Example("button.json")), 1);
  EXPECT_NE(said().find("vornform: cannot open a window: the window system is not installed (no " + alone +
                        "vornform-window.so or "),
            std::string::npos)
      << said();
  EXPECT_EQ(status("render " + Example("button.json") + " -o button.png"), 0) << said();
  EXPECT_TRUE(std::filesystem::exists(alone + "button.png"));
}

}  // namespace
}  // namespace vorn::test
