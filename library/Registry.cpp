#include "library/Registry.h"

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <stdexcept>
#include <strings.h>

#include "foundation/Limits.h"
#include "foundation/files/UserFile.h"

namespace vorn {

namespace {

constexpr const char* kHeader = "REGEDIT4";

bool SamePath(const std::string& a, const std::string& b) {
  return a.size() == b.size() && strncasecmp(a.data(), b.data(), a.size()) == 0;
}

bool Below(const std::string& path, const std::string& root) {
  return path.size() > root.size() && path[root.size()] == '\\' && strncasecmp(path.data(), root.data(), root.size()) == 0;
}

std::string Quote(const std::string& s) {
  std::string out = "\"";
  for (char c : s) {
    if (c == '"' || c == '\\') out += '\\';
    out += c;
  }
  return out + "\"";
}

// Reads a quoted string at s[i] (i at the opening quote); returns false when malformed.
bool Unquote(const std::string& s, size_t& i, std::string& out) {
  if (i >= s.size() || s[i] != '"') return false;
  out.clear();
  for (++i; i < s.size(); ++i) {
    if (s[i] == '\\' && i + 1 < s.size()) {
      out += s[++i];
    } else if (s[i] == '"') {
      ++i;
      return true;
    } else {
      out += s[i];
    }
  }
  return false;
}

}  // namespace

std::string Registry::DefaultPath() {
  if (const char* p = std::getenv("VORN_REGISTRY"); p && *p) return p;
  std::filesystem::path base;
  if (const char* x = std::getenv("XDG_CONFIG_HOME"); x && *x) {
    base = x;
  } else if (const char* h = std::getenv("HOME"); h && *h) {
    base = std::filesystem::path(h) / ".config";
  } else {
    base = ".";
  }
  return (base / "vornbutton2" / "registry.reg").string();
}

Registry Registry::Load(const std::string& path) {
  Registry reg;
  std::error_code ec;
  if (!std::filesystem::exists(std::filesystem::symlink_status(path, ec))) return reg;
  std::istringstream in(ReadUserFile(path, limits::kRegistryBytes));
  std::string line;
  int lineNo = 0;
  std::string current;
  bool inKey = false;
  auto fail = [&](const std::string& why) {
    throw std::runtime_error(path + ":" + std::to_string(lineNo) + ": " + why + "; the file was left as it is");
  };
  while (std::getline(in, line)) {
    ++lineNo;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == ';') continue;
    if (lineNo == 1 && line == kHeader) continue;
    if (line.front() == '[') {
      if (line.back() != ']' || line.size() < 3) fail("a key must be written [PATH]");
      current = line.substr(1, line.size() - 2);
      inKey = true;
      reg.Touch(current);
      continue;
    }
    if (!inKey) fail("a value before any key");
    Value v;
    size_t i = 0;
    if (line[0] == '@') {
      i = 1;
    } else if (!Unquote(line, i, v.name)) {
      fail("a value name must be quoted");
    }
    if (i >= line.size() || line[i] != '=') fail("expected =");
    ++i;
    if (!Unquote(line, i, v.data) || i != line.size()) fail("a value must be a quoted string");
    reg.Set(current, v.name, v.data);
  }
  return reg;
}

void Registry::Save(const std::string& path) const {
  std::ostringstream out;
  out << kHeader << "\n";
  for (const Key& k : keys_) {
    out << "\n[" << k.path << "]\n";
    for (const Value& v : k.values) out << (v.name.empty() ? "@" : Quote(v.name)) << "=" << Quote(v.data) << "\n";
  }
  const std::filesystem::path target(path);
  if (target.has_parent_path()) std::filesystem::create_directories(target.parent_path());
  ReplaceUserFile(path, out.str());
}

void Registry::Touch(const std::string& path) {
  if (!Find(path)) keys_.push_back({path, {}});
}

void Registry::Set(const std::string& path, const std::string& name, const std::string& data) {
  Touch(path);
  for (Key& k : keys_) {
    if (!SamePath(k.path, path)) continue;
    for (Value& v : k.values) {
      if (SamePath(v.name, name)) {
        v.data = data;
        return;
      }
    }
    k.values.push_back({name, data});
    return;
  }
}

int Registry::RemoveTree(const std::string& path) {
  const size_t before = keys_.size();
  std::erase_if(keys_, [&](const Key& k) { return SamePath(k.path, path) || Below(k.path, path); });
  return static_cast<int>(before - keys_.size());
}

const Registry::Key* Registry::Find(const std::string& path) const {
  for (const Key& k : keys_) {
    if (SamePath(k.path, path)) return &k;
  }
  return nullptr;
}

const std::string* Registry::Get(const std::string& path, const std::string& name) const {
  const Key* k = Find(path);
  if (!k) return nullptr;
  for (const Value& v : k->values) {
    if (SamePath(v.name, name)) return &v.data;
  }
  return nullptr;
}

}  // namespace vorn
