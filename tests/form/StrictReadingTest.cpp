// Documents a careless or hostile user might hand over: each is refused (or its entry skipped)
// with a message naming what was wrong, and what was skipped is still there when the form is saved.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "foundation/files/UserFile.h"
#include "host/form/Form.h"

namespace vorn {
namespace {

const std::string kButton = R"({ "class": "vornButton2.vornButton", "name": "b" })";

std::string Doc(const std::string& form, const std::string& controls = kButton, const std::string& extra = "") {
  return R"({ "vornform": 1, "form": { "name": "F")" + form + " }, \"controls\": [ " + controls + " ]" + extra + " }";
}

struct Case {
  std::string text;
  std::string message;  // the whole error line, or its start for broken JSON
};

TEST(StrictReading, FatalFaultsStopTheLoadWithTheirReason) {
  const std::string deep = R"({ "vornform": 1, "controls": [ { "name": "b", "properties": { "Caption": )" +
                           std::string(100000, '[') + std::string(100000, ']') + " } } ] }";
  const Case cases[] = {
      {std::string(R"({ "vornform": 1 })") + '\0' + "junk", "d.json:1:18: broken JSON: a NUL byte (JSON text cannot hold one)"},
      {R"({ "vornform": 1 } { "vornform": 1 })", "d.json:1:19: broken JSON: syntax error while parsing value - unexpected '{'; expected end of input"},
      {R"({ "vornform": 4294967297 })", "d.json: unsupported document version 4294967297 (this program reads version 1)"},
      {R"({ "vornform": 1.0 })", "d.json: unsupported document version 1.0 (this program reads version 1)"},
      {deep, "d.json:1:170: arrays and objects nest deeper than 100 levels"},
      {Doc(R"(, "top": -2147483648)"), "d.json: form: \"top\" is -2147483648; it must lie in -32767..32767"},
      {Doc(R"(, "left": 18446744073709551615)"), "d.json: form: \"left\" is 18446744073709551615; it must lie in -32767..32767"},
      {Doc(R"(, "backColor": 18446744073709551615)"), "d.json: form: \"backColor\" must be a colour number"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> errors;
    try {
      ParseFormDocument(c.text, "d.json", errors);
      ADD_FAILURE() << "accepted: " << c.message;
    } catch (const DocumentError& e) {
      EXPECT_EQ(e.what(), c.message);
    }
  }
}

TEST(StrictReading, AFaultyEntryIsSkippedWithItsReason) {
  const Case cases[] = {
      {Doc("", R"({ "class": "vornButton2.vornButton", "name": "a.b" })"),
       "d.json: control \"a.b\": a name may hold only letters, digits and underscores (scripts could not reach it)"},
      {Doc("", R"({ "class": "vornButton2.vornButton", "name": "my \"b\"" })"),
       "d.json: control \"my \\\"b\\\"\": a name may hold only letters, digits and underscores (scripts could not reach it)"},
      {Doc("", R"({ "class": "vornButton2.vornButton", "name": "b", "left": 18446744073709551615 })"),
       "d.json: control b: \"left\" is 18446744073709551615; it must lie in -32767..32767"},
      {Doc("", R"({ "class": "vornButton2.vornButton", "name": "b", "top": -40000 })"),
       "d.json: control b: \"top\" is -40000; it must lie in -32767..32767"},
      {Doc("", R"({ "class": "vornButton2.vornButton", "name": "b", "width": 4294967297 })"),
       "d.json: control b: \"width\" is 4294967297; it must lie in -2147483648..2147483647"},
      {Doc("", kButton, R"(, "imageLists": { "i": { "imageWidth": 18446744073709551615 } })"),
       "d.json: image list \"i\": \"imageWidth\" is 18446744073709551615; it must lie in -2147483648..2147483647"},
      {Doc("", kButton, R"(, "handlers": { "nobody.Click": [ "echo x" ] })"),
       "F: handler \"nobody.Click\": no control named \"nobody\""},
      {Doc("", kButton, R"(, "handlers": { "b.Clicked": [ "echo x" ] })"),
       "F: handler \"b.Clicked\": vornButton has no event \"Clicked\" (its events: Click, KeyDown, KeyPress, KeyUp, "
       "MouseDown, MouseMove, MouseUp)"},
  };
  for (const Case& c : cases) {
    HeadlessHost host;
    std::vector<std::string> errors;
    Form form(host, ParseFormDocument(c.text, "d.json", errors), nullptr, errors);
    ASSERT_EQ(errors.size(), 1u) << c.message;
    EXPECT_EQ(errors[0], c.message);
  }
}

TEST(StrictReading, OnlyRegularFilesOfAtMostTheLimitAreRead) {
  const std::string dir = testing::TempDir() + "vorn-strict/";
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir + "folder.json");
  ASSERT_EQ(mkfifo((dir + "fifo.json").c_str(), 0600), 0);
  {
    std::ofstream big(dir + "big.json");
  }
  std::filesystem::resize_file(dir + "big.json", (16u << 20) + 1);  // sparse: costs no disk
  const Case cases[] = {
      {dir + "folder.json", dir + "folder.json: is a folder, not a file"},
      {dir + "fifo.json", dir + "fifo.json: is a pipe, not a regular file"},
      {"/dev/zero", "/dev/zero: is a device, not a regular file"},
      {dir + "big.json", dir + "big.json: is 16777217 bytes; the limit is 16777216 bytes"},
      {dir + "missing.json", dir + "missing.json: cannot open the file: No such file or directory"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> errors;
    try {
      LoadFormDocument(c.text, errors);
      ADD_FAILURE() << "read: " << c.text;
    } catch (const DocumentError& e) {
      EXPECT_EQ(e.what(), c.message);
    }
  }
}

TEST(SaveKeepsWhatItCouldNotRead, SkippedEntriesUnknownKeysAndUnknownPropertiesComeBackAsWritten) {
  const std::string text = R"({ "vornform": 1, "comment": "mine",
    "form": { "name": "F", "width": 300, "height": 200, "grid": 8 },
    "imageLists": { "bad": { "imageWidth": 0 }, "good": { "images": [], "note": "x" } },
    "controls": [ { "class": "vornButton2.vornButton", "name": "a.b", "left": 1 },
                  { "class": "vornButton2.vornButton", "name": "b", "tag": [1, 2],
                    "properties": { "Caption": "B", "Captoin": "typo" } },
                  { "name": "" } ],
    "handlers": { "nodot": [], "b.Click": [ "echo clicked" ] } })";
  HeadlessHost host;
  std::vector<std::string> errors;
  Form form(host, ParseFormDocument(text, "d.json", errors), nullptr, errors);
  EXPECT_EQ(errors.size(), 4u);  // bad sizes, the two unusable controls, the shapeless handler
  std::vector<std::string> saveErrors;
  const Json saved = ToJson(form.Snapshot(saveErrors));
  const Json original = Json::parse(text);
  EXPECT_EQ(saved["comment"], "mine");
  EXPECT_EQ(saved["form"]["grid"], 8);
  EXPECT_EQ(saved["imageLists"]["bad"], original["imageLists"]["bad"]);
  EXPECT_EQ(saved["imageLists"]["good"]["note"], "x");
  ASSERT_EQ(saved["controls"].size(), 3u);
  EXPECT_EQ(saved["controls"][0], original["controls"][0]);  // in its place
  EXPECT_EQ(saved["controls"][1]["tag"], original["controls"][1]["tag"]);
  EXPECT_EQ(saved["controls"][1]["properties"]["Captoin"], "typo");
  EXPECT_EQ(saved["controls"][1]["properties"]["Caption"], "B");
  EXPECT_EQ(saved["controls"][2], original["controls"][2]);
  EXPECT_EQ(saved["handlers"]["nodot"], Json::array());
  EXPECT_EQ(saved["handlers"]["b.Click"], original["handlers"]["b.Click"]);
}

}  // namespace
}  // namespace vorn
