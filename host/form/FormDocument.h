#pragma once
#include <nlohmann/json.hpp>
#include <stdexcept>
#include <string>
#include <vector>

#include "foundation/Color.h"

namespace vorn {

using Json = nlohmann::ordered_json;

struct FontSpec {
  std::string name = "DejaVu Sans";
  float size = 8.0f;
  bool bold = false;
  bool italic = false;
};

struct ImageListSpec {
  std::string name;
  int32_t imageWidth = 16;
  int32_t imageHeight = 16;
  std::vector<std::string> images;  // paths relative to the document
};

struct ControlSpec {
  std::string cls;   // programmatic identifier, "vornButton2.vornButton"
  std::string name;
  int32_t left = 0, top = 0, width = 0, height = 0;  // client pixels of the form
  bool stored = false;                               // has a properties object
  Json properties = Json::object();
};

struct FormSpec {
  std::string name = "Form1";
  std::string caption;
  int32_t left = 0, top = 0, width = 480, height = 320;  // screen pixels
  Color backColor = 0xF0F0F0;
  FontSpec font;
};

/// A form document: the form, its image lists, its controls and the script lines run on load.
struct FormDocument {
  FormSpec form;
  std::vector<ImageListSpec> imageLists;
  std::vector<ControlSpec> controls;
  std::vector<std::string> onLoad;
  /// Script lines run when a control raises an event, keyed "NAME.Event", in document order.
  std::vector<std::pair<std::string, std::vector<std::string>>> handlers;
  std::string baseDir = ".";  // image paths are relative to it
};

/// A document that cannot be read at all (broken JSON, not a form document).
class DocumentError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

/// Parses a document. Fatal faults throw DocumentError naming file, line and column; a fault in
/// one control or image list is added to errors (one line each, naming it) and that entry skipped.
FormDocument ParseFormDocument(const std::string& text, const std::string& file, std::vector<std::string>& errors);
FormDocument LoadFormDocument(const std::string& path, std::vector<std::string>& errors);

Json ToJson(const FormDocument& doc);
/// Writes the document atomically: a temporary file beside it, renamed over it.
void SaveFormDocument(const FormDocument& doc, const std::string& path);
/// Writes text to a file atomically; throws std::runtime_error naming the file.
void WriteFileAtomically(const std::string& path, const std::string& text);

Json FontToJson(const FontSpec& f);
FontSpec FontFromJson(const Json& j);  // throws std::runtime_error on a bad entry

}  // namespace vorn
