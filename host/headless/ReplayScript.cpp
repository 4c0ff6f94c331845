#include "host/headless/ReplayScript.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "foundation/CodePage1252.h"
#include "foundation/Dispatch.h"
#include "foundation/Limits.h"
#include "foundation/RuntimeError.h"
#include "host/headless/SnapshotRows.h"
#include "host/headless/TextNesting.h"
#include "host/headless/ValueText.h"
#include "host/raster/PictureDiff.h"
#include "host/raster/Png.h"
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
      // Paths, arguments and values are parsed and copied recursively: deep nesting is refused.
      if (FindTooDeep(line, limits::kJsonDepth, "([{", ")]}") != std::string::npos) {
        throw ScriptError("brackets and parentheses nest deeper than " + std::to_string(limits::kJsonDepth) +
                          " levels");
      }
      const std::vector<std::string> w = Words(line);
      const std::string& cmd = w[0];
      const std::string rest = Trim(line.substr(cmd.size()));
      ScriptCommand c{};
      c.line = lineNo;
      auto need = [&](size_t n) {
        if (w.size() != n) throw ScriptError("\"" + cmd + "\" takes " + std::to_string(n - 1) + " argument(s)");
      };
      if (cmd == "move" || cmd == "click") {
        need(3);
        c.kind = ScriptCommand::Move;
        c.x = static_cast<int32_t>(ParseInt(w[1], "X", -100000, 100000));
        c.y = static_cast<int32_t>(ParseInt(w[2], "Y", -100000, 100000));
        out.push_back(c);
        if (cmd == "click") {
          c.kind = ScriptCommand::Down;
          c.button = kLeftButton;
          out.push_back(c);
          c.kind = ScriptCommand::Up;
          out.push_back(c);
        }
      } else if (cmd == "down" || cmd == "up") {
        if (w.size() > 2) throw ScriptError("\"" + cmd + "\" takes at most one argument");
        c.kind = cmd == "down" ? ScriptCommand::Down : ScriptCommand::Up;
        c.button = ButtonWord(w);
        out.push_back(c);
      } else if (cmd == "key") {
        if (w.size() < 3) throw ScriptError("\"key\" needs down, up or press and a code");
        if (w[1] == "press") {
          need(3);
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
      } else if (cmd == "type") {
        OJson s;
        try {
          s = OJson::parse(rest);
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
      } else if (cmd == "focus") {
        need(2);
        c.kind = ScriptCommand::Focus;
        c.text = w[1];
        out.push_back(c);
      } else if (cmd == "tick") {
        need(2);
        c.kind = ScriptCommand::Tick;
        c.ms = static_cast<uint64_t>(ParseInt(w[1], "MS", 0, 100000000));
        out.push_back(c);
      } else if (cmd == "let" || cmd == "set") {
        const size_t gap = FindTopLevel(rest, 0, [](char ch) { return ch == ' ' || ch == '\t'; });
        if (gap == std::string::npos) throw ScriptError("\"" + cmd + "\" needs a path and a value");
        c.kind = cmd == "let" ? ScriptCommand::Let : ScriptCommand::Set;
        c.path = ParsePath(rest.substr(0, gap));
        const std::string value = Trim(rest.substr(gap));
        try {
          c.value = OJson::parse(value);
        } catch (const OJson::exception&) {  // also numbers too large to hold
          if (cmd == "let") throw ScriptError("value " + value + " is not a JSON literal");
          c.valueIsPath = true;
          c.valuePath = ParsePath(value);
        }
        out.push_back(c);
      } else if (cmd == "get" || cmd == "call") {
        if (rest.empty()) throw ScriptError("\"" + cmd + "\" needs a path");
        c.kind = cmd == "get" ? ScriptCommand::Get : ScriptCommand::Call;
        c.path = ParsePath(rest);
        out.push_back(c);
      } else if (cmd == "snapshot" || cmd == "save") {
        if (rest.empty()) throw ScriptError("\"" + cmd + "\" needs a file name");
        c.kind = cmd == "snapshot" ? ScriptCommand::Snapshot : ScriptCommand::Save;
        c.text = rest;
        if (c.kind == ScriptCommand::Snapshot) ParseSnapshotOptions(w, c);
        out.push_back(c);
      } else if (cmd == "echo") {
        c.kind = ScriptCommand::Echo;
        c.text = rest;
        out.push_back(c);
      } else {
        throw ScriptError("unknown command \"" + cmd + "\"");
      }
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

ReplayRunner::ReplayRunner(ReplayContext& ctx, std::vector<ScriptCommand> commands, bool feedsDoEvents)
    : ctx_(ctx), commands_(std::move(commands)), feedsDoEvents_(feedsDoEvents) {
  if (feedsDoEvents_) previous_ = ctx_.Host().SetPendingInput([this] { return RunNext(); });
}

ReplayRunner::~ReplayRunner() {
  if (feedsDoEvents_) ctx_.Host().SetPendingInput(std::move(previous_));
}

bool ReplayRunner::RunNext() {
  if (next_ >= commands_.size()) return false;
  const ScriptCommand& c = commands_[next_++];
  Run(c);
  return true;
}

void ReplayRunner::RunAll() {
  while (RunNext()) {
  }
  // A control that waited for the buttons when the script ran out was let go by the host; one
  // more millisecond lets it finish what the release started (a popup menu reports Closed).
  if (feedsDoEvents_ && ctx_.Host().TakeReleasedForWaiter()) ctx_.Host().Advance(1);
}

void ReplayRunner::ExpectPicture(const PixelBuffer& shot, const ScriptCommand& c) {
  const PixelBuffer golden = ReadPngBuffer(c.expect);
  const PictureDifference d = ComparePictures(shot, golden, c.tolerance);
  if (d.Same()) return;
  const std::string diffPath = DiffPathFor(c.text);
  WritePng(d.picture, diffPath);
  Fail("snapshot", c.text + " differs from " + c.expect + ": " + d.Describe(shot, golden) + "; difference in " + diffPath,
       0);
}

void ReplayRunner::Fail(const std::string& what, const std::string& text, int32_t number) {
  ++failures_;
  ctx_.Print("error: " + what + ": " + text + (number ? " (" + std::to_string(number) + ")" : ""));
}

Variant ReplayRunner::Evaluate(const MemberPath& path, uint16_t flags, std::vector<Variant> extra) {
  const PathSegment& first = path.segments.front();
  Ref<Object> obj = ctx_.Resolve(first.name);
  if (!obj) Raise(errObjectRequired, "no object named \"" + first.name + "\"");
  if (!first.args.empty()) Raise(errNotSupported, "\"" + first.name + "\" takes no arguments");
  if (path.segments.size() == 1) {
    if (flags & (kLet | kSet)) Raise(errNotSupported);
    return Variant(obj);
  }
  for (size_t i = 1; i < path.segments.size(); ++i) {
    const PathSegment& seg = path.segments[i];
    std::vector<Variant> args;
    for (const auto& a : seg.args) args.push_back(ctx_.MakeValue(a));
    const bool last = i + 1 == path.segments.size();
    if (last) {
      for (Variant& v : extra) args.push_back(std::move(v));
      return InvokeMember(*obj, seg.name, flags, args);
    }
    Variant v = InvokeMember(*obj, seg.name, kGet | kMethod, args);
    Ref<Object> next = v.IsObject() ? v.ToObject() : Ref<Object>();
    if (!next) Raise(errObjectRequired, "\"" + seg.name + "\" is not an object");
    obj = next;
  }
  return Variant();
}

void ReplayRunner::Tick(uint64_t ms) {
  // Each timer firing repaints a control: a long wait while a control hovers would run for hours.
  VirtualClock& clock = ctx_.Host().Clock();
  const std::string what = "tick " + std::to_string(ms);
  const std::string limit = std::to_string(limits::kTimerFiringsPerTick);
  if (const uint64_t firings = clock.FiringsWithin(ms); firings > limits::kTimerFiringsPerTick) {
    Fail(what, "the running timers would fire " + std::to_string(firings) + " times; one tick may fire them " +
                   limit + " times at most (the clock did not move)", 0);
    return;
  }
  const uint64_t moved = clock.Advance(ms, limits::kTimerFiringsPerTick);
  if (moved < ms) {
    Fail(what, "timers started meanwhile fired " + limit + " times, the most one tick may fire them; the clock " +
                   "stopped after " + std::to_string(moved) + " ms", 0);
  }
}

void ReplayRunner::Run(const ScriptCommand& c) {
  HeadlessHost& host = ctx_.Host();
  const PointL origin = ctx_.ClientOrigin();
  switch (c.kind) {
    case ScriptCommand::Move: host.MoveMouse({origin.x + c.x, origin.y + c.y}); break;
    case ScriptCommand::Down: host.PressButton(c.button); break;
    case ScriptCommand::Up: host.ReleaseButton(c.button); break;
    case ScriptCommand::KeyDown: host.KeyDown(static_cast<int16_t>(c.x), static_cast<int16_t>(c.y)); break;
    case ScriptCommand::KeyUp: host.KeyUp(static_cast<int16_t>(c.x), static_cast<int16_t>(c.y)); break;
    case ScriptCommand::KeyPress: host.KeyPress(static_cast<int16_t>(c.x)); break;
    case ScriptCommand::Focus: {
      HeadlessSurface* w = ctx_.Window(c.text);
      if (!w) {
        Fail("focus " + c.text, "no control named \"" + c.text + "\"", errObjectRequired);
      } else {
        host.SetFocus(w);
      }
      break;
    }
    case ScriptCommand::Tick: Tick(c.ms); break;
    case ScriptCommand::Let:
    case ScriptCommand::Set:
    case ScriptCommand::Get:
    case ScriptCommand::Call: {
      try {
        if (c.kind == ScriptCommand::Get) {
          const Variant v = Evaluate(c.path, kGet | kMethod, {});
          ctx_.Print(c.path.text + " = " + FormatValue(v));
        } else if (c.kind == ScriptCommand::Call) {
          Evaluate(c.path, kMethod | kGet, {});
        } else {
          Variant value = c.valueIsPath ? Evaluate(c.valuePath, kGet | kMethod, {}) : ctx_.MakeValue(c.value);
          Evaluate(c.path, c.kind == ScriptCommand::Let ? kLet : kSet, {std::move(value)});
        }
      } catch (const RuntimeError& e) {
        Fail(c.path.text, e.what(), e.Number());
      }
      break;
    }
    case ScriptCommand::Snapshot:
      try {
        ctx_.CheckOutput(c.text);
        if (c.expect.empty()) {
          SnapshotRows shot(host, ctx_.SnapshotArea());
          WritePng(shot, c.text);
        } else {
          const PixelBuffer shot = host.Snapshot(ctx_.SnapshotArea());
          WritePng(shot, c.text);
          ExpectPicture(shot, c);
        }
      } catch (const std::exception& e) {
        Fail("snapshot", e.what(), 0);
      }
      break;
    case ScriptCommand::Save:
      try {
        ctx_.Save(c.text);
      } catch (const std::exception& e) {
        Fail("save", e.what(), 0);
      }
      break;
    case ScriptCommand::Echo: ctx_.Print(c.text); break;
  }
}

}  // namespace vorn
