#include <gtest/gtest.h>

#include <cstring>

#include "PopupFixture.h"
#include "foundation/Dispatch.h"
#include "support/MemoryPropertyBag.h"

namespace vorn {
namespace {

using test::PopupFixture;

TEST(PopupColours, BackColorSetWhileOpenRepaintsAtOnce) {
  PopupFixture m;
  m.Add("Open");
  m.OpenAt300x200();
  m.MoveOnPopup(30, 10);
  std::vector<std::string> changed;
  m.ambient->propertyChanged = [&](const std::string&, std::string_view p) { changed.emplace_back(p); };
  m->put_BackColor(0xE0FFE0);
  EXPECT_EQ(m.At(1, 1), 0xE0FFE0u);
  EXPECT_EQ(m.At(0, 0), BlendColor(0xE0FFE0, 0xC00000, 120));
  EXPECT_EQ(m.At(3, 3), BlendColor(0xE0FFE0, 0x80FF, 180));  // the highlight stays
  m->put_SelectionColor(0x00FF00);
  EXPECT_EQ(m.At(3, 3), BlendColor(0xE0FFE0, 0x00FF00, 180));
  m->put_ForeColor(0x000080);
  EXPECT_EQ(m.At(0, 0), BlendColor(0xE0FFE0, 0x000080, 120));
  m->putref_Imagelist(nullptr);
  EXPECT_EQ(changed, (std::vector<std::string>{"BackColor", "SelectionColor", "ForeColor", "ImageList"}));
}

TEST(PopupFont, SettingTheFontChangesNeitherTextNorSize) {
  PopupFixture m;
  m.Add("Open a file");
  m.OpenAt300x200();
  const PixelBuffer before = m.Popup().Pixels();
  std::vector<std::string> changed;
  m.ambient->propertyChanged = [&](const std::string&, std::string_view p) { changed.emplace_back(p); };
  auto big = MakeRef<Font>("DejaVu Serif", 20.0f, true);
  SetMember(*m.control, "Font", Variant(big));
  EXPECT_EQ(changed, (std::vector<std::string>{"Font"}));
  EXPECT_EQ(m->get_Font().get(), big.get());
  m.OpenAt300x200();
  ASSERT_EQ(m.Popup().Pixels().Width(), before.Width());
  ASSERT_EQ(m.Popup().Pixels().Height(), before.Height());
  EXPECT_EQ(std::memcmp(m.Popup().Pixels().Data(), before.Data(), before.Width() * before.Height() * 4u), 0);
  EXPECT_THROW(m->putref_Font(nullptr), RuntimeError);
  EXPECT_EQ(m->get_Font().get(), big.get());
}

TEST(PopupPlaceholder, KeepsSevenHundredFiveTwipsWhateverTheHostAsks) {
  PopupFixture m;
  EXPECT_EQ(m.Window().Width(), 705);
  EXPECT_EQ(m.Window().Height(), 705);
  m.Window().MovePx(5, 5, 200, 90);
  EXPECT_EQ(m.Window().Pixels().Width(), 47);
  EXPECT_EQ(m.Window().Pixels().Height(), 47);
}

TEST(PopupWindow, ShowDetachesAnOwnedToolWindowAndOpeningMakesItTopmostAndTranslucent) {
  PopupFixture m;
  HeadlessSurface& p = m.Popup();
  EXPECT_EQ(p.Parent(), nullptr);
  EXPECT_TRUE(p.exStyle & WS_EX_TOOLWINDOW);
  EXPECT_EQ(p.owner, m.form->hWnd());
  EXPECT_TRUE(m.host.GetClassLong(p.hWnd(), GCL_STYLE) & CS_DROPSHADOW);
  EXPECT_FALSE(p.Visible());
  m->UserControl_Show();  // again: nothing changes
  EXPECT_EQ(p.owner, m.form->hWnd());
  m.Add("Open");
  m.OpenAt300x200();
  EXPECT_TRUE(p.topmost);
  EXPECT_EQ(p.alpha, 230);
  EXPECT_TRUE(p.exStyle & WS_EX_LAYERED);
  // Above a form created later, as the topmost popup it is.
  HeadlessSurface later(m.host, WindowKind::Form, "Later", nullptr, RectL{0, 0, 1024, 768}, MakeRef<Font>(), 0);
  EXPECT_EQ(m.host.WindowAt({305, 205}), &p);
  m->UserControl_Terminate();
  EXPECT_EQ(p.alpha, 255);
  EXPECT_FALSE(p.exStyle & WS_EX_LAYERED);
}

TEST(PopupWindow, TheScreenPictureBlendsThePopupAndItsShadow) {
  PopupFixture m;
  m.Add("Open");
  m.Open(700 * 15, 500 * 15);  // off the form, over the desktop
  const RectL r = m.PopupRect();
  const PixelBuffer shot = m.host.Snapshot({0, 0, 1024, 768});
  // White at 230/255 over the desktop colour.
  const Color desk = HeadlessHost::kDesktopColor;
  auto mix = [](uint8_t top, uint8_t under) { return static_cast<int>((top * 230 + under * 25 + 127) / 255); };
  const Color inside = shot.Get(r.left + 5, r.top + 5);
  EXPECT_NEAR(RedOf(inside), mix(0xFF, RedOf(desk)), 2);
  EXPECT_NEAR(BlueOf(inside), mix(0xFF, BlueOf(desk)), 2);
  // The shadow darkens the desktop just past the bottom-right corner.
  const Color shade = shot.Get(r.right + 1, r.bottom + 1);
  EXPECT_LT(GreenOf(shade), GreenOf(desk));
  EXPECT_EQ(shot.Get(r.right + 10, r.bottom + 10), desk);
}

TEST(PopupPersistence, ReadsAndWritesFiveValuesInOrder) {
  test::MemoryPropertyBag bag;
  bag.stored["BackColor"] = Variant::FromColor(0xF0F0F0);
  bag.stored["SelectionColor"] = Variant("orange");  // wrong type: reported, default kept
  test::Harness<vornPUMenu> m(47, 47, &bag);
  const std::vector<std::string> order{"BackColor", "ForeColor", "Font", "ImageList", "SelectionColor"};
  EXPECT_EQ(bag.reads, order);
  EXPECT_EQ(bag.bad, (std::vector<std::string>{"SelectionColor"}));
  EXPECT_EQ(m->get_BackColor(), 0xF0F0F0u);
  EXPECT_EQ(m->get_SelectionColor(), 0x80FFu);
  EXPECT_EQ(m->Scheme()[1], 0xF0F0F0u);
  EXPECT_EQ(m->PUMenu().BackColor(), 0xF0F0F0u);
  test::MemoryPropertyBag out;
  m->UserControl_WriteProperties(out);
  EXPECT_EQ(out.writes, order);
  EXPECT_EQ(out.stored["BackColor"].ToColor(), 0xF0F0F0u);
  EXPECT_EQ(out.defaults["ForeColor"].ToColor(), 0xC00000u);
  EXPECT_FALSE(out.stored["ImageList"].ToObject());
}

TEST(PopupDispatch, FieldsMethodsAndEventsByName) {
  PopupFixture m;
  Ref<Object> list = GetMember(*m.control, "MenuItem").ToObject();
  ASSERT_EQ(list.get(), m->MenuItem_.get());
  std::vector<Variant> add{Variant("k"), Variant("Caption")};
  InvokeMember(*list, "Add", kMethod, add);
  // A list stored by reference from elsewhere is the one shown and changed.
  auto other = MakeRef<MenuItems>();
  SetMember(*m.control, "MenuItem", Variant(other));
  other->Add("x", "Other", 0, true, "", "", itNormal, false, false);
  EXPECT_EQ(m->MenuItem_.get(), other.get());
  InvokeMember(*m.control, "CreateMenu", kMethod, {});
  EXPECT_EQ(m->Listings()->Count(), 1);
  EXPECT_TRUE(GetMember(*m.control, "MenuVisible").ToBool());
  EXPECT_THROW(SetMember(*m.control, "MenuItem", Variant(MakeRef<Font>())), RuntimeError);
  InvokeMember(*m.control, "KillMenu", kMethod, {});
  m.Tick();
  EXPECT_FALSE(GetMember(*m.control, "MenuVisible").ToBool());
  EXPECT_EQ(m.log.Joined(), "Closed()");
  EXPECT_EQ(m->Class().FindEvent(1)->name, "ItemClick");
}

}  // namespace
}  // namespace vorn
