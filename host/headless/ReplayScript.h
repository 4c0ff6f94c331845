#pragma once
#include <nlohmann/json.hpp>
#include <stdexcept>
#include <string>
#include <vector>

#include "foundation/Geometry.h"
#include "foundation/Variant.h"
#include "host/headless/HeadlessHost.h"

namespace vorn {

/// One step of a member path: a name and its arguments (JSON literals).
struct PathSegment {
  std::string name;
  std::vector<nlohmann::ordered_json> args;
};

/// NAME(.Member(ARGS))*, with the text as written for output.
struct MemberPath {
  std::string text;
  std::vector<PathSegment> segments;
};

struct ScriptCommand {
  enum Kind { Move, Down, Up, KeyDown, KeyUp, KeyPress, Focus, Tick, Let, Set, Get, Call, Snapshot, Save, Echo };
  Kind kind;
  int line = 0;
  int32_t x = 0, y = 0;       // Move; KeyDown/Up/Press code in x, shift in y (-1 = current)
  int16_t button = kLeftButton;
  uint64_t ms = 0;
  std::string text;           // Focus name, file, echo text
  std::string expect;         // Snapshot: the golden picture to compare with, if any
  int tolerance = 0;          // Snapshot: how far a channel may differ from the golden one
  MemberPath path;            // Let/Set/Get/Call
  bool valueIsPath = false;   // Set with an object path as its value
  nlohmann::ordered_json value;
  MemberPath valuePath;
};

/// A syntax error in a script: file and line, and what was wrong.
class ScriptError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

/// Parses a replay script; click expands to move, down and up, type to one key press per
/// character (code page 1252), so that a handler pumping events sees them one by one.
std::vector<ScriptCommand> ParseScript(const std::string& text, const std::string& file);
/// Parses one member path, as used by let/set/get/call.
MemberPath ParsePath(const std::string& text);

/// What a replay acts on: the form's objects by name, its place on the screen, output.
class ReplayContext {
 public:
  virtual ~ReplayContext() = default;
  virtual HeadlessHost& Host() = 0;
  /// A control or image list of the form by name, or null.
  virtual Ref<Object> Resolve(const std::string& name) = 0;
  virtual HeadlessSurface* Window(const std::string& name) = 0;
  /// Screen position of the form's client-area origin.
  virtual PointL ClientOrigin() = 0;
  virtual RectL SnapshotArea() = 0;
  virtual void Save(const std::string& path) = 0;
  /// Throws when a snapshot must not be written to path (a file the run reads).
  virtual void CheckOutput(const std::string& /*path*/) const {}
  virtual Variant MakeValue(const nlohmann::ordered_json& literal) = 0;
  virtual void Print(const std::string& line) = 0;
};

/// Runs a script against a form in the headless host. A replay installs itself as the host's pending
/// input, so that a handler calling DoEvents runs the next command; the lines of an event handler
/// run straight through (feedsDoEvents false), leaving the replay's input where it is.
class ReplayRunner {
 public:
  ReplayRunner(ReplayContext& ctx, std::vector<ScriptCommand> commands, bool feedsDoEvents = true);
  ~ReplayRunner();
  ReplayRunner(const ReplayRunner&) = delete;
  ReplayRunner& operator=(const ReplayRunner&) = delete;

  /// Runs the next command; false when none is left.
  bool RunNext();
  void RunAll();
  /// Failed let/set/get/call, snapshot and save commands.
  int Failures() const noexcept { return failures_; }

  /// Evaluates a path, invoking its last member with flags and extra trailing arguments.
  Variant Evaluate(const MemberPath& path, uint16_t flags, std::vector<Variant> extra);

 private:
  void Run(const ScriptCommand& c);
  void Tick(uint64_t ms);
  void Fail(const std::string& what, const std::string& text, int32_t number);
  /// Compares a snapshot with the golden picture its command names; a mismatch fails the command
  /// and leaves a difference picture beside the snapshot.
  void ExpectPicture(const PixelBuffer& shot, const ScriptCommand& c);

  ReplayContext& ctx_;
  std::vector<ScriptCommand> commands_;
  bool feedsDoEvents_;
  std::function<bool()> previous_;
  size_t next_ = 0;
  int failures_ = 0;
};

}  // namespace vorn
