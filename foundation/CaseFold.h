#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace vorn {

/// The case folding that keys of the item collections are compared by: two keys are the same
/// key when their foldings are equal. ASCII letters fold to lower case everywhere. Other text is
/// folded by the platform: on Linux with the full Unicode case folding of libunistring (so "Š"
/// and "š", "Ω" and "ω", "ΟΔΟΣ" and "οδος", "STRASSE" and "straße" are one key each); on Windows
/// with the system's linguistic case mappings, upper then lower case, one character to one, which
/// agree but where folding changes a length or keeps a letter apart ("ß" and "SS" stay two keys,
/// "ı" and "i" are one).
/// Text that is not valid UTF-8 has only its ASCII letters folded. Nothing is normalised: a
/// precomposed letter and the same letter with a combining accent are two keys.
///
/// A key is folded into a buffer of its own, so that a lookup allocates nothing unless its
/// folding is longer than kInline bytes. A key of ASCII alone, as most are, is folded by a table
/// as it is copied, without asking the platform: the table gives each ASCII character what both
/// platforms' foldings give it.
class FoldedKey {
 public:
  explicit FoldedKey(std::string_view key);
  FoldedKey(const FoldedKey&) = delete;
  FoldedKey& operator=(const FoldedKey&) = delete;

  std::string_view View() const noexcept { return {data_, size_}; }

  static constexpr size_t kInline = 256;

 private:
  char inline_[kInline];
  std::string heap_;
  const char* data_ = inline_;
  size_t size_ = 0;
};

/// The platform's folding of text that is not all ASCII, into out (capacity bytes). Returns the
/// length of the folding, larger than capacity when it did not fit (out then holds nothing of
/// use), or kNotUtf8 when the text is not valid UTF-8. One definition per platform, in
/// foundation/casefold.
size_t FoldUnicodeCase(std::string_view utf8, char* out, size_t capacity);
inline constexpr size_t kNotUtf8 = static_cast<size_t>(-1);

}  // namespace vorn
