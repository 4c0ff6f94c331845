// vornform with files a careless user hands it: it never writes a picture over what it reads,
// never blocks on a pipe or a device, and says why.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "support/FileText.h"
#include "support/VornformCli.h"

namespace {

using vorn::test::CliRun;
using vorn::test::Example;
using vorn::test::Vornform;

TEST(VornformFiles, PicturesAreNeverWrittenOverTheDocumentOrTheScript) {
  const std::string dir = testing::TempDir() + "vorn-overwrite/";
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  std::filesystem::copy_file(Example("button.json"), dir + "form.json");
  const std::string form = vorn::test::FileText(dir + "form.json");
  std::ofstream(dir + "script.txt") << "snapshot " << dir << "script.txt\nsnapshot " << dir
                                    << "form.json\nsave " << dir << "script.txt\necho done\n";
  const std::string script = vorn::test::FileText(dir + "script.txt");

  const CliRun render = Vornform("render " + dir + "form.json -o " + dir + "form.json");
  EXPECT_EQ(render.status, 1);
  EXPECT_EQ(render.out, "vornform: " + dir + "form.json: is the form document being read; not writing a picture over it\n");

  const CliRun replay = Vornform("replay " + dir + "form.json " + dir + "script.txt");
  EXPECT_EQ(replay.status, 1);
  EXPECT_NE(replay.out.find("error: snapshot: " + dir + "script.txt: is a file this run reads; not writing over it"),
            std::string::npos)
      << replay.out;
  EXPECT_NE(replay.out.find("error: snapshot: " + dir +
                            "form.json: is the form document being read; not writing a picture over it"),
            std::string::npos);
  EXPECT_NE(replay.out.find("error: save: " + dir + "script.txt: is a file this run reads; not saving over it"),
            std::string::npos);
  EXPECT_NE(replay.out.find("done"), std::string::npos);
  EXPECT_EQ(vorn::test::FileText(dir + "form.json"), form);
  EXPECT_EQ(vorn::test::FileText(dir + "script.txt"), script);
}

TEST(VornformFiles, PipesFoldersAndDevicesFailAtOnceWithTheirReason) {
  const std::string dir = testing::TempDir() + "vorn-special/";
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir + "folder");
  ASSERT_EQ(mkfifo((dir + "pipe.png").c_str(), 0600), 0);
  std::ofstream(dir + "form.json") << R"({ "vornform": 1, "imageLists": { "i": { "images": ["pipe.png"] } } })";
  struct Case {
    std::string args;
    int status;
    std::string out;
  };
  const Case cases[] = {
      {"replay " + Example("button.json") + " " + dir + "folder", 2, dir + "folder: is a folder, not a file\n"},
      {"replay " + Example("button.json") + " /dev/zero", 2, "/dev/zero: is a device, not a regular file\n"},
      {"render /dev/zero -o " + dir + "x.png", 1, "/dev/zero: is a device, not a regular file\n"},
      {"render " + dir + "form.json -o " + dir + "x.png", 1,
       "Form1: image list \"i\": " + dir + "pipe.png: is a pipe, not a regular file\n"},
  };
  for (const Case& c : cases) {
    const CliRun r = Vornform(c.args);
    EXPECT_EQ(r.status, c.status) << c.args;
    EXPECT_EQ(r.out, "vornform: " + c.out);
  }
}

}  // namespace
