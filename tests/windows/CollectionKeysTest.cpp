// Keys of the item collections in the Windows build: folded by the system's case mappings (upper
// then lower case) in place of libunistring, so letters of every script still match.
#include <string>
#include <string_view>

#include "Check.h"
#include "foundation/CaseFold.h"
#include "foundation/Collection.h"
#include "foundation/Font.h"
#include "foundation/RuntimeError.h"

namespace {

// Whether a second Add with key b fails as a duplicate of a first with key a.
bool SameKey(const std::string& a, const std::string& b) {
  vorn::Collection c;
  c.Add(vorn::MakeRef<vorn::Font>("first", 8.0f), a);
  try {
    c.Add(vorn::MakeRef<vorn::Font>("second", 8.0f), b);
  } catch (const vorn::RuntimeError& e) {
    return e.Number() == vorn::errKeyAlreadyAssociated;
  }
  return false;
}

}  // namespace

int main() {
  std::string longUpper, longLower;
  for (int i = 0; i < 300; ++i) {
    longUpper += "\xC3\x84";  // Ä, folded beyond the inline buffer
    longLower += "\xC3\xA4";  // ä
  }
  CHECK(SameKey("Open", "OPEN"));
  CHECK(SameKey("\xC5\xA0", "\xC5\xA1"));                                                  // Š š
  CHECK(SameKey("\xCE\xA9", "\xCF\x89"));                                                  // Ω ω
  CHECK(SameKey("\xCE\x9F\xCE\x94\xCE\x9F\xCE\xA3", "\xCE\xBF\xCE\xB4\xCE\xBF\xCF\x82"));  // ΟΔΟΣ οδος
  CHECK(SameKey("\xE2\x84\xAA", "k"));                                                     // the Kelvin sign
  CHECK(SameKey(longUpper, longLower));
  CHECK(!SameKey(longUpper + "x", longLower));
  CHECK(SameKey("AB\xFF", "ab\xFF"));  // not UTF-8: its ASCII letters fold
  CHECK(!SameKey("\xC3", "\xE3"));
  CHECK(!SameKey("\xC3\xA9", "e\xCC\x81"));  // é and e with a combining accent: no normalisation
  CHECK(SameKey("\xC7\x85", "\xC7\x86"));  // ǅ ǆ
  // One character to one: unlike the full folding on Linux, "ß" does not become "ss".
  CHECK(!SameKey("STRASSE", "stra\xC3\x9F" "e"));
  // Keys of ASCII alone fold by a table: it must give each character what the system's mappings do.
  for (int ch = 0; ch < 128; ++ch) {
    const std::string ascii(1, static_cast<char>(ch));
    char mapped[8];
    const size_t n = vorn::FoldUnicodeCase(ascii, mapped, sizeof mapped);
    CHECK_MSG(n != vorn::kNotUtf8 && vorn::FoldedKey(ascii).View() == std::string_view(mapped, n), std::to_string(ch));
  }
  CHECK(SameKey("abc\xC3\x84", "ABC\xC3\xA4"));  // abcÄ ABCä
  vorn::Collection c;
  c.Add(vorn::MakeRef<vorn::Font>("omega", 8.0f), "\xCE\xA9mega");
  CHECK(c.Find("\xCF\x89MEGA") != nullptr);
  return wintest::Finish("collection_keys_test");
}
