// Handlers and scripts that would recurse without end, nest without end or wait for hours: each
// ends with an error that states its limit, and the script goes on.
#include <gtest/gtest.h>

#include <algorithm>

#include "host/form/Form.h"

namespace vorn {
namespace {

struct Loaded {
  HeadlessHost host;
  std::vector<std::string> errors;
  std::vector<std::string> output;
  std::unique_ptr<Form> form;
  explicit Loaded(const std::string& handlers) {
    const std::string text = R"({ "vornform": 1, "form": { "name": "F", "width": 300, "height": 150 }, "controls": [
      { "class": "vornButton2.vornButton", "name": "b", "left": 10, "top": 10, "width": 80, "height": 30 },
      { "class": "vornButton2.vornSlider", "name": "s", "left": 10, "top": 50, "width": 180, "height": 41 } ],
      "handlers": { )" + handlers + " } }";
    FormDocument doc = ParseFormDocument(text, "d.json", errors);
    host.SetNoteSink([this](const std::string& l) { output.push_back(l); });
    form = std::make_unique<Form>(host, std::move(doc), [this](const std::string& l) { output.push_back(l); }, errors);
  }
  int Count(const std::string& fragment) const {
    return static_cast<int>(std::count_if(output.begin(), output.end(),
                                          [&](const std::string& l) { return l.find(fragment) != std::string::npos; }));
  }
};

TEST(RunawayHandlers, HandlersThatRaiseTheirOwnEventEndWithOutOfStackSpace) {
  struct Case {
    const char* handlers;
    const char* script;
    const char* error;  // the line that reports it
  };
  const Case cases[] = {
      {R"("b.Click": [ "click 20 20" ])", "click 20 20",
       "error: b: Out of stack space: event handling nested deeper than 40 levels (28)"},
      {R"("s.ValueChange": [ "let s.Value 1", "let s.Value 2" ])", "let s.Value 3",
       "error: s.Value: Out of stack space: event handling nested deeper than 40 levels (28)"},
      // Two moves a handler: below the depth limit they would run 2^40 times.
      {R"("b.MouseMove": [ "move 20 20", "move 21 21" ])", "move 30 20",
       "error: b: Out of stack space: event handlers ran 1000 times within one event (28)"},
      {R"("b.KeyDown": [ "key down 65" ])", "focus b\nkey down 66",
       "error: b: Out of stack space: event handling nested deeper than 40 levels (28)"},
  };
  for (const Case& c : cases) {
    Loaded l(c.handlers);
    ASSERT_TRUE(l.errors.empty()) << l.errors[0];
    l.form->RunScript(ParseScript(std::string(c.script) + "\necho after", "s.txt"));
    EXPECT_GE(l.Count(c.error), 1) << c.handlers;
    ASSERT_FALSE(l.output.empty());
    EXPECT_EQ(l.output.back(), "after") << c.handlers;
    EXPECT_EQ(l.host.Nesting(), 0);
  }
}

TEST(RunawayScripts, DeepNestingBadTextAndTooManyCommandsAreSyntaxErrors) {
  auto fails = [](const std::string& text) {
    try {
      ParseScript(text, "s.txt");
    } catch (const ScriptError& e) {
      return std::string(e.what());
    }
    return std::string();
  };
  EXPECT_EQ(fails("let b.Caption " + std::string(101, '[') + std::string(101, ']')),
            "s.txt:1: brackets and parentheses nest deeper than 100 levels");
  EXPECT_EQ(fails("call b.Move" + std::string(101, '(') + std::string(101, ')')),
            "s.txt:1: brackets and parentheses nest deeper than 100 levels");
  EXPECT_EQ(fails("let b.Caption " + std::string(100, '[') + std::string(100, ']')), "");
  EXPECT_EQ(fails("type \"a\xff\""), "s.txt:1: the text of \"type\" is not valid UTF-8");
  EXPECT_EQ(fails("type \"" + std::string(100000, 'x') + "\"\ntype \"" + std::string(100001, 'x') + "\""),
            "s.txt:2: the script holds more than 200000 commands (each clicked or typed step counts)");
}

TEST(RunawayScripts, ATickThatWouldFireTimersTooOftenIsRefusedAndAnIdleOneIsInstant) {
  Loaded l("");
  const int failures = l.form->RunScript(ParseScript("tick 100000000\nmove 20 20\ntick 100000000\ntick 1000", "s.txt"));
  EXPECT_EQ(failures, 1);
  EXPECT_EQ(l.host.Clock().Now(), 100001000u);  // the idle tick passed at once; the refused one not at all
  EXPECT_EQ(l.Count("error: tick 100000000: the running timers would fire 100000000 times; one tick may fire "
                    "them 100000 times at most (the clock did not move)"),
            1);
}

}  // namespace
}  // namespace vorn
