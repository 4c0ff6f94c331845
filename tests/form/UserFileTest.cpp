// Replacing a user's file: nothing but the file itself changes, and only when all went well.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "foundation/files/UserFile.h"
#include "support/FileText.h"
#include "library/vornbutton2.h"

namespace vorn {
namespace {

namespace fs = std::filesystem;

std::string Fresh(const std::string& name) {
  const std::string dir = testing::TempDir() + name + "/";
  fs::remove_all(dir);
  fs::create_directories(dir);
  return dir;
}

TEST(ReplaceUserFile, APlantedTemporaryLinkIsNotFollowedAndThePermissionsStay) {
  const std::string dir = Fresh("vorn-replace");
  const std::string out = dir + "OUT.json";
  std::ofstream(dir + "victim") << "precious";
  fs::create_symlink(dir + "victim", out + ".tmp");
  std::ofstream(out) << "old";
  ASSERT_EQ(chmod(out.c_str(), 0640), 0);
  ReplaceUserFile(out, "new");
  EXPECT_EQ(test::FileText(out), "new");
  EXPECT_EQ(test::FileText(dir + "victim"), "precious");
  struct stat st {};
  ASSERT_EQ(stat(out.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  // Nothing else is left in the folder: the victim, the planted link and the file.
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 3);
}

TEST(ReplaceUserFile, ALinkAFolderOrAPipeIsRefusedAndLeftAlone) {
  const std::string dir = Fresh("vorn-refuse");
  std::ofstream(dir + "target") << "kept";
  fs::create_symlink(dir + "target", dir + "link");
  fs::create_directories(dir + "folder");
  ASSERT_EQ(mkfifo((dir + "pipe").c_str(), 0600), 0);
  const std::pair<std::string, std::string> cases[] = {
      {"link", "is a symbolic link; it was left as it is"},
      {"folder", "is a folder, not a file; it was left as it is"},
      {"pipe", "is a pipe, not a regular file; it was left as it is"},
      {"missing/file", "cannot write the file: No such file or directory"},
  };
  for (const auto& [name, why] : cases) {
    try {
      ReplaceUserFile(dir + name, "new");
      ADD_FAILURE() << name;
    } catch (const FileError& e) {
      EXPECT_EQ(e.what(), dir + name + ": " + why);
    }
  }
  EXPECT_EQ(test::FileText(dir + "target"), "kept");
  EXPECT_TRUE(fs::is_symlink(dir + "link"));
  EXPECT_TRUE(fs::is_fifo(dir + "pipe"));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 4);
}

// The library's registry file goes through the same rules.
TEST(RegistryFile, UnregisterWithoutAFileMakesNoneAndAFolderIsNeverReplaced) {
  const std::string dir = Fresh("vorn-registry");
  const char* before = std::getenv("VORN_REGISTRY");
  const std::string saved = before ? before : "";
  setenv("VORN_REGISTRY", (dir + "registry.reg").c_str(), 1);
  EXPECT_EQ(DllUnregisterServer(), S_OK);
  EXPECT_FALSE(fs::exists(dir + "registry.reg"));
  fs::create_directories(dir + "registry.reg");
  EXPECT_NE(DllRegisterServer(), S_OK);
  EXPECT_NE(DllUnregisterServer(), S_OK);
  EXPECT_TRUE(fs::is_directory(dir + "registry.reg"));
  if (before) {
    setenv("VORN_REGISTRY", saved.c_str(), 1);
  } else {
    unsetenv("VORN_REGISTRY");
  }
}

}  // namespace
}  // namespace vorn
