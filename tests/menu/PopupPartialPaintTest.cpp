// A menu taller than the screen paints only what the screen shows, and a pointer move repaints
// only the rows whose highlight changed. What shows must be what a complete repaint of the whole
// menu gives: the same menu on a screen tall enough to show all of it is the reference.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "controls/menu/vornPUMenu.h"
#include "host/form/ImageList.h"
#include "host/headless/HeadlessSite.h"

namespace vorn {
namespace {

struct TallMenu {
  explicit TallMenu(int32_t screenHeight) : host(1024, screenHeight) {
    ambient = std::make_shared<FormAmbient>();
    ambient->font = MakeRef<Font>("DejaVu Sans", 8.0f);
    form = std::make_unique<HeadlessSurface>(host, WindowKind::Form, "Form1", nullptr, RectL{0, 0, 400, 300},
                                             ambient->font->Clone(), 0xF0F0F0);
    site = std::make_unique<HeadlessSite>(host, form.get(), "Menu1", RectL{10, 10, 57, 57}, ambient);
    menu = Ref<vornPUMenu>(new vornPUMenu(*site));
    StartControl(*menu, nullptr);
    menu->UserControl_Show();
    auto list = MakeRef<ImageList>("icons", int16_t{16}, int16_t{16});
    for (uint32_t c : {0xFF2080C0u, 0x80C04040u}) list->Add(MakeRef<Picture>(16, 16, std::vector<uint32_t>(256, c)));
    menu->putref_Imagelist(list);
    // Every kind of row, bold ones, checked ones, icons, and captions of two lines whose second
    // line lies on the row below.
    for (int i = 1; i <= 1000; ++i) {
      const int32_t type = i % 97 == 0   ? 0
                           : i % 10 == 0 ? itPlaceholder
                           : i % 7 == 0  ? itCheck
                           : i % 25 == 1 ? itTitle
                                         : itNormal;
      const std::string caption = i % 13 == 0 ? "Two\nlines " + std::to_string(i) : "Entry " + std::to_string(i);
      menu->MenuItem_->Add("", caption, static_cast<int16_t>(i % 3 == 0 ? 1 + i % 2 : 0), true, "", "", type, i % 2 == 0,
                           i % 11 == 0);
    }
  }
  ~TallMenu() { menu->UserControl_Terminate(); }

  void Open() {
    int32_t x = 300 * 15;
    int32_t y = 700 * 15;
    menu->CreateMenu(x, y, "", 0);
  }
  Surface& Popup() { return menu->PUMenu(); }

  HeadlessHost host;
  std::shared_ptr<FormAmbient> ambient;
  std::unique_ptr<HeadlessSurface> form;
  std::unique_ptr<HeadlessSite> site;
  Ref<vornPUMenu> menu;
};

// Compares what the small screen shows of its popup with the reference's pixels there.
void ExpectShownAsReference(TallMenu& small, TallMenu& reference, const std::string& when) {
  const RectL shown = small.Popup().Exposed();
  ASSERT_FALSE(IsEmpty(shown)) << when;
  ASSERT_EQ(small.Popup().ScaleHeight(), reference.Popup().ScaleHeight()) << when;
  for (int32_t y = shown.top; y < shown.bottom; ++y) {
    for (int32_t x = shown.left; x < shown.right; ++x) {
      ASSERT_EQ(small.Popup().Point(x, y), reference.Popup().Point(x, y)) << when << " at " << x << "," << y;
    }
  }
}

TEST(PopupPartialPaint, WhatAScreenShowsOfATallMenuIsWhatACompleteRepaintGives) {
  TallMenu small(768);
  TallMenu reference(24000);
  small.Open();
  reference.Open();
  const RectL shown = small.Popup().Exposed();
  ASSERT_EQ(shown.bottom, static_cast<int32_t>(small.Popup().ScaleHeight()));  // it opened upwards
  ASSERT_EQ(reference.Popup().Exposed().top, 0);                             // the reference shows it all
  ExpectShownAsReference(small, reference, "opened");

  // Rows of the shown part: moving over each, onto what cannot be chosen, and away.
  std::vector<float> ys;
  for (float y = static_cast<float>(shown.top) + 0.5f; y < static_cast<float>(shown.bottom); y += 7) ys.push_back(y);
  ys.push_back(50);  // a row far above the screen
  ys.push_back(static_cast<float>(shown.bottom) - 1);
  for (float y : ys) {
    small.menu->PUMenu_MouseMove(0, 0, 20, y);
    reference.menu->PUMenu_MouseMove(0, 0, 20, y);
    reference.menu->DrawMenu("");
    ASSERT_EQ(small.menu->HoverRow(), reference.menu->HoverRow());
    ExpectShownAsReference(small, reference, "pointer at " + std::to_string(y));
  }

  // A change of a shown item, which the menu is not told of, shows at the next pointer move.
  const int16_t row = small.menu->HoverRow();
  for (TallMenu* m : {&small, &reference}) {
    m->menu->MenuItem_->At(995).put_Caption("Changed");
    m->menu->MenuItem_->At(990).put_Bold(true);
    m->menu->PUMenu_MouseMove(0, 0, 20, ys.front());
  }
  reference.menu->DrawMenu("");
  EXPECT_NE(small.menu->HoverRow(), row);
  ExpectShownAsReference(small, reference, "after a change of two items");
  EXPECT_EQ(small.Popup().FontBold(), reference.Popup().FontBold());
}

}  // namespace
}  // namespace vorn
