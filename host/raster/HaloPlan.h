#pragma once
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "foundation/Color.h"
#include "foundation/Geometry.h"
#include "host/pixels/PixelBuffer.h"
#include "host/text/FontFace.h"

namespace vorn {

/// A text printed at each of a list of offsets in one colour and then once in place in another
/// (a caption and its halo: FontFace::DrawRepeated), worked out once, so that printing it again
/// over other pixels costs a store or a few blends a pixel instead of every print.
///
/// Which blends reach a pixel, in which order and how strongly, depends only on the text, the
/// offsets and the colours. Each blend is monotonic in every channel, so a pixel whose blends
/// give the same colour over black and over white gives it over anything: it is kept finished
/// and stored. The others (the soft rim) keep their blends, colours and coverages worked into
/// the two factors of each, and replay them in order, two pixels at a time.
class HaloPlan {
 public:
  /// What Build draws in; kept between builds so that building again reuses its storage.
  struct Scratch {
    PixelBuffer overBlack, overWhite;
    struct RimPixel {
      uint32_t index;  // in the box
      uint32_t first;  // its first blend in cover
      uint32_t steps;
    };
    std::vector<uint32_t> count;  // blends a pixel of the box, then where its next one goes
    std::vector<uint8_t> cover;   // the coverages of the rim's blends, pixel by pixel
    std::vector<uint8_t> inLast;  // 1 where that blend is in colour last
    std::vector<RimPixel> rim;
  };

  /// Works the plan out; false, keeping nothing, for a text of more glyphs than kMaxGlyphs or
  /// prints spread over more than kMaxArea pixels, which are drawn the plain way.
  bool Build(FontFace& face, std::string_view text, std::span<const PointL> offsets, Color c, Color last,
             Scratch& scratch);
  /// The pixels of face.DrawRepeated(target, x, y, text, offsets, c, last), within the clip.
  void Draw(PixelBuffer& target, int32_t x, int32_t y) noexcept;

  /// Draws with the AVX2 kernels when on and the processor has them (the default), otherwise with
  /// the plain ones, which tests compare too; true when the AVX2 ones are in use.
  static bool UseAvx2(bool on) noexcept;

  static constexpr size_t kMaxGlyphs = FontFace::kRepeatedGlyphs;
  static constexpr int64_t kMaxArea = 8192;
  /// Pixels of the rim blended together.
  static constexpr size_t kGroup = 8;

 private:
  // Eight pixels of the rim (the last one repeated to fill a group) and their blends: for each
  // step, four pairs of 8 lanes, 255 - coverage and colour x coverage + 128, for the channels of
  // two pixels each.
  struct Group {
    int16_t dx[kGroup], dy[kGroup];
    int64_t at[kGroup];  // dy x stride_ + dx
    uint32_t first;      // into factors_
    uint32_t steps;
  };
  struct alignas(16) Lanes {
    uint16_t v[8];
  };
  /// Keeps nothing.
  void Clear() noexcept;
  /// Sorts the pixels of the box that s.count says a print reaches: finished (the same over
  /// black and over white) or rim (s.rim, with where their blends will go in s.count). Returns
  /// the rim's blends.
  size_t SortPixels(Scratch& s, int32_t w, int32_t h);
  /// The rim's pixels in groups of kGroup with their blends' factors, from s.rim, s.cover and
  /// s.inLast; box is where the box lies relative to the text's place.
  void GroupRim(Scratch& s, const RectL& box, Color c, Color last);
  /// The rim's pixels (Whole: all of the box is inside the clip).
  template <bool Whole>
  void DrawRim(PixelBuffer& target, int32_t x, int32_t y) const noexcept;
  struct Span {
    int32_t from = 0, to = 0;  // the columns of a row of the box holding finished pixels
  };

  RectL box_{};  // the pixels the prints reach, relative to (x, y)
  // Row by row over the box: a pixel beneath becomes (pixel & keep_) | finished_; keep_ is all
  // ones where it stays (no print reaches it, or the rim, blended afterwards).
  std::vector<uint32_t> keep_, finished_;
  std::vector<Span> spans_;
  std::vector<Group> groups_;
  std::vector<Lanes> factors_;
  int64_t stride_ = -1;  // the target width Group::at is for
};

}  // namespace vorn
