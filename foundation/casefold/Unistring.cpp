// Case folding of collection keys on Linux: libunistring's full Unicode case folding.
#include <unicase.h>
#include <unistr.h>

#include <cstdlib>
#include <new>

#include "foundation/CaseFold.h"

namespace vorn {

size_t FoldUnicodeCase(std::string_view utf8, char* out, size_t capacity) {
  const auto* s = reinterpret_cast<const uint8_t*>(utf8.data());
  if (u8_check(s, utf8.size()) != nullptr) return kNotUtf8;
  size_t length = capacity;
  uint8_t* folded = u8_casefold(s, utf8.size(), nullptr, nullptr, reinterpret_cast<uint8_t*>(out), &length);
  if (!folded) throw std::bad_alloc();  // valid input fails only for want of memory
  if (folded != reinterpret_cast<uint8_t*>(out)) std::free(folded);  // it did not fit: length says how much
  return length;
}

}  // namespace vorn
