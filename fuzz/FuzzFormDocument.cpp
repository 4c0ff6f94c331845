// Any bytes as a form document: parsing reports faults instead of failing, and whatever loads can
// be brought to life, saved and parsed again.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "host/form/Form.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  std::vector<std::string> errors;
  vorn::FormDocument doc;
  try {
    doc = vorn::ParseFormDocument(text, "fuzz.json", errors);
  } catch (const vorn::DocumentError&) {
    return 0;
  }
  if (doc.controls.size() > 32) return 0;  // keep each run short
  vorn::HeadlessHost host;
  vorn::Form form(host, doc, nullptr, errors);
  std::vector<std::string> saveErrors;
  const std::string saved = vorn::ToJson(form.Snapshot(saveErrors)).dump();
  std::vector<std::string> again;
  (void)vorn::ParseFormDocument(saved, "saved.json", again);
  return 0;
}
