#include "foundation/CaseFold.h"

#include <algorithm>

namespace vorn {

namespace {
char LowerAscii(char c) noexcept { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }
}  // namespace

FoldedKey::FoldedKey(std::string_view key) {
  // Most keys are ASCII: folding them is lower-casing, which every platform's folding agrees with.
  const bool ascii = std::all_of(key.begin(), key.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  size_t n = ascii ? key.size() : FoldUnicodeCase(key, inline_, kInline);
  if (ascii || n == kNotUtf8) {
    n = key.size();
    char* out = inline_;
    if (n > kInline) {
      heap_.resize(n);
      out = heap_.data();
    }
    std::transform(key.begin(), key.end(), out, LowerAscii);
    data_ = out;
  } else if (n > kInline) {
    heap_.resize(n);
    n = FoldUnicodeCase(key, heap_.data(), n);
    data_ = heap_.data();
  }
  size_ = n;
}

}  // namespace vorn
