#pragma once
#include <cstddef>
#include <string_view>

namespace vorn {

/// Where text first opens a bracket deeper than maxDepth (counting the openers given, outside
/// double-quoted strings), or npos. Deeply nested JSON is parsed, copied and freed recursively,
/// so documents and script lines are checked with this before they are parsed.
size_t FindTooDeep(std::string_view text, int maxDepth, std::string_view openers = "[{",
                   std::string_view closers = "]}") noexcept;

}  // namespace vorn
