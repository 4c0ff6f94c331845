// Any bytes as a form document, optionally followed by a line "#png" and the bytes of a picture
// the document can name as "fuzz.png" (beside it: icon16.png, icon32.png, wide.png). Faults are
// reported, never crashes; whatever loads is brought to life, runs its onLoad lines, is drawn,
// and saved; the saved text must read again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstdio>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "foundation/files/UserFile.h"

using namespace vorn;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  const std::string picture = fuzz::Sandbox() + "/fuzz.png";
  std::remove(picture.c_str());
  if (const size_t cut = text.find("\n#png\n"); cut != std::string::npos) {
    ReplaceUserFile(picture, std::string_view(text).substr(cut + 6));
    text.resize(cut);
  }
  std::vector<std::string> errors;
  FormDocument doc;
  try {
    doc = ParseFormDocument(text, fuzz::Sandbox() + "/fuzz.json", errors);
  } catch (const DocumentError&) {
    return 0;
  }
  if (doc.controls.size() > 32) return 0;  // keep each run short
  doc.onLoad = fuzz::SandboxedLines(doc.onLoad);
  for (auto& [key, lines] : doc.handlers) lines = fuzz::SandboxedLines(lines);
  {
    HeadlessHost host;
    Form form(host, doc, nullptr, errors);
    form.RunOnLoad(errors);
    (void)host.Snapshot(form.SnapshotArea());
    std::vector<std::string> saveErrors;
    const std::string saved = ToJson(form.Snapshot(saveErrors)).dump(2);
    std::vector<std::string> again;
    try {
      (void)ParseFormDocument(saved, fuzz::Sandbox() + "/saved.json", again);
    } catch (const DocumentError& e) {
      std::fprintf(stderr, "a saved document does not read again: %s\n", e.what());
      std::abort();
    }
  }
  return 0;
}
