#include "host/form/FormDocument.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

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

int32_t Int(const Json& j, const char* key, int32_t fallback) {
  if (!j.contains(key)) return fallback;
  const Json& v = j.at(key);
  if (!v.is_number_integer()) throw std::runtime_error(std::string("\"") + key + "\" must be a whole number");
  const auto n = v.get<int64_t>();
  if (n < INT32_MIN || n > INT32_MAX) throw std::runtime_error(std::string("\"") + key + "\" is out of range");
  return static_cast<int32_t>(n);
}

std::string Str(const Json& j, const char* key, const std::string& fallback) {
  if (!j.contains(key)) return fallback;
  if (!j.at(key).is_string()) throw std::runtime_error(std::string("\"") + key + "\" must be a string");
  return j.at(key).get<std::string>();
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

FormDocument ParseFormDocument(const std::string& text, const std::string& file, std::vector<std::string>& errors) {
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
  if (!root["vornform"].is_number_integer() || root["vornform"].get<int>() != 1) {
    throw DocumentError(file + ": unsupported document version (this program reads version 1)");
  }
  FormDocument doc;
  doc.baseDir = std::filesystem::path(file).parent_path().string();
  if (doc.baseDir.empty()) doc.baseDir = ".";
  if (root.contains("form")) {
    const Json& f = root["form"];
    try {
      if (!f.is_object()) throw std::runtime_error("must be an object");
      doc.form.name = Str(f, "name", doc.form.name);
      doc.form.caption = Str(f, "caption", doc.form.caption);
      doc.form.left = Int(f, "left", 0);
      doc.form.top = Int(f, "top", 0);
      doc.form.width = Int(f, "width", doc.form.width);
      doc.form.height = Int(f, "height", doc.form.height);
      if (doc.form.width <= 0 || doc.form.height <= 0 || doc.form.width > 8192 || doc.form.height > 8192) {
        throw std::runtime_error("\"width\" and \"height\" must lie in 1..8192");
      }
      if (f.contains("backColor")) {
        const Json& c = f["backColor"];
        if (!c.is_number_integer() || c.get<int64_t>() < INT32_MIN || c.get<int64_t>() > 0xFFFFFFFFLL) {
          throw std::runtime_error("\"backColor\" must be a colour number");
        }
        doc.form.backColor = static_cast<Color>(c.get<int64_t>());
      }
      if (f.contains("font")) doc.form.font = FontFromJson(f["font"]);
    } catch (const std::runtime_error& e) {
      throw DocumentError(file + ": form: " + e.what());
    }
  }
  if (root.contains("imageLists")) {
    if (!root["imageLists"].is_object()) throw DocumentError(file + ": \"imageLists\" must be an object");
    for (auto& [name, desc] : root["imageLists"].items()) {
      try {
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
        doc.imageLists.push_back(std::move(il));
      } catch (const std::runtime_error& e) {
        errors.push_back(file + ": image list \"" + name + "\": " + e.what());
      }
    }
  }
  if (root.contains("controls")) {
    if (!root["controls"].is_array()) throw DocumentError(file + ": \"controls\" must be an array");
    int index = 0;
    for (const Json& c : root["controls"]) {
      ++index;
      std::string label = "control #" + std::to_string(index);
      try {
        if (!c.is_object()) throw std::runtime_error("must be an object");
        ControlSpec desc;
        desc.name = Str(c, "name", "");
        if (!desc.name.empty()) label = "control " + desc.name;
        desc.cls = Str(c, "class", "");
        if (desc.name.empty()) throw std::runtime_error("has no \"name\"");
        if (desc.cls.empty()) throw std::runtime_error("has no \"class\"");
        desc.left = Int(c, "left", 0);
        desc.top = Int(c, "top", 0);
        desc.width = Int(c, "width", 100);
        desc.height = Int(c, "height", 30);
        if (desc.width < 0 || desc.height < 0 || desc.width > 8192 || desc.height > 8192) {
          throw std::runtime_error("\"width\" and \"height\" must lie in 0..8192");
        }
        if (c.contains("properties")) {
          if (!c["properties"].is_object()) throw std::runtime_error("\"properties\" must be an object");
          desc.stored = true;
          desc.properties = c["properties"];
        }
        for (const ControlSpec& other : doc.controls) {
          if (other.name == desc.name) throw std::runtime_error("has the same name as an earlier control");
        }
        doc.controls.push_back(std::move(desc));
      } catch (const std::runtime_error& e) {
        errors.push_back(file + ": " + label + ": " + e.what());
      }
    }
  }
  if (root.contains("onLoad")) {
    if (!root["onLoad"].is_array()) throw DocumentError(file + ": \"onLoad\" must be an array of script lines");
    for (const Json& line : root["onLoad"]) {
      if (!line.is_string()) throw DocumentError(file + ": \"onLoad\" must be an array of script lines");
      doc.onLoad.push_back(line.get<std::string>());
    }
  }
  if (root.contains("handlers")) {
    const Json& h = root["handlers"];
    if (!h.is_object()) throw DocumentError(file + ": \"handlers\" must be an object of \"NAME.Event\": [lines]");
    for (auto& [key, lines] : h.items()) {
      if (key.find('.') == std::string::npos || !lines.is_array()) {
        errors.push_back(file + ": handler \"" + key + "\": must be \"NAME.Event\": [script lines]");
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
        continue;
      }
      doc.handlers.emplace_back(key, std::move(script));
    }
  }
  return doc;
}

FormDocument LoadFormDocument(const std::string& path, std::vector<std::string>& errors) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw DocumentError(path + ": cannot open the file");
  std::ostringstream text;
  text << in.rdbuf();
  return ParseFormDocument(text.str(), path, errors);
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
  root["form"] = form;
  if (!doc.imageLists.empty()) {
    Json lists = Json::object();
    for (const ImageListSpec& il : doc.imageLists) {
      lists[il.name] = Json{{"imageWidth", il.imageWidth}, {"imageHeight", il.imageHeight}, {"images", il.images}};
    }
    root["imageLists"] = lists;
  }
  Json controls = Json::array();
  for (const ControlSpec& c : doc.controls) {
    Json j = Json::object();
    j["class"] = c.cls;
    j["name"] = c.name;
    j["left"] = c.left;
    j["top"] = c.top;
    j["width"] = c.width;
    j["height"] = c.height;
    if (c.stored) j["properties"] = c.properties;
    controls.push_back(j);
  }
  root["controls"] = controls;
  if (!doc.onLoad.empty()) root["onLoad"] = doc.onLoad;
  if (!doc.handlers.empty()) {
    Json h = Json::object();
    for (const auto& [key, lines] : doc.handlers) h[key] = lines;
    root["handlers"] = h;
  }
  return root;
}

void WriteFileAtomically(const std::string& path, const std::string& text) {
  const std::string tmp = path + ".tmp";
  {
    std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
    if (!out) throw std::runtime_error(path + ": cannot write the file");
    out << text;
    out.flush();
    if (!out) {
      out.close();
      std::remove(tmp.c_str());
      throw std::runtime_error(path + ": cannot write the file");
    }
  }
  if (std::rename(tmp.c_str(), path.c_str()) != 0) {
    std::remove(tmp.c_str());
    throw std::runtime_error(path + ": cannot replace the file");
  }
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
  for (ImageListSpec& list : out.imageLists) {
    for (std::string& image : list.images) {
      const fs::path file(image);
      if (file.is_absolute()) continue;
      const fs::path target = fs::weakly_canonical(from / file, ec);
      const fs::path relative = target.lexically_relative(to);
      image = (relative.empty() ? target : relative).generic_string();
    }
  }
  out.baseDir = to.string();
  return out;
}
}  // namespace

void SaveFormDocument(const FormDocument& doc, const std::string& path) {
  WriteFileAtomically(path, ToJson(RebasedFor(doc, path)).dump(2) + "\n");
}

}  // namespace vorn
