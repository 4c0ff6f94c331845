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

// Each entry keeps the keys this program does not read (unknown), as written, so that saving a
// document loses nothing of it.

struct ImageListSpec {
  std::string name;
  int32_t imageWidth = 16;
  int32_t imageHeight = 16;
  std::vector<std::string> images;  // paths relative to the document
  Json unknown = Json::object();
};

struct ControlSpec {
  std::string cls;   // programmatic identifier, "vornButton2.vornButton"
  std::string name;
  int32_t left = 0, top = 0, width = 0, height = 0;  // client pixels of the form
  bool stored = false;                               // has a properties object
  Json properties = Json::object();
  Json unknown = Json::object();
};

struct FormSpec {
  std::string name = "Form1";
  std::string caption;
  int32_t left = 0, top = 0, width = 480, height = 320;  // screen pixels
  Color backColor = 0xF0F0F0;
  FontSpec font;
  Json unknown = Json::object();
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
  /// The file it was read from ("" when it was parsed from text).
  std::string source;
  /// Entries skipped at load (each reported), kept as written: a control with the position it
  /// had in "controls", image lists and handlers by name. Saving writes them back.
  std::vector<std::pair<size_t, Json>> unreadControls;
  Json unreadImageLists = Json::object();
  Json unreadHandlers = Json::object();
  Json unknown = Json::object();  // top-level keys this program does not read
};

/// A document that cannot be read at all (broken JSON, not a form document).
class DocumentError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

/// Parses a document. Fatal faults throw DocumentError naming file, line and column; a fault in
/// one control, image list or handler is added to errors (one line each, naming it) and that
/// entry skipped (and kept, as written, for saving).
FormDocument ParseFormDocument(const std::string& text, const std::string& file, std::vector<std::string>& errors);
/// Reads a document from a regular file of at most limits::kDocumentBytes.
FormDocument LoadFormDocument(const std::string& path, std::vector<std::string>& errors);

Json ToJson(const FormDocument& doc);
/// Writes the document atomically (ReplaceUserFile); throws FileError naming the file.
void SaveFormDocument(const FormDocument& doc, const std::string& path);

Json FontToJson(const FontSpec& f);
FontSpec FontFromJson(const Json& j);  // throws std::runtime_error on a bad entry

}  // namespace vorn
