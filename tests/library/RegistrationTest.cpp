#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "library/LibraryIds.h"
#include "library/Registry.h"
#include "library/TypeLibrary.h"

namespace vorn {
namespace {

std::string Slurp(const std::string& path) {
  std::ifstream in(path);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

struct RegistryFile : testing::Test {
  // A folder per test: ctest runs the tests of this suite side by side.
  std::string dir = testing::TempDir() + "vorn-registry-" +
                    testing::UnitTest::GetInstance()->current_test_info()->name();
  std::string path = dir + "/registry.reg";
  void SetUp() override {
    std::filesystem::remove_all(dir);
    setenv("VORN_REGISTRY", path.c_str(), 1);
  }
  void TearDown() override { unsetenv("VORN_REGISTRY"); }
};

TEST_F(RegistryFile, RegisteringWritesClassesControlsInterfacesAndTheTypeLibrary) {
  ASSERT_EQ(DllRegisterServer(), S_OK);
  Registry reg = Registry::Load(path);
  const std::string slider = "HKEY_CLASSES_ROOT\\CLSID\\" + GuidToString(kClsid_vornSlider);
  EXPECT_EQ(*reg.Get("HKEY_CLASSES_ROOT\\vornButton2.vornSlider\\CLSID", ""), GuidToString(kClsid_vornSlider));
  EXPECT_NE(reg.Find(slider + "\\Control"), nullptr);
  ASSERT_NE(reg.Get(slider + "\\InprocServer32", ""), nullptr);
  EXPECT_TRUE(std::filesystem::path(*reg.Get(slider + "\\InprocServer32", "")).is_absolute());
  EXPECT_EQ(reg.Get(slider + "\\ToolboxBitmap32", "")->substr(reg.Get(slider + "\\ToolboxBitmap32", "")->size() - 5),
            "30002");
  const std::string items = "HKEY_CLASSES_ROOT\\CLSID\\" + GuidToString(kClsid_MenuItems);
  EXPECT_EQ(reg.Find(items + "\\Control"), nullptr);
  EXPECT_EQ(reg.Find(items + "\\InprocServer32"), nullptr);  // not creatable
  EXPECT_EQ(*reg.Get("HKEY_CLASSES_ROOT\\Interface\\" + GuidToString(kIidEvents_vornScrollBar), ""),
            "__vornScrollBar");
  EXPECT_EQ(*reg.Get("HKEY_CLASSES_ROOT\\TypeLib\\" + GuidToString(kLibId) + "\\1.0", ""), "vornButton2");
}

TEST_F(RegistryFile, RegisteringTwiceGivesTheSameFileAndUnregisteringKeepsOtherRecords) {
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  std::ofstream(path) << "REGEDIT4\n\n[HKEY_CLASSES_ROOT\\Other.Thing\\CLSID]\n@=\"{1}\"\n";
  ASSERT_EQ(DllRegisterServer(), S_OK);
  const std::string once = Slurp(path);
  ASSERT_EQ(DllRegisterServer(), S_OK);
  EXPECT_EQ(Slurp(path), once);
  ASSERT_EQ(DllUnregisterServer(), S_OK);
  ASSERT_EQ(DllUnregisterServer(), S_OK);
  EXPECT_EQ(Slurp(path), "REGEDIT4\n\n[HKEY_CLASSES_ROOT\\Other.Thing\\CLSID]\n@=\"{1}\"\n");
}

TEST_F(RegistryFile, AFileThatIsNotARegistryIsLeftAlone) {
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  std::ofstream(path) << "REGEDIT4\n\n[HKEY_CLASSES_ROOT\\X]\nthis is not a value\n";
  const std::string before = Slurp(path);
  testing::internal::CaptureStderr();
  EXPECT_EQ(DllRegisterServer(), SELFREG_E_CLASS);
  const std::string err = testing::internal::GetCapturedStderr();
  EXPECT_NE(err.find("registry.reg:4:"), std::string::npos) << err;
  EXPECT_EQ(Slurp(path), before);
  EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
}

TEST(RegistryText, QuotesAndBackslashesRoundTrip) {
  const std::string path = testing::TempDir() + "quoted.reg";
  Registry r;
  r.Set("HKEY_CLASSES_ROOT\\A\\B", "", "C:\\path with \"quotes\"");
  r.Set("HKEY_CLASSES_ROOT\\A\\B", "Name", "x");
  r.Touch("HKEY_CLASSES_ROOT\\A\\B\\Control");
  r.Save(path);
  Registry back = Registry::Load(path);
  EXPECT_EQ(*back.Get("hkey_classes_root\\a\\b", ""), "C:\\path with \"quotes\"");
  EXPECT_EQ(*back.Get("HKEY_CLASSES_ROOT\\A\\B", "name"), "x");
  EXPECT_NE(back.Find("HKEY_CLASSES_ROOT\\A\\B\\Control"), nullptr);
  EXPECT_EQ(back.RemoveTree("HKEY_CLASSES_ROOT\\A"), 2);
  EXPECT_TRUE(back.Keys().empty());
}

}  // namespace
}  // namespace vorn
