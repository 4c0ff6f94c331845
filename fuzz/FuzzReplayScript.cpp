// Any bytes as a replay script: a syntax fault is a ScriptError naming the line, nothing else.
#include <cstddef>
#include <cstdint>
#include <string>

#include "host/headless/ReplayScript.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  try {
    (void)vorn::ParseScript(text, "fuzz.txt");
  } catch (const vorn::ScriptError&) {
  }
  return 0;
}
