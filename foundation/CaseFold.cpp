#include "foundation/CaseFold.h"

#include <array>

namespace vorn {

namespace {
// The folding of each byte of a key that is all ASCII or not UTF-8: ASCII capitals to small
// letters, every other byte as it is. For ASCII it is what the full Unicode case folding and
// Windows' case mappings give each character (a test compares every one with the platform's).
constexpr std::array<char, 256> kByteFold = [] {
  std::array<char, 256> fold{};
  for (int c = 0; c < 256; ++c) fold[static_cast<size_t>(c)] = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
  return fold;
}();
}  // namespace

FoldedKey::FoldedKey(std::string_view key) {
  // Most keys are ASCII: each byte is folded by the table as it is copied, and a key with any
  // other byte is folded again by the platform.
  char* out = inline_;
  if (key.size() > kInline) {
    heap_.resize(key.size());
    out = heap_.data();
  }
  unsigned char bytes = 0;  // every byte or'ed: bit 7 set when one is not ASCII
  for (size_t i = 0; i < key.size(); ++i) {
    const auto c = static_cast<unsigned char>(key[i]);
    out[i] = kByteFold[c];
    bytes |= c;
  }
  data_ = out;
  size_ = key.size();
  if (bytes < 0x80) return;
  const size_t n = FoldUnicodeCase(key, inline_, kInline);
  if (n == kNotUtf8) return;  // only its ASCII letters fold: the table's folding stands
  if (n <= kInline) {
    data_ = inline_;
    size_ = n;
    return;
  }
  heap_.resize(n);
  size_ = FoldUnicodeCase(key, heap_.data(), n);
  data_ = heap_.data();
}

}  // namespace vorn
