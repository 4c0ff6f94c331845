#include "FuzzSupport.h"

#include <stdlib.h>

#include <cstdlib>
#include <filesystem>

#include "host/raster/Png.h"

namespace vorn::fuzz {

namespace {
void RemoveSandbox() {
  std::error_code ec;
  std::filesystem::remove_all(Sandbox(), ec);
}
}  // namespace

const std::string& Sandbox() {
  static const std::string dir = [] {
    std::string pattern = (std::filesystem::temp_directory_path() / "vornfuzz-XXXXXX").string();
    if (!mkdtemp(pattern.data())) std::abort();
    WritePicturePng(*MakePicture(16, 16, 1), pattern + "/icon16.png");
    WritePicturePng(*MakePicture(32, 32, 2), pattern + "/icon32.png");
    WritePicturePng(*MakePicture(300, 2, 3), pattern + "/wide.png");
    return pattern;
  }();
  static const bool cleanup = std::atexit(RemoveSandbox) == 0;
  (void)cleanup;
  return dir;
}

Ref<Picture> MakePicture(int32_t w, int32_t h, uint32_t seed) {
  std::vector<uint32_t> px(static_cast<size_t>(w) * static_cast<size_t>(h));
  for (size_t i = 0; i < px.size(); ++i) {
    const uint32_t v = static_cast<uint32_t>(i) * 2654435761u + seed * 40503u;
    px[i] = (v & 0xFFFFFF) | ((i % 3 == 0 ? 0xFFu : (v >> 24)) << 24);
  }
  return MakeRef<Picture>(w, h, std::move(px));
}

void SandboxOutputs(std::vector<ScriptCommand>& commands) {
  for (ScriptCommand& c : commands) {
    if (c.kind == ScriptCommand::Snapshot) c.text = Sandbox() + "/out.png";
    if (c.kind == ScriptCommand::Save) c.text = Sandbox() + "/out.json";
  }
}

std::vector<std::string> SandboxedLines(const std::vector<std::string>& lines) {
  std::vector<std::string> out;
  for (const std::string& line : lines) {
    bool writes = false;
    try {
      // A line may hold several (a "\n" inside it): the form joins and parses them the same way.
      for (const ScriptCommand& c : ParseScript(line, "line")) {
        writes = writes || c.kind == ScriptCommand::Snapshot || c.kind == ScriptCommand::Save;
      }
    } catch (const ScriptError&) {
    }
    out.push_back(writes ? "save " + Sandbox() + "/out.json" : line);
  }
  return out;
}

}  // namespace vorn::fuzz
