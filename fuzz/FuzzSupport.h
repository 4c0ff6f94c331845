#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "host/form/Form.h"

namespace vorn::fuzz {

/// A folder of this process's own, removed at exit: the only place the targets write to. It holds
/// generated pictures (icon16.png, icon32.png, wide.png) that documents can name.
const std::string& Sandbox();

/// A picture with a pattern of colours and alphas, w x h.
Ref<Picture> MakePicture(int32_t w, int32_t h, uint32_t seed);

/// Script lines as a document holds them (onLoad, handlers), with every line that would write a
/// file pointed into the sandbox instead: fuzzed paths must not reach the machine's files.
std::vector<std::string> SandboxedLines(const std::vector<std::string>& lines);
/// The same for parsed commands.
void SandboxOutputs(std::vector<ScriptCommand>& commands);

/// Reads the fuzzer's bytes in order; past the end every read gives zero.
class Bytes {
 public:
  Bytes(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  bool Empty() const noexcept { return at_ >= size_; }
  uint8_t Byte() noexcept { return at_ < size_ ? data_[at_++] : 0; }
  uint16_t U16() noexcept { return static_cast<uint16_t>(Byte() | (Byte() << 8)); }
  uint32_t U32() noexcept { return U16() | (uint32_t{U16()} << 16); }
  std::string Text(size_t most) {
    const size_t n = std::min<size_t>(Byte() % (most + 1), size_ - std::min(at_, size_));
    std::string s(reinterpret_cast<const char*>(data_ + at_), n);
    at_ += n;
    return s;
  }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t at_ = 0;
};

}  // namespace vorn::fuzz
