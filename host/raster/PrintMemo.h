#pragma once
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/Geometry.h"
#include "host/pixels/PixelBuffer.h"
#include "host/raster/HaloPlan.h"
#include "host/raster/LazyClear.h"
#include "host/text/FontFace.h"

namespace vorn {

/// A recent print: what was printed where, and once it was printed there twice, the pixels of its
/// area before and after.
struct RecentPrint {
  const FontFace* face = nullptr;  // null: holds nothing
  std::string text;
  int32_t x = 0, y = 0;
  uint32_t fore = 0, halo = 0;
  RectL clip{};
  std::vector<PointL> offsets;
  bool kept = false;    // before and after hold its last print
  int32_t misses = 0;   // prints here in a row over other pixels than kept
  int32_t resting = 0;  // prints to draw plainly before keeping again
  RectL area{};
  std::vector<uint32_t> before, after;  // before empty when it was one colour:
  bool beforeUniform = false;           // beforeColor
  uint32_t beforeColor = 0;
};

/// One print of a text: its face, place (pixels), colours, and the offsets of its halo (empty
/// for a plain print, whose halo colour is unused).
struct TextPrint {
  FontFace& face;
  std::string_view text;
  int32_t x, y;
  uint32_t fore, halo;
  std::span<const PointL> offsets;
};

/// A raster surface's prints, kept so that a repaint prints a caption again only over other
/// pixels: most repaints draw the same picture again. Short texts are kept with the pixels they
/// were printed over and what those became (the last 32 printed). A caption with a halo printed
/// again over other pixels is drawn from a HaloPlan of it (the last 4 kept).
class PrintMemo {
 public:
  /// Prints p into pixels, whose waiting clear is done (clear.Pending() is false). True when
  /// the pixels came from the memo (pasted, or a ghost taken) rather than drawn, in which case
  /// the fresh rows still hold; after a false the caller lets go of them.
  bool Print(PixelBuffer& pixels, LazyClear& clear, const TextPrint& p);

 private:
  /// Draws p plainly, or with its halo through a kept plan where there is one.
  void Draw(PixelBuffer& pixels, const TextPrint& p);
  /// The memo of p at its place, or null.
  RecentPrint* Find(const TextPrint& p, const RectL& clip) noexcept;
  /// Starts a memo of p at its place.
  void Note(const TextPrint& p, const RectL& clip);
  /// The pixels p can reach (its ink, spread by the offsets) within clip.
  static RectL AreaOf(const TextPrint& p, const RectL& clip);
  /// Keeps the pixels of m's area as they are before its print.
  static void KeepBefore(const PixelBuffer& pixels, RecentPrint& m);
  /// Pastes m's pixels after its print if its area holds the pixels KeepBefore kept; false,
  /// changing nothing, if not.
  static bool PasteIfSameBefore(PixelBuffer& pixels, const RecentPrint& m);

  static constexpr size_t kText = 64;     // bytes of text printed through the memo, at most
  static constexpr int64_t kArea = 8192;  // pixels of its area, at most
  static constexpr int32_t kMisses = 2;   // misses in a row before a place rests
  static constexpr int32_t kRest = 16;    // prints a place then draws plainly

  // A caption with its halo printed again, over other pixels: printed twice, it is worked out
  // once (HaloPlan) and drawn from that from then on.
  struct HaloMemo {
    const FontFace* face = nullptr;  // null: holds nothing
    std::string text;
    std::vector<PointL> offsets;
    uint32_t fore = 0, halo = 0;
    enum class State { Seen, Planned, Plain } state = State::Seen;
    HaloPlan plan;
  };
  void DrawHalo(PixelBuffer& pixels, const TextPrint& p);

  std::array<RecentPrint, 32> prints_;
  // Where each print was, side by side: most prints find theirs by place alone.
  std::array<uint64_t, 32> places_{};
  static uint64_t Place(int32_t x, int32_t y) noexcept {
    return uint64_t{static_cast<uint32_t>(x)} << 32 | static_cast<uint32_t>(y);
  }
  size_t next_ = 0;
  size_t last_ = 0;  // the last one found
  std::array<HaloMemo, 4> halos_;
  size_t nextHalo_ = 0;
  HaloPlan::Scratch haloScratch_;
};

}  // namespace vorn
