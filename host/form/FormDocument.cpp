#include "host/form/FormDocument.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "foundation/Limits.h"
#include "foundation/files/UserFile.h"
#include "host/headless/TextNesting.h"

namespace vorn {

namespace {

std::string Where(const std::string& file, const std::string& text, size_t byte) {
  size_t line = 1, col = 1;
  for (size_t i = 0; i < byte && i < text.size(); ++i) {
    if (text[i] == '\n') {
      ++line;
      col = 1;
    } else {
      ++col;
    }
  }
  return file + ":" + std::to_string(line) + ":" + std::to_string(col);
}

// A whole number of a field within lo..hi. The reader keeps numbers beyond int64 as unsigned, so
// they are compared as such (18446744073709551615 is not -1).
int32_t Int(const Json& j, const char* key, int32_t fallback, int32_t lo = INT32_MIN, int32_t hi = INT32_MAX) {
  if (!j.contains(key)) return fallback;
  const Json& v = j.at(key);
  if (!v.is_number_integer()) throw std::runtime_error(std::string("\"") + key + "\" must be a whole number");
  const bool fits = v.is_number_unsigned() ? hi >= 0 && v.get<uint64_t>() <= static_cast<uint64_t>(hi)
                                           : v.get<int64_t>() >= lo && v.get<int64_t>() <= hi;
  if (!fits) {
    throw std::runtime_error(std::string("\"") + key + "\" is " + v.dump() + "; it must lie in " + std::to_string(lo) +
                             ".." + std::to_string(hi));
  }
  return static_cast<int32_t>(v.get<int64_t>());
}

std::string Str(const Json& j, const char* key, const std::string& fallback) {
  if (!j.contains(key)) return fallback;
  if (!j.at(key).is_string()) throw std::runtime_error(std::string("\"") + key + "\" must be a string");
  return j.at(key).get<std::string>();
}

// The keys of an entry this program does not read.
Json Unknown(const Json& entry, std::initializer_list<std::string_view> known) {
  Json out = Json::object();
  for (const auto& [key, value] : entry.items()) {
    if (std::find(known.begin(), known.end(), key) == known.end()) out[key] = value;
  }
  return out;
}

void AddUnknown(Json& entry, const Json& unknown) {
  for (const auto& [key, value] : unknown.items()) {
    if (!entry.contains(key)) entry[key] = value;
  }
}

// Names that a replay path or a focus command can name: letters, digits and underscores.
bool ReachableName(const std::string& name) {
  if (name.empty()) return false;
  return std::all_of(name.begin(), name.end(),
                     [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; });
}

// The reader stops at a NUL byte as if the text ended there; nothing after it may go unread.
// Deeply nested arrays and objects would be copied and freed recursively: refused up front.
void CheckText(const std::string& text, const std::string& file) {
  if (const size_t nul = text.find('\0'); nul != std::string::npos) {
    throw DocumentError(Where(file, text, nul) + ": broken JSON: a NUL byte (JSON text cannot hold one)");
  }
  if (const size_t deep = FindTooDeep(text, limits::kJsonDepth); deep != std::string::npos) {
    throw DocumentError(Where(file, text, deep) + ": arrays and objects nest deeper than " +
                        std::to_string(limits::kJsonDepth) + " levels");
  }
}

}  // namespace

FontSpec FontFromJson(const Json& j) {
  if (!j.is_object()) throw std::runtime_error("a font must be an object { \"name\": ..., \"size\": ... }");
  FontSpec f;
  f.name = Str(j, "name", f.name);
  if (j.contains("size")) {
    if (!j.at("size").is_number() || j.at("size").get<double>() <= 0 || j.at("size").get<double>() > 2048) {
      throw std::runtime_error("font \"size\" must be a positive number");
    }
    f.size = j.at("size").get<float>();
  }
  if (j.contains("bold")) {
    if (!j.at("bold").is_boolean()) throw std::runtime_error("font \"bold\" must be true or false");
    f.bold = j.at("bold").get<bool>();
  }
  if (j.contains("italic")) {
    if (!j.at("italic").is_boolean()) throw std::runtime_error("font \"italic\" must be true or false");
    f.italic = j.at("italic").get<bool>();
  }
  return f;
}

Json FontToJson(const FontSpec& f) {
  Json j = Json::object();
  j["name"] = f.name;
  j["size"] = f.size;
  j["bold"] = f.bold;
  if (f.italic) j["italic"] = true;
  return j;
}

namespace {

// The document's JSON, with its version checked.
Json ParseRoot(const std::string& text, const std::string& file) {
  CheckText(text, file);
  Json root;
  try {
    root = Json::parse(text);
  } catch (const Json::exception& e) {  // a syntax fault, or a number too large to hold
    // The reader's text starts with its own exception name and position; the place is ours.
    std::string what = e.what();
    if (const auto tag = what.find("] "); tag != std::string::npos) what = what.substr(tag + 2);
    if (what.rfind("parse error", 0) == 0) {
      if (const auto colon = what.find(": "); colon != std::string::npos) what = what.substr(colon + 2);
    }
    const auto* syntax = dynamic_cast<const Json::parse_error*>(&e);
    const size_t byte = syntax && syntax->byte ? syntax->byte - 1 : 0;
    throw DocumentError((syntax ? Where(file, text, byte) : file) + ": broken JSON: " + what);
  }
  if (!root.is_object() || !root.contains("vornform")) {
    throw DocumentError(file + ": not a form document (no \"vornform\" version)");
  }
  // Exactly 1: a larger number must not wrap around to it.
  const Json& version = root["vornform"];
  if (!version.is_number_unsigned() || version.get<uint64_t>() != 1) {
    throw DocumentError(file + ": unsupported document version " + version.dump() +
                        " (this program reads version 1)");
  }
  return root;
}

// Each section's reader: a fault in the section as a whole throws DocumentError; a fault in one
// of its entries goes to errors and that entry is kept unread.

FormSpec ReadForm(const Json& f) {
  if (!f.is_object()) throw std::runtime_error("must be an object");
  FormSpec form;
  form.name = Str(f, "name", form.name);
  form.caption = Str(f, "caption", form.caption);
  form.left = Int(f, "left", 0, -limits::kPosition, limits::kPosition);
  form.top = Int(f, "top", 0, -limits::kPosition, limits::kPosition);
  form.width = Int(f, "width", form.width);
  form.height = Int(f, "height", form.height);
  if (form.width <= 0 || form.height <= 0 || form.width > limits::kSize || form.height > limits::kSize) {
    throw std::runtime_error("\"width\" and \"height\" must lie in 1.." + std::to_string(limits::kSize));
  }
  if (f.contains("backColor")) {
    const Json& c = f["backColor"];
    const bool colour = c.is_number_unsigned() ? c.get<uint64_t>() <= 0xFFFFFFFFu
                                               : c.is_number_integer() && c.get<int64_t>() >= INT32_MIN;
    if (!colour) throw std::runtime_error("\"backColor\" must be a colour number");
    form.backColor = static_cast<Color>(c.get<int64_t>());
  }
  if (f.contains("font")) form.font = FontFromJson(f["font"]);
  form.unknown = Unknown(f, {"name", "caption", "left", "top", "width", "height", "backColor", "font"});
  return form;
}

ImageListSpec ReadImageList(const std::string& name, const Json& desc) {
  if (!desc.is_object()) throw std::runtime_error("must be an object");
  ImageListSpec il;
  il.name = name;
  il.imageWidth = Int(desc, "imageWidth", 16);
  il.imageHeight = Int(desc, "imageHeight", 16);
  if (il.imageWidth < 1 || il.imageHeight < 1 || il.imageWidth > 256 || il.imageHeight > 256) {
    throw std::runtime_error("image sizes must lie in 1..256");
  }
  if (desc.contains("images")) {
    if (!desc["images"].is_array()) throw std::runtime_error("\"images\" must be an array of file names");
    for (const Json& p : desc["images"]) {
      if (!p.is_string()) throw std::runtime_error("\"images\" must be an array of file names");
      il.images.push_back(p.get<std::string>());
    }
  }
  il.unknown = Unknown(desc, {"imageWidth", "imageHeight", "images"});
  return il;
}

void ReadImageLists(const Json& lists, FormDocument& doc, const std::string& file, std::vector<std::string>& errors) {
  if (!lists.is_object()) throw DocumentError(file + ": \"imageLists\" must be an object");
  for (auto& [name, desc] : lists.items()) {
    try {
      doc.imageLists.push_back(ReadImageList(name, desc));
    } catch (const std::runtime_error& e) {
      errors.push_back(file + ": image list \"" + name + "\": " + e.what());
      doc.unreadImageLists[name] = desc;
    }
  }
}

// label names the control in errors as soon as its name is known.
ControlSpec ReadControl(const Json& c, const std::vector<ControlSpec>& earlier, std::string& label) {
  if (!c.is_object()) throw std::runtime_error("must be an object");
  ControlSpec desc;
  desc.name = Str(c, "name", "");
  if (!desc.name.empty()) label = "control " + (ReachableName(desc.name) ? desc.name : Json(desc.name).dump());
  desc.cls = Str(c, "class", "");
  if (desc.name.empty()) throw std::runtime_error("has no \"name\"");
  if (!ReachableName(desc.name)) {
    throw std::runtime_error("a name may hold only letters, digits and underscores (scripts could not reach it)");
  }
  if (desc.cls.empty()) throw std::runtime_error("has no \"class\"");
  desc.left = Int(c, "left", 0, -limits::kPosition, limits::kPosition);
  desc.top = Int(c, "top", 0, -limits::kPosition, limits::kPosition);
  desc.width = Int(c, "width", 100);
  desc.height = Int(c, "height", 30);
  if (desc.width < 0 || desc.height < 0 || desc.width > limits::kSize || desc.height > limits::kSize) {
    throw std::runtime_error("\"width\" and \"height\" must lie in 0.." + std::to_string(limits::kSize));
  }
  if (c.contains("properties")) {
    if (!c["properties"].is_object()) throw std::runtime_error("\"properties\" must be an object");
    desc.stored = true;
    desc.properties = c["properties"];
  }
  for (const ControlSpec& other : earlier) {
    if (other.name == desc.name) throw std::runtime_error("has the same name as an earlier control");
  }
  desc.unknown = Unknown(c, {"class", "name", "left", "top", "width", "height", "properties"});
  return desc;
}

void ReadControls(const Json& controls, FormDocument& doc, const std::string& file, std::vector<std::string>& errors) {
  if (!controls.is_array()) throw DocumentError(file + ": \"controls\" must be an array");
  size_t index = 0;
  for (const Json& c : controls) {
    ++index;
    std::string label = "control #" + std::to_string(index);
    try {
      doc.controls.push_back(ReadControl(c, doc.controls, label));
    } catch (const std::runtime_error& e) {
      errors.push_back(file + ": " + label + ": " + e.what());
      doc.unreadControls.emplace_back(index - 1, c);
    }
  }
}

void ReadOnLoad(const Json& lines, FormDocument& doc, const std::string& file) {
  if (!lines.is_array()) throw DocumentError(file + ": \"onLoad\" must be an array of script lines");
  for (const Json& line : lines) {
    if (!line.is_string()) throw DocumentError(file + ": \"onLoad\" must be an array of script lines");
    doc.onLoad.push_back(line.get<std::string>());
  }
}

void ReadHandlers(const Json& h, FormDocument& doc, const std::string& file, std::vector<std::string>& errors) {
  if (!h.is_object()) throw DocumentError(file + ": \"handlers\" must be an object of \"NAME.Event\": [lines]");
  for (auto& [key, lines] : h.items()) {
    if (key.find('.') == std::string::npos || !lines.is_array()) {
      errors.push_back(file + ": handler \"" + key + "\": must be \"NAME.Event\": [script lines]");
      doc.unreadHandlers[key] = lines;
      continue;
    }
    std::vector<std::string> script;
    bool ok = true;
    for (const Json& line : lines) {
      if (!line.is_string()) {
        ok = false;
      } else {
        script.push_back(line.get<std::string>());
      }
    }
    if (!ok) {
      errors.push_back(file + ": handler \"" + key + "\": script lines must be strings");
      doc.unreadHandlers[key] = lines;
      continue;
    }
    doc.handlers.emplace_back(key, std::move(script));
  }
}

}  // namespace

FormDocument ParseFormDocument(const std::string& text, const std::string& file, std::vector<std::string>& errors) {
  const Json root = ParseRoot(text, file);
  FormDocument doc;
  doc.baseDir = std::filesystem::path(file).parent_path().string();
  if (doc.baseDir.empty()) doc.baseDir = ".";
  doc.unknown = Unknown(root, {"vornform", "form", "imageLists", "controls", "onLoad", "handlers"});
  if (root.contains("form")) {
    try {
      doc.form = ReadForm(root["form"]);
    } catch (const std::runtime_error& e) {
      throw DocumentError(file + ": form: " + e.what());
    }
  }
  if (root.contains("imageLists")) ReadImageLists(root["imageLists"], doc, file, errors);
  if (root.contains("controls")) ReadControls(root["controls"], doc, file, errors);
  if (root.contains("onLoad")) ReadOnLoad(root["onLoad"], doc, file);
  if (root.contains("handlers")) ReadHandlers(root["handlers"], doc, file, errors);
  return doc;
}

FormDocument LoadFormDocument(const std::string& path, std::vector<std::string>& errors) {
  std::string text;
  try {
    text = ReadUserFile(path, limits::kDocumentBytes);
  } catch (const FileError& e) {
    throw DocumentError(e.what());
  }
  FormDocument doc = ParseFormDocument(text, path, errors);
  doc.source = path;
  return doc;
}

Json ToJson(const FormDocument& doc) {
  Json root = Json::object();
  root["vornform"] = 1;
  Json form = Json::object();
  form["name"] = doc.form.name;
  form["caption"] = doc.form.caption;
  form["left"] = doc.form.left;
  form["top"] = doc.form.top;
  form["width"] = doc.form.width;
  form["height"] = doc.form.height;
  form["backColor"] = doc.form.backColor;
  form["font"] = FontToJson(doc.form.font);
  AddUnknown(form, doc.form.unknown);
  root["form"] = form;
  if (!doc.imageLists.empty() || !doc.unreadImageLists.empty()) {
    Json lists = Json::object();
    for (const ImageListSpec& il : doc.imageLists) {
      Json list{{"imageWidth", il.imageWidth}, {"imageHeight", il.imageHeight}, {"images", il.images}};
      AddUnknown(list, il.unknown);
      lists[il.name] = list;
    }
    AddUnknown(lists, doc.unreadImageLists);
    root["imageLists"] = lists;
  }
  Json controls = Json::array();
  auto unread = doc.unreadControls.begin();
  auto emitUnread = [&] {
    while (unread != doc.unreadControls.end() && unread->first <= controls.size()) controls.push_back((unread++)->second);
  };
  for (const ControlSpec& c : doc.controls) {
    emitUnread();
    Json j = Json::object();
    j["class"] = c.cls;
    j["name"] = c.name;
    j["left"] = c.left;
    j["top"] = c.top;
    j["width"] = c.width;
    j["height"] = c.height;
    if (c.stored) j["properties"] = c.properties;
    AddUnknown(j, c.unknown);
    controls.push_back(j);
  }
  emitUnread();
  while (unread != doc.unreadControls.end()) controls.push_back((unread++)->second);
  root["controls"] = controls;
  if (!doc.onLoad.empty()) root["onLoad"] = doc.onLoad;
  if (!doc.handlers.empty() || !doc.unreadHandlers.empty()) {
    Json h = Json::object();
    for (const auto& [key, lines] : doc.handlers) h[key] = lines;
    AddUnknown(h, doc.unreadHandlers);
    root["handlers"] = h;
  }
  AddUnknown(root, doc.unknown);
  return root;
}

namespace {
// Image paths are relative to the document: saved into another folder, they are made relative to
// that folder so that they still name the same files.
FormDocument RebasedFor(const FormDocument& doc, const std::string& path) {
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::path from = fs::weakly_canonical(fs::absolute(doc.baseDir, ec), ec);
  fs::path to = fs::path(path).parent_path();
  if (to.empty()) to = ".";
  to = fs::weakly_canonical(fs::absolute(to, ec), ec);
  FormDocument out = doc;
  if (from == to) return out;
  auto rebase = [&](std::string& image) {
    const fs::path file(image);
    if (file.is_absolute()) return;
    const fs::path target = fs::weakly_canonical(from / file, ec);
    const fs::path relative = target.lexically_relative(to);
    image = (relative.empty() ? target : relative).generic_string();
  };
  for (ImageListSpec& list : out.imageLists) {
    for (std::string& image : list.images) rebase(image);
  }
  // An image list kept unread still names its pictures relative to the document.
  for (auto& [listName, list] : out.unreadImageLists.items()) {
    if (!list.is_object() || !list.contains("images") || !list["images"].is_array()) continue;
    for (Json& image : list["images"]) {
      if (!image.is_string()) continue;
      std::string file = image.get<std::string>();
      rebase(file);
      image = file;
    }
  }
  out.baseDir = to.string();
  return out;
}
}  // namespace

void SaveFormDocument(const FormDocument& doc, const std::string& path) {
  ReplaceUserFile(path, ToJson(RebasedFor(doc, path)).dump(2) + "\n");
}

}  // namespace vorn
