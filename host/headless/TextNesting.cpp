#include "host/headless/TextNesting.h"

namespace vorn {

size_t FindTooDeep(std::string_view text, int maxDepth, std::string_view openers,
                   std::string_view closers) noexcept {
  int depth = 0;
  bool inString = false;
  for (size_t i = 0; i < text.size(); ++i) {
    const char ch = text[i];
    if (inString) {
      if (ch == '\\') {
        ++i;
      } else if (ch == '"') {
        inString = false;
      }
    } else if (ch == '"') {
      inString = true;
    } else if (openers.find(ch) != std::string_view::npos) {
      if (++depth > maxDepth) return i;
    } else if (closers.find(ch) != std::string_view::npos && depth > 0) {
      --depth;
    }
  }
  return std::string_view::npos;
}

}  // namespace vorn
