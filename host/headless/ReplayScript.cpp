// Reading replay scripts: one command a line, each into the steps it stands for.
#include "host/headless/ReplayScript.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "foundation/CodePage1252.h"
#include "foundation/Limits.h"
#include "host/headless/TextNesting.h"
#include "host/text/FontFace.h"

namespace vorn {

namespace {

using OJson = nlohmann::ordered_json;

std::string Trim(std::string s) {
  const auto b = s.find_first_not_of(" \t\r");
  if (b == std::string::npos) return "";
  const auto e = s.find_last_not_of(" \t\r");
  return s.substr(b, e - b + 1);
}

// Index of the first character c at nesting depth 0 outside strings, or npos.
size_t FindTopLevel(const std::string& s, size_t from, bool (*stop)(char)) {
  int depth = 0;
  bool inString = false;
  for (size_t i = from; i < s.size(); ++i) {
    const char ch = s[i];
    if (inString) {
      if (ch == '\\') {
        ++i;
      } else if (ch == '"') {
        inString = false;
      }
      continue;
    }
    if (ch == '"') {
      inString = true;
    } else if (ch == '(' || ch == '[' || ch == '{') {
      ++depth;
    } else if (ch == ')' || ch == ']' || ch == '}') {
      --depth;
    } else if (depth == 0 && stop(ch)) {
      return i;
    }
  }
  return std::string::npos;
}

std::string StripComment(const std::string& line) {
  const size_t hash = FindTopLevel(line, 0, [](char c) { return c == '#'; });
  return hash == std::string::npos ? line : line.substr(0, hash);
}

bool IsIdentChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

std::vector<OJson> ParseArgs(const std::string& inner) {
  std::vector<OJson> args;
  if (Trim(inner).empty()) return args;
  size_t start = 0;
  while (true) {
    const size_t comma = FindTopLevel(inner, start, [](char c) { return c == ','; });
    const std::string piece = Trim(inner.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
    if (piece.empty()) throw ScriptError("an empty argument");
    try {
      args.push_back(OJson::parse(piece));
    } catch (const OJson::exception&) {  // also numbers too large to hold
      throw ScriptError("argument " + piece + " is not a JSON literal");
    }
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  return args;
}

int64_t ParseInt(const std::string& word, const char* what, int64_t lo, int64_t hi) {
  int64_t v = 0;
  auto [p, ec] = std::from_chars(word.data(), word.data() + word.size(), v);
  if (ec != std::errc() || p != word.data() + word.size() || v < lo || v > hi) {
    throw ScriptError(std::string(what) + " must be a whole number in " + std::to_string(lo) + ".." +
                      std::to_string(hi) + ", not \"" + word + "\"");
  }
  return v;
}

std::vector<std::string> Words(const std::string& s) {
  std::vector<std::string> words;
  size_t i = 0;
  while (i < s.size()) {
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
    const size_t b = i;
    while (i < s.size() && s[i] != ' ' && s[i] != '\t') ++i;
    if (i > b) words.push_back(s.substr(b, i - b));
  }
  return words;
}

int16_t ButtonWord(const std::vector<std::string>& w) {
  if (w.size() < 2 || w[1] == "left") return kLeftButton;
  if (w[1] == "right") return kRightButton;
  if (w[1] == "middle") return kMiddleButton;
  throw ScriptError("unknown mouse button \"" + w[1] + "\" (left, right or middle)");
}

// snapshot FILE [--expect GOLDEN [--tolerance N]]; without options FILE is the rest of the line.
void ParseSnapshotOptions(const std::vector<std::string>& w, ScriptCommand& c) {
  const bool options = std::any_of(w.begin(), w.end(), [](const std::string& s) { return s.rfind("--", 0) == 0; });
  if (!options) return;
  if (w.size() < 2 || w[1].rfind("--", 0) == 0) throw ScriptError("\"snapshot\" needs a file name");
  c.text = w[1];
  bool tolerance = false;
  for (size_t i = 2; i < w.size(); i += 2) {
    if (i + 1 == w.size()) throw ScriptError("\"" + w[i] + "\" needs a value");
    if (w[i] == "--expect") {
      c.expect = w[i + 1];
    } else if (w[i] == "--tolerance") {
      c.tolerance = static_cast<int>(ParseInt(w[i + 1], "the tolerance", 0, 255));
      tolerance = true;
    } else {
      throw ScriptError("\"snapshot\" takes --expect GOLDEN.png and --tolerance N, not \"" + w[i] + "\"");
    }
  }
  if (tolerance && c.expect.empty()) throw ScriptError("--tolerance goes with --expect");
}

}  // namespace

MemberPath ParsePath(const std::string& text) {
  MemberPath path;
  path.text = Trim(text);
  const std::string& s = path.text;
  size_t i = 0;
  while (true) {
    const size_t b = i;
    while (i < s.size() && IsIdentChar(s[i])) ++i;
    if (i == b) throw ScriptError("a member name was expected in \"" + s + "\"");
    PathSegment seg;
    seg.name = s.substr(b, i - b);
    if (i < s.size() && s[i] == '(') {
      int depth = 0;
      bool inString = false;
      size_t end = std::string::npos;
      for (size_t k = i + 1; k < s.size(); ++k) {
        const char ch = s[k];
        if (inString) {
          if (ch == '\\') {
            ++k;
          } else if (ch == '"') {
            inString = false;
          }
        } else if (ch == '"') {
          inString = true;
        } else if (ch == '(' || ch == '[' || ch == '{') {
          ++depth;
        } else if (ch == ')' || ch == ']' || ch == '}') {
          if (depth == 0) {
            end = k;
            break;
          }
          --depth;
        }
      }
      if (end == std::string::npos) throw ScriptError("unbalanced parentheses in \"" + s + "\"");
      seg.args = ParseArgs(s.substr(i + 1, end - i - 1));
      i = end + 1;
    }
    path.segments.push_back(std::move(seg));
    if (i == s.size()) break;
    if (s[i] != '.') throw ScriptError("unexpected \"" + s.substr(i, 1) + "\" in \"" + s + "\"");
    ++i;
  }
  return path;
}

namespace {

// A line of a script, split into words, with the text after its command word.
struct ScriptLine {
  std::vector<std::string> w;
  std::string rest;
  const std::string& Command() const { return w[0]; }
  void Need(size_t n) const {
    if (w.size() != n) throw ScriptError("\"" + Command() + "\" takes " + std::to_string(n - 1) + " argument(s)");
  }
};
// Each command's parser appends what its line stands for to out; c holds the line's number.
using CommandParser = void (*)(const ScriptLine& l, ScriptCommand c, std::vector<ScriptCommand>& out);

void ParseMove(const ScriptLine& l, ScriptCommand c, std::vector<ScriptCommand>& out) {
  l.Need(3);
  c.kind = ScriptCommand::Move;
  c.x = static_cast<int32_t>(ParseInt(l.w[1], "X", -100000, 100000));
  c.y = static_cast<int32_t>(ParseInt(l.w[2], "Y", -100000, 100000));
  out.push_back(c);
  if (l.Command() == "click") {
    c.kind = ScriptCommand::Down;
    c.button = kLeftButton;
    out.push_back(c);
    c.kind = ScriptCommand::Up;
    out.push_back(c);
  }
}

void ParseButton(const ScriptLine& l, ScriptCommand c, std::vector<ScriptCommand>& out) {
  if (l.w.size() > 2) throw ScriptError("\"" + l.Command() + "\" takes at most one argument");
  c.kind = l.Command() == "down" ? ScriptCommand::Down : ScriptCommand::Up;
  c.button = ButtonWord(l.w);
  out.push_back(c);
}

void ParseKey(const ScriptLine& l, ScriptCommand c, std::vector<ScriptCommand>& out) {
  const std::vector<std::string>& w = l.w;
  if (w.size() < 3) throw ScriptError("\"key\" needs down, up or press and a code");
  if (w[1] == "press") {
    l.Need(3);
    c.kind = ScriptCommand::KeyPress;
  } else if (w[1] == "down" || w[1] == "up") {
    if (w.size() > 4) throw ScriptError("\"key " + w[1] + "\" takes a code and an optional shift state");
    c.kind = w[1] == "down" ? ScriptCommand::KeyDown : ScriptCommand::KeyUp;
  } else {
    throw ScriptError("\"key\" needs down, up or press, not \"" + w[1] + "\"");
  }
  c.x = static_cast<int32_t>(ParseInt(w[2], "the key code", -32768, 32767));
  c.y = w.size() == 4 ? static_cast<int32_t>(ParseInt(w[3], "the shift state", -32768, 32767)) : -1;
  out.push_back(c);
}

void ParseType(const ScriptLine& l, ScriptCommand c, std::vector<ScriptCommand>& out) {
  OJson s;
  try {
    s = OJson::parse(l.rest);
  } catch (const OJson::exception& e) {  // also numbers too large to hold
    if (std::string_view(e.what()).find("ill-formed UTF-8") != std::string_view::npos) {
      throw ScriptError("the text of \"type\" is not valid UTF-8");
    }
    throw ScriptError("\"type\" needs a double-quoted string");
  }
  if (!s.is_string()) throw ScriptError("\"type\" needs a double-quoted string");
  const std::string t = s.get<std::string>();
  for (size_t i = 0; i < t.size();) {
    const char32_t cp = NextCodePoint(t, i);
    const int32_t code = ToCodePage1252(cp);
    c.kind = ScriptCommand::KeyPress;
    c.x = code < 0 ? '?' : code;
    out.push_back(c);
  }
}

void ParseFocus(const ScriptLine& l, ScriptCommand c, std::vector<ScriptCommand>& out) {
  l.Need(2);
  c.kind = ScriptCommand::Focus;
  c.text = l.w[1];
  out.push_back(c);
}

void ParseTick(const ScriptLine& l, ScriptCommand c, std::vector<ScriptCommand>& out) {
  l.Need(2);
  c.kind = ScriptCommand::Tick;
  c.ms = static_cast<uint64_t>(ParseInt(l.w[1], "MS", 0, 100000000));
  out.push_back(c);
}

// let PATH VALUE, set PATH VALUE (set also takes an object's path as its value).
void ParseAssign(const ScriptLine& l, ScriptCommand c, std::vector<ScriptCommand>& out) {
  const std::string& cmd = l.Command();
  const size_t gap = FindTopLevel(l.rest, 0, [](char ch) { return ch == ' ' || ch == '\t'; });
  if (gap == std::string::npos) throw ScriptError("\"" + cmd + "\" needs a path and a value");
  c.kind = cmd == "let" ? ScriptCommand::Let : ScriptCommand::Set;
  c.path = ParsePath(l.rest.substr(0, gap));
  const std::string value = Trim(l.rest.substr(gap));
  try {
    c.value = OJson::parse(value);
  } catch (const OJson::exception&) {  // also numbers too large to hold
    if (cmd == "let") throw ScriptError("value " + value + " is not a JSON literal");
    c.valueIsPath = true;
    c.valuePath = ParsePath(value);
  }
  out.push_back(c);
}

// get PATH, call PATH
void ParseMember(const ScriptLine& l, ScriptCommand c, std::vector<ScriptCommand>& out) {
  if (l.rest.empty()) throw ScriptError("\"" + l.Command() + "\" needs a path");
  c.kind = l.Command() == "get" ? ScriptCommand::Get : ScriptCommand::Call;
  c.path = ParsePath(l.rest);
  out.push_back(c);
}

// snapshot FILE [options], save FILE
void ParseFile(const ScriptLine& l, ScriptCommand c, std::vector<ScriptCommand>& out) {
  if (l.rest.empty()) throw ScriptError("\"" + l.Command() + "\" needs a file name");
  c.kind = l.Command() == "snapshot" ? ScriptCommand::Snapshot : ScriptCommand::Save;
  c.text = l.rest;
  if (c.kind == ScriptCommand::Snapshot) ParseSnapshotOptions(l.w, c);
  out.push_back(c);
}

void ParseEcho(const ScriptLine& l, ScriptCommand c, std::vector<ScriptCommand>& out) {
  c.kind = ScriptCommand::Echo;
  c.text = l.rest;
  out.push_back(c);
}

constexpr struct {
  std::string_view name;
  CommandParser parse;
} kCommands[] = {
    {"move", ParseMove},     {"click", ParseMove},    {"down", ParseButton},     {"up", ParseButton},
    {"key", ParseKey},       {"type", ParseType},     {"focus", ParseFocus},     {"tick", ParseTick},
    {"let", ParseAssign},    {"set", ParseAssign},    {"get", ParseMember},      {"call", ParseMember},
    {"snapshot", ParseFile}, {"save", ParseFile},     {"echo", ParseEcho},
};

// One line without its comment, not empty, appended to out.
void ParseLine(const std::string& line, int lineNo, std::vector<ScriptCommand>& out) {
  // Paths, arguments and values are parsed and copied recursively: deep nesting is refused.
  if (FindTooDeep(line, limits::kJsonDepth, "([{", ")]}") != std::string::npos) {
    throw ScriptError("brackets and parentheses nest deeper than " + std::to_string(limits::kJsonDepth) + " levels");
  }
  ScriptLine l{Words(line), {}};
  l.rest = Trim(line.substr(l.Command().size()));
  ScriptCommand c{};
  c.line = lineNo;
  for (const auto& command : kCommands) {
    if (command.name == l.Command()) {
      command.parse(l, c, out);
      return;
    }
  }
  throw ScriptError("unknown command \"" + l.Command() + "\"");
}

}  // namespace

std::vector<ScriptCommand> ParseScript(const std::string& text, const std::string& file) {
  std::vector<ScriptCommand> out;
  int lineNo = 0;
  size_t pos = 0;
  while (pos <= text.size()) {
    const size_t nl = text.find('\n', pos);
    std::string raw = text.substr(pos, nl == std::string::npos ? std::string::npos : nl - pos);
    pos = nl == std::string::npos ? text.size() + 1 : nl + 1;
    ++lineNo;
    const std::string line = Trim(StripComment(raw));
    if (line.empty()) continue;
    try {
      ParseLine(line, lineNo, out);
      if (out.size() > limits::kScriptCommands) {
        throw ScriptError("the script holds more than " + std::to_string(limits::kScriptCommands) +
                          " commands (each clicked or typed step counts)");
      }
    } catch (const ScriptError& e) {
      throw ScriptError(file + ":" + std::to_string(lineNo) + ": " + e.what());
    }
  }
  return out;
}

}  // namespace vorn
