// docs/limits.md states every limit the hosts hold, with the numbers the code uses.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "foundation/Limits.h"

namespace vorn {
namespace {

TEST(LimitsPage, StatesEveryNumberOfHostLimits) {
  std::ifstream in(std::string(VORN_SOURCE_DIR) + "/docs/limits.md");
  std::ostringstream text;
  text << in.rdbuf();
  const std::string page = text.str();
  ASSERT_FALSE(page.empty());
  const std::pair<const char*, uint64_t> limits[] = {
      {"document bytes", limits::kDocumentBytes}, {"script bytes", limits::kScriptBytes},
      {"image bytes", limits::kImageBytes},       {"registry bytes", limits::kRegistryBytes},
      {"picture pixels", limits::kPicturePixels}, {"script commands", limits::kScriptCommands},
      {"JSON depth", limits::kJsonDepth},         {"nested events", limits::kNestedEvents},
      {"handler runs", limits::kHandlerRuns},     {"position", limits::kPosition},
      {"size", limits::kSize},                    {"window side", limits::kWindowSide},
      {"window pixels", limits::kWindowPixels},   {"timer firings", limits::kTimerFiringsPerTick},
  };
  for (const auto& [what, value] : limits) {
    EXPECT_NE(page.find(std::to_string(value)), std::string::npos) << what << " " << value;
  }
}

}  // namespace
}  // namespace vorn
