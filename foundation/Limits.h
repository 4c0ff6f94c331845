#pragma once
#include <cstdint>

// What the hosts accept from a document, a script, a picture or a handler, in one place, so that
// hostile or careless input ends with an error that states the limit instead of a crash, a hang
// or gigabytes of memory. docs/limits.md states the same numbers (a test keeps them in step).
namespace vorn::limits {

/// Bytes of a form document, a replay script and a PNG file.
constexpr uint64_t kDocumentBytes = 16u << 20;
constexpr uint64_t kScriptBytes = 16u << 20;
constexpr uint64_t kImageBytes = 16u << 20;
/// Bytes of the library's registry file.
constexpr uint64_t kRegistryBytes = 16u << 20;
/// Pixels of a picture read from a PNG file (4096 x 4096).
constexpr uint64_t kPicturePixels = 4096u * 4096u;

/// Commands of a replay script, counting each step of a `click` (3) and each typed character.
constexpr uint64_t kScriptCommands = 200000;

/// Nesting of arrays and objects in a document, and of brackets and parentheses in a script
/// line's path, arguments and value.
constexpr int kJsonDepth = 100;

/// Event handlers running inside one another (a Click handler that clicks again). One more raises
/// run-time error 28, Out of stack space.
constexpr int kNestedEvents = 40;
/// Event handlers run within one outermost event (a script command, a timer firing); one more
/// raises error 28 too, so that handlers raising several events each cannot run exponentially.
constexpr int kHandlerRuns = 1000;

/// Positions in a document: the form's left and top (screen pixels), a control's left and top
/// (client pixels). Sizes: 1..kSize for the form, 0..kSize for a control.
constexpr int32_t kPosition = 32767;
constexpr int32_t kSize = 8192;
/// A window the controls size at run time (a popup menu) may have at most this many pixels a side.
constexpr int32_t kWindowSide = 32767;
constexpr uint64_t kWindowPixels = 8192u * 8192u;

/// Timer firings one `tick` may cause: a tick that would fire the running timers more often is
/// refused before the clock moves (a hovered control's 1 ms timer fires once a millisecond).
constexpr uint64_t kTimerFiringsPerTick = 100000;

}  // namespace vorn::limits
