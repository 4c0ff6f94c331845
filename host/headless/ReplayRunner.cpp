// Running a replay script against a form in the headless host.
#include "foundation/Dispatch.h"
#include "foundation/Limits.h"
#include "foundation/RuntimeError.h"
#include "host/headless/ReplayScript.h"
#include "host/headless/SnapshotRows.h"
#include "host/headless/ValueText.h"
#include "host/raster/PictureDiff.h"
#include "host/raster/Png.h"

namespace vorn {

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
