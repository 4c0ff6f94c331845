// Screenshot tests of the example forms: each picture must match its golden picture in
// tests/golden/ pixel for pixel (see docs/screenshot-tests.md for accepting a new one).
#include <gtest/gtest.h>

#include <algorithm>

#include "host/form/Form.h"
#include "support/Golden.h"
#include "support/VornformCli.h"

namespace vorn::test {
namespace {

struct GoldenCase {
  const char* golden;
  const char* form;
  const char* script;  // run after onLoad, before the picture
  friend void PrintTo(const GoldenCase& c, std::ostream* os) { *os << c.golden; }
};

struct GoldenPicture : testing::TestWithParam<GoldenCase> {};

TEST_P(GoldenPicture, MatchesTheCommittedPicture) {
  const GoldenCase& c = GetParam();
  std::vector<std::string> errors;
  HeadlessHost host;
  Form form(host, LoadFormDocument(Example(c.form), errors), [](const std::string&) {}, errors);
  form.RunOnLoad(errors);
  EXPECT_EQ(form.RunScript(ParseScript(c.script, c.golden)), 0);
  ASSERT_TRUE(errors.empty()) << errors.front();
  EXPECT_TRUE(MatchesGolden(host.Snapshot(form.SnapshotArea()), c.golden));
}

INSTANTIATE_TEST_SUITE_P(ExampleForms, GoldenPicture,
                         testing::Values(GoldenCase{"button-form", "button.json", ""},
                                         GoldenCase{"button-hot-and-pressed", "button.json",
                                                    "move 40 25\ntick 2\nmove 160 25\ndown\ntick 2"},
                                         GoldenCase{"progress-form", "progress.json", ""},
                                         GoldenCase{"slider-form", "slider.json", ""}),
                         [](const testing::TestParamInfo<GoldenCase>& p) {
                           std::string name = p.param.golden;
                           std::replace(name.begin(), name.end(), '-', '_');
                           return name;
                         });

}  // namespace
}  // namespace vorn::test
