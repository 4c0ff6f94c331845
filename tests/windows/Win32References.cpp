// The Linux side of the Windows pixel tests: renders each case of PixelCases.h in the headless
// host (with each control's stored property names in their order), and compares the pictures container_test captured under Wine with them, writing a
// difference picture beside each capture that differs.
//
// usage: win32_references render REFERENCE-FOLDER
//        win32_references compare REFERENCE-FOLDER CAPTURE-FOLDER
#include <algorithm>
#include <cstdio>
#include <exception>
#include <stdexcept>
#include <string>

#include "PixelCases.h"
#include "foundation/Control.h"
#include "foundation/Dispatch.h"
#include "foundation/PropertyTable.h"
#include "host/headless/HeadlessSite.h"
#include "host/raster/PictureDiff.h"
#include "host/raster/Png.h"
#include "library/TypeLibrary.h"

using namespace vorn;
using pixelcases::Case;
using pixelcases::Look;

namespace {

// GDI and FreeType shape the same glyphs a little differently: GDI's ink may reach this far
// beyond FreeType's.
constexpr int32_t kGlyphMargin = 2;

void Apply(Control& control, const char* steps) {
  for (const pixelcases::Step& s : pixelcases::Steps(steps)) {
    Ref<Object> target(&control);
    if (!s.object.empty()) target = GetMember(control, s.object).ToObject();
    if (s.call) {
      std::vector<Variant> args(s.args.begin(), s.args.end());
      InvokeMember(*target, s.member, kMethod, args);
    } else {
      LetMember(*target, s.member, Variant(s.args.at(0)));
    }
  }
}

// The picture of a case, as the Windows host must paint it: the control's window with its child
// windows, or its open popup.
PixelBuffer Render(const Case& c, const char* steps) {
  HeadlessHost host;
  auto ambient = std::make_shared<FormAmbient>();
  ambient->font = MakeRef<Font>("DejaVu Sans", 8.0f);
  HeadlessSurface form(host, WindowKind::Form, "Form", nullptr, RectL{40, 40, 640, 340}, ambient->font->Clone(),
                       0xF0F0F0);
  auto site = std::make_unique<HeadlessSite>(host, &form, "ctl", RectL{10, 10, 10 + c.width, 10 + c.height}, ambient);
  const LibraryClass* cls = FindLibraryClass(std::string("vornButton2.") + c.cls);
  Ref<Control> control = cls->create(*site);
  StartControl(*control, nullptr);  // Initialize, InitProperties, Resize
  control->UserControl_Show();
  control->UserControl_Show();  // once more as the container shows it
  Apply(*control, steps);
  const RectL r = site->Window().ScreenRect();
  const PointL at{r.left + c.x, r.top + c.y};
  switch (c.look) {
    case Look::Hot: host.MoveMouse(at); break;
    case Look::Pressed:
      host.MoveMouse(at);
      host.PressButton(kLeftButton);
      break;
    case Look::Focused: host.SetFocus(&site->Window()); break;
    default: break;
  }
  host.Advance(20);
  PixelBuffer picture;
  if (c.look == Look::Popup) {
    for (const HeadlessSurface* w : host.ZOrder()) {
      if (w->Kind() == WindowKind::Picture && w->Visible()) {
        picture.Resize(w->Pixels().Width(), w->Pixels().Height(), 0);
        HeadlessHost::CompositeTree(*w, picture, 0, 0);
      }
    }
  } else {
    // The control's window, at the size the control gave it (a popup menu's placeholder keeps its own).
    picture.Resize(site->Window().Pixels().Width(), site->Window().Pixels().Height(), 0);
    HeadlessHost::CompositeTree(site->Window(), picture, 0, 0);
  }
  control->UserControl_Terminate();
  control = nullptr;
  return picture;
}

// Each control's stored properties in their order, as their property tables give them: the bag
// names a container's property bag must see ("CLASS NAME NAME ..." per line).
void WriteBagNames(const std::string& path) {
  std::string text;
  for (const LibraryClass& c : TypeLibrary().classes) {
    if (c.kind != ClassKind::Control || !c.table().properties) continue;
    text += std::string(c.name);
    for (const PropertyRow& row : c.table().properties->rows) {
      if (row.slot.kind != PropertySlot::None && !row.bag.empty()) text += " " + std::string(row.bag);
    }
    text += "\n";
  }
  FILE* f = std::fopen(path.c_str(), "w");
  if (!f || std::fputs(text.c_str(), f) < 0 || std::fclose(f) != 0) throw std::runtime_error(path + ": cannot write");
}

int RenderAll(const std::string& folder) {
  WriteBagNames(folder + "/bag-names.txt");
  for (const Case& c : pixelcases::kCases) {
    WritePng(Render(c, c.steps), folder + "/" + c.name + ".png");
    if (c.blank) WritePng(Render(c, c.blank), folder + "/" + c.name + ".blank.png");
  }
  return 0;
}

// The pixels where two pictures of one size differ, as a rectangle (empty when none).
RectL Differences(const PixelBuffer& a, const PixelBuffer& b) {
  RectL box{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
  for (int32_t y = 0; y < a.Height(); ++y) {
    for (int32_t x = 0; x < a.Width(); ++x) {
      if (a.Get(x, y) == b.Get(x, y)) continue;
      box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1), std::max(box.bottom, y + 1)};
    }
  }
  return box.left > box.right ? RectL{} : box;
}

bool Inside(const RectL& inner, const RectL& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right && inner.bottom <= outer.bottom;
}

// A case with text: outside the text box the pictures are equal pixel for pixel; inside it GDI
// left ink, and all of it within the box.
std::string CompareText(const PixelBuffer& reference, const PixelBuffer& blank, const PixelBuffer& captured,
                        PixelBuffer& outsideDiff) {
  const RectL ink = Differences(reference, blank);
  if (ink.right <= ink.left) return "the reference holds no text";
  const RectL box{ink.left - kGlyphMargin, ink.top - kGlyphMargin, ink.right + kGlyphMargin, ink.bottom + kGlyphMargin};
  PixelBuffer masked = captured;
  PixelBuffer expected = reference;
  for (int32_t y = std::max(0, box.top); y < std::min(box.bottom, captured.Height()); ++y) {
    for (int32_t x = std::max(0, box.left); x < std::min(box.right, captured.Width()); ++x) {
      masked.SetPixel(x, y, 0);
      expected.SetPixel(x, y, 0);
    }
  }
  const PictureDifference d = ComparePictures(expected, masked);
  if (!d.Same()) {
    outsideDiff = d.picture;
    return "outside the text box (" + std::to_string(box.left) + ", " + std::to_string(box.top) + ")-(" +
           std::to_string(box.right) + ", " + std::to_string(box.bottom) + "): " + d.Describe(expected, masked);
  }
  const RectL gdiInk = Differences(captured, blank);
  if (gdiInk.right <= gdiInk.left) return "the capture holds no text";
  if (!Inside(gdiInk, box)) {
    return "the ink (" + std::to_string(gdiInk.left) + ", " + std::to_string(gdiInk.top) + ")-(" +
           std::to_string(gdiInk.right) + ", " + std::to_string(gdiInk.bottom) + ") leaves the text box";
  }
  return "";
}

int CompareAll(const std::string& references, const std::string& captures) {
  int failures = 0;
  for (const Case& c : pixelcases::kCases) {
    const std::string capture = captures + "/" + c.name + ".png";
    std::string problem;
    PixelBuffer diff;
    try {
      const PixelBuffer reference = ReadPngBuffer(references + "/" + c.name + ".png");
      const PixelBuffer captured = ReadPngBuffer(capture);
      if (reference.Width() != captured.Width() || reference.Height() != captured.Height()) {
        problem = "sizes " + std::to_string(reference.Width()) + "x" + std::to_string(reference.Height()) + " and " +
                  std::to_string(captured.Width()) + "x" + std::to_string(captured.Height());
      } else if (c.blank) {
        problem = CompareText(reference, ReadPngBuffer(references + "/" + c.name + ".blank.png"), captured, diff);
      } else if (const PictureDifference d = ComparePictures(reference, captured); !d.Same()) {
        problem = d.Describe(reference, captured);
        diff = d.picture;
      }
    } catch (const std::exception& e) {
      problem = e.what();
    }
    if (problem.empty()) {
      std::printf("%s: as the headless host paints it\n", c.name);
      continue;
    }
    ++failures;
    if (diff.Width() > 0) {
      WritePng(diff, DiffPathFor(capture));
      problem += "; difference in " + DiffPathFor(capture);
    }
    std::printf("FAIL: %s: %s\n", c.name, problem.c_str());
  }
  return failures ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    const std::string cmd = argc > 1 ? argv[1] : "";
    if (cmd == "render" && argc == 3) return RenderAll(argv[2]);
    if (cmd == "compare" && argc == 4) return CompareAll(argv[2], argv[3]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "win32_references: %s\n", e.what());
    return 1;
  }
  std::fprintf(stderr, "usage: win32_references render REFERENCES | compare REFERENCES CAPTURES\n");
  return 2;
}
