// Case folding of collection keys on Windows: the system's linguistic case mappings (upper case,
// then lower case, in the invariant locale), between the keys' UTF-8 and the system's UTF-16.
// Linguistic: the plain (file system) mappings leave letters such as "ς" and the Kelvin sign alone.
#include <windows.h>

#include <new>
#include <string>
#include <utility>

#include "foundation/CaseFold.h"

namespace vorn {

namespace {
// UTF-16 text in a buffer of its own, on the stack up to kInline units.
class Wide {
 public:
  wchar_t* Reserve(size_t n) {
    if (n <= kInline) return inline_;
    heap_.resize(n);
    return heap_.data();
  }

 private:
  static constexpr size_t kInline = 256;
  wchar_t inline_[kInline];
  std::wstring heap_;
};
}  // namespace

size_t FoldUnicodeCase(std::string_view utf8, char* out, size_t capacity) {
  if (utf8.empty()) return 0;
  const int bytes = static_cast<int>(utf8.size());
  const int units = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), bytes, nullptr, 0);
  if (units <= 0) return kNotUtf8;
  Wide text, upper, lower;
  wchar_t* w = text.Reserve(static_cast<size_t>(units));
  MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), bytes, w, units);
  // Each mapping is asked for its length first, then done.
  auto map = [](DWORD how, const wchar_t* from, int n, Wide& to) -> std::pair<wchar_t*, int> {
    const int needed = LCMapStringEx(LOCALE_NAME_INVARIANT, how, from, n, nullptr, 0, nullptr, nullptr, 0);
    if (needed <= 0) throw std::bad_alloc();  // the mappings fail only when the system is out of resources
    wchar_t* dest = to.Reserve(static_cast<size_t>(needed));
    if (LCMapStringEx(LOCALE_NAME_INVARIANT, how, from, n, dest, needed, nullptr, nullptr, 0) != needed) {
      throw std::bad_alloc();
    }
    return {dest, needed};
  };
  const auto [u, un] = map(LCMAP_UPPERCASE | LCMAP_LINGUISTIC_CASING, w, units, upper);
  const auto [l, ln] = map(LCMAP_LOWERCASE | LCMAP_LINGUISTIC_CASING, u, un, lower);
  const int length = WideCharToMultiByte(CP_UTF8, 0, l, ln, nullptr, 0, nullptr, nullptr);
  if (length <= 0) throw std::bad_alloc();
  if (static_cast<size_t>(length) <= capacity) {
    WideCharToMultiByte(CP_UTF8, 0, l, ln, out, length, nullptr, nullptr);
  }
  return static_cast<size_t>(length);
}

}  // namespace vorn
