#pragma once
#include <algorithm>
#include <charconv>
#include <cstdint>
#include <string_view>

namespace vorn {

/// The decimal text of a Long, optionally followed by a short suffix, kept in the object itself:
/// labels and captions are rebuilt on every repaint, which must not allocate.
class DecimalText {
 public:
  explicit DecimalText(int32_t value, std::string_view suffix = {}) noexcept {
    char* end = std::to_chars(buf_, buf_ + 11, value).ptr;
    const size_t room = static_cast<size_t>(buf_ + sizeof buf_ - end);
    end = std::copy_n(suffix.data(), std::min(suffix.size(), room), end);
    size_ = static_cast<size_t>(end - buf_);
  }
  std::string_view View() const noexcept { return {buf_, size_}; }
  operator std::string_view() const noexcept { return View(); }

 private:
  char buf_[24];
  size_t size_;
};

}  // namespace vorn
