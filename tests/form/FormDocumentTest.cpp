#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "controls/button/vornButton.h"
#include "host/form/Form.h"

namespace vorn {
namespace {

std::string Doc(const std::string& controls, const std::string& extra = "") {
  return R"({ "vornform": 1, "form": { "name": "F", "width": 300, "height": 200 }, )" + extra +
         R"( "controls": [ )" + controls + " ] }";
}

struct Loaded {
  HeadlessHost host;
  std::vector<std::string> errors;
  std::vector<std::string> output;
  std::unique_ptr<Form> form;
  explicit Loaded(const std::string& text, const std::string& file = "test.json") {
    FormDocument doc = ParseFormDocument(text, file, errors);
    form = std::make_unique<Form>(host, std::move(doc), [this](const std::string& l) { output.push_back(l); }, errors);
  }
};

TEST(FormDocument, BrokenJsonNamesFileLineAndColumn) {
  std::vector<std::string> errors;
  try {
    ParseFormDocument("{ \"vornform\": 1,\n  \"form\": { \"name\": }\n}", "bad.json", errors);
    FAIL();
  } catch (const DocumentError& e) {
    EXPECT_EQ(std::string(e.what()).rfind("bad.json:2:", 0), 0u) << e.what();
    EXPECT_NE(std::string(e.what()).find(": broken JSON: syntax error while parsing value"), std::string::npos)
        << e.what();
  }
  EXPECT_THROW(ParseFormDocument("[1, 2]", "x.json", errors), DocumentError);
  // A number too large to hold is a fault of the document, not of the program.
  EXPECT_THROW(ParseFormDocument(R"({"vornform": 1, "form": {"width": 1e999999}})", "x.json", errors), DocumentError);
  EXPECT_THROW(ParseFormDocument(R"({"vornform": 2})", "x.json", errors), DocumentError);
}

TEST(FormDocument, AWrongPropertyTypeIsOneLineAndTheOtherControlsLoad) {
  Loaded l(Doc(R"({ "class": "vornButton2.vornButton", "name": "a", "properties": { "BackColor": "red", "Caption": "A" } },
                  { "class": "vornButton2.vornButton", "name": "b", "properties": { "ImageIndex": 40000 } },
                  { "class": "vornButton2.vornNothing", "name": "c" },
                  { "class": "vornButton2.vornButton", "name": "d" })"));
  ASSERT_EQ(l.errors.size(), 3u);
  EXPECT_EQ(l.errors[0], "F: control a: property \"BackColor\": Type mismatch (13)");
  EXPECT_EQ(l.errors[1], "F: control b: property \"ImageIndex\": Overflow (6)");
  EXPECT_EQ(l.errors[2], "F: control c: unknown class \"vornButton2.vornNothing\"");
  auto* a = dynamic_cast<vornButton*>(l.form->FindControl("a"));
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(a->get_Caption(), "A");
  EXPECT_EQ(a->get_BackColor(), 0xFFFFFFu);
  EXPECT_NE(l.form->FindControl("d"), nullptr);
  EXPECT_EQ(l.form->FindControl("c"), nullptr);
}

TEST(FormDocument, StructuralFaultsSkipOnlyTheirEntry) {
  Loaded l(Doc(R"({ "class": "vornButton2.vornButton" },
                  { "class": "vornButton2.vornButton", "name": "ok", "width": "wide" },
                  { "class": "vornButton2.vornButton", "name": "fine" },
                  { "class": "vornButton2.vornButton", "name": "fine" })",
               R"("imageLists": { "broken": 5, "icons": { "images": ["nowhere.png"] } },)"));
  ASSERT_EQ(l.errors.size(), 5u);
  EXPECT_EQ(l.errors[0], "test.json: image list \"broken\": must be an object");
  EXPECT_EQ(l.errors[1], "test.json: control #1: has no \"name\"");
  EXPECT_EQ(l.errors[2], "test.json: control ok: \"width\" must be a whole number");
  EXPECT_EQ(l.errors[3], "test.json: control fine: has the same name as an earlier control");
  EXPECT_NE(l.errors[4].find("nowhere.png"), std::string::npos);
  EXPECT_NE(l.form->FindControl("fine"), nullptr);
  ASSERT_TRUE(l.form->FindImageList("icons"));
  EXPECT_EQ(l.form->FindImageList("icons")->Count(), 1);  // the missing picture keeps its place
}

TEST(FormDocument, UnknownImageListIsReportedAndTheButtonKeepsNone) {
  Loaded l(Doc(R"({ "class": "vornButton2.vornButton", "name": "a",
                    "properties": { "ImageList": { "imageList": "nope" }, "ImageIndex": 1 } })"));
  ASSERT_EQ(l.errors.size(), 1u);
  EXPECT_EQ(l.errors[0], "F: control a: property \"ImageList\": no image list named \"nope\" (13)");
}

TEST(FormSave, WritesOnlyValuesOtherThanTheDefaultsAndKeepsValuesThatFailedToLoad) {
  Loaded l(Doc(R"({ "class": "vornButton2.vornButton", "name": "a", "left": 5, "top": 6, "width": 70, "height": 20,
                    "properties": { "BackColor": "red", "Caption": "Hello", "Enabled": false } },
                  { "class": "vornButton2.vornButton", "name": "b" })"));
  std::vector<std::string> errors;
  FormDocument saved = l.form->Snapshot(errors);
  EXPECT_TRUE(errors.empty());
  const Json a = ToJson(saved)["controls"][0];
  EXPECT_EQ(a["left"], 5);
  EXPECT_EQ(a["width"], 70);
  EXPECT_EQ(a["properties"]["Caption"], "Hello");
  EXPECT_EQ(a["properties"]["Enabled"], false);
  EXPECT_EQ(a["properties"]["BackColor"], "red");  // not lost
  EXPECT_FALSE(a["properties"].contains("ForeColor"));
  EXPECT_FALSE(a["properties"].contains("Font"));
  const Json b = ToJson(saved)["controls"][1];
  EXPECT_TRUE(b["properties"].empty());  // the instance name equals the default caption
}

TEST(FormSave, IsAtomicAndReloadsToTheSameDocument) {
  const std::string dir = testing::TempDir() + "vornsave/";
  std::filesystem::create_directories(dir);
  const std::string path = dir + "form.json";
  Loaded l(Doc(R"({ "class": "vornButton2.vornButton", "name": "a",
                    "properties": { "Caption": "x", "Font": { "name": "DejaVu Sans", "size": 10, "bold": true } } })"));
  l.form->Save(path);
  EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
  std::vector<std::string> errors;
  FormDocument again = LoadFormDocument(path, errors);
  EXPECT_TRUE(errors.empty());
  EXPECT_EQ(again.controls[0].properties["Font"]["size"], 10.0);
  EXPECT_EQ(again.controls[0].properties["Font"]["bold"], true);
  // Saving into a folder that does not exist fails cleanly and leaves nothing behind.
  EXPECT_THROW(l.form->Save(dir + "missing/form.json"), std::runtime_error);
  EXPECT_FALSE(std::filesystem::exists(dir + "missing"));
}

TEST(FormReplay, PrintsEventsAndGetsAndReportsFailingMembers) {
  Loaded l(Doc(R"({ "class": "vornButton2.vornButton", "name": "b", "left": 10, "top": 10, "width": 100, "height": 30 })"));
  const auto script = ParseScript(R"(click 20 20
let b.Caption "Go"
get b.Caption
let b.BackColor "red"
get b.Nope
call b.Caption.Length
echo done)",
                                  "s.txt");
  EXPECT_EQ(l.form->RunScript(script), 3);
  const std::vector<std::string> expected{
      "b.MouseMove(0, 0, 10, 10)", "b.MouseDown(1, 0, 10, 10)", "b.Click()", "b.MouseUp(1, 0, 10, 10)",
      "b.Caption = \"Go\"", "error: b.BackColor: Type mismatch (13)",
      "error: b.Nope: Object doesn't support this property or method (438)",
      "error: b.Caption.Length: \"Caption\" is not an object (424)", "done"};
  EXPECT_EQ(l.output, expected);
}

TEST(ScriptSyntax, ErrorsNameFileAndLine) {
  auto fails = [](const std::string& text) {
    try {
      ParseScript(text, "s.txt");
    } catch (const ScriptError& e) {
      return std::string(e.what());
    }
    return std::string();
  };
  EXPECT_EQ(fails("move 1"), "s.txt:1: \"move\" takes 2 argument(s)");
  EXPECT_EQ(fails("# c\nfly 1 2"), "s.txt:2: unknown command \"fly\"");
  EXPECT_EQ(fails("let a.B(1 2"), "s.txt:1: \"let\" needs a path and a value");
  EXPECT_EQ(fails("get a.B(\"x\""), "s.txt:1: unbalanced parentheses in \"a.B(\"x\"\"");
  EXPECT_EQ(fails("tick -1"), "s.txt:1: MS must be a whole number in 0..100000000, not \"-1\"");
  EXPECT_EQ(fails("down sideways"), "s.txt:1: unknown mouse button \"sideways\" (left, right or middle)");
  EXPECT_EQ(fails("type abc"), "s.txt:1: \"type\" needs a double-quoted string");
  EXPECT_EQ(fails("get a.B(1e999999)"), "s.txt:1: argument 1e999999 is not a JSON literal");
  EXPECT_EQ(fails("let a.B 1e999999"), "s.txt:1: value 1e999999 is not a JSON literal");
  EXPECT_EQ(fails("call a.Add(\"x\", 1, \"y # z\")  # comment"), "");
}

TEST(ScriptSyntax, ClickAndTypeExpandSoPumpedHandlersSeeEachStep) {
  const auto cmds = ParseScript("click 3 4\ntype \"a\xc3\xa9\"", "s.txt");
  ASSERT_EQ(cmds.size(), 5u);
  EXPECT_EQ(cmds[0].kind, ScriptCommand::Move);
  EXPECT_EQ(cmds[1].kind, ScriptCommand::Down);
  EXPECT_EQ(cmds[2].kind, ScriptCommand::Up);
  EXPECT_EQ(cmds[3].x, 'a');
  EXPECT_EQ(cmds[4].x, 0xE9);  // e-acute in code page 1252
}

}  // namespace
}  // namespace vorn

namespace vorn {
namespace {

TEST(FormHandlers, RunTheirLinesWhenTheEventIsRaised) {
  Loaded l(R"({ "vornform": 1, "form": { "name": "F", "width": 300, "height": 200 },
    "controls": [ { "class": "vornButton2.vornButton", "name": "a", "left": 0, "top": 0, "width": 50, "height": 20 },
                  { "class": "vornButton2.vornButton", "name": "b", "left": 60, "top": 0, "width": 50, "height": 20 } ],
    "handlers": { "a.Click": [ "let b.Caption \"clicked\"", "get b.Caption" ], "a.KeyDown": [ "echo never" ] } })");
  EXPECT_TRUE(l.errors.empty());
  l.form->RunScript(ParseScript("click 10 10", "s"));
  // The handler runs inside the event, before the button goes on to MouseUp.
  const std::vector<std::string> tail(l.output.end() - 3, l.output.end());
  EXPECT_EQ(tail, (std::vector<std::string>{"a.Click()", "b.Caption = \"clicked\"", "a.MouseUp(1, 0, 10, 10)"}));
}

TEST(FormHandlers, BadHandlerLinesAreDocumentErrors) {
  Loaded l(R"({ "vornform": 1, "handlers": { "a.Click": [ "fly" ], "nodot": [] } })");
  ASSERT_EQ(l.errors.size(), 2u);
  EXPECT_EQ(l.errors[0], "test.json: handler \"nodot\": must be \"NAME.Event\": [script lines]");
  EXPECT_EQ(l.errors[1], "Form1: handler a.Click:1: unknown command \"fly\"");
}

}  // namespace
}  // namespace vorn

namespace vorn {
namespace {

TEST(ImageLists, ListImagesIsMadeOnceAndOutlivesItsListSafely) {
  auto list = MakeRef<ImageList>("icons", int16_t{16}, int16_t{16});
  list->Add(MakeRef<Picture>(1, 1, std::vector<uint32_t>{0xFF0000FF}));
  Ref<ListImages> images = list->get_ListImages();
  EXPECT_EQ(list->get_ListImages().get(), images.get());  // no new object per call (per repaint)
  EXPECT_EQ(images->get_Count(), 1);
  EXPECT_TRUE(images->Item(Variant(int16_t{1})));
  list = nullptr;  // the list goes while a host still holds its pictures collection
  EXPECT_EQ(images->get_Count(), 0);
  try {
    images->Item(Variant(int16_t{1}));
    FAIL();
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.Number(), errObjectRequired);
  }
}

}  // namespace
}  // namespace vorn
