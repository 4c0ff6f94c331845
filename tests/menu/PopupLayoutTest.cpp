#include <gtest/gtest.h>

#include "PopupFixture.h"
#include "foundation/Dispatch.h"

namespace vorn {
namespace {

using test::PopupFixture;

struct Row {
  int16_t index;
  int32_t top, height;
  bool selectable;
  friend bool operator==(const Row&, const Row&) = default;
};
std::vector<Row> Table(const vornPUMenu& m) {
  std::vector<Row> rows;
  for (int32_t r = 1; r <= m.Listings()->Count(); ++r) {
    const MenuItemListing& l = m.Listings()->At(r);
    EXPECT_EQ(l.Key(), "");
    rows.push_back({l.Index(), l.Top(), l.Height(), l.Selectable()});
  }
  return rows;
}

// Items of group "" at positions 2, 5 and 6, the others elsewhere.
void FillTwoFiveSix(PopupFixture& m) {
  m.Add("elsewhere", itNormal, "x");
  m.Add("Two");
  m.Add("elsewhere", itNormal, "x");
  m.Add("elsewhere", itNormal, "X");
  m.Add("", itPlaceholder);
  m.Add("Six", itCheck, "", 0, true);
}

TEST(PopupRowTable, RowsOfTheGroupFollowEachOtherFromTwo) {
  PopupFixture m;
  FillTwoFiveSix(m);
  m.OpenAt300x200();
  EXPECT_EQ(Table(*m.control), (std::vector<Row>{{2, 2, 21, true}, {5, 23, 3, false}, {6, 26, 21, true}}));
  EXPECT_EQ(m.SH(), 4 + 21 + 3 + 21);
}

TEST(PopupRowTable, HitTestIsStrictAndSkipsUnselectableRows) {
  PopupFixture m;
  FillTwoFiveSix(m);
  m.OpenAt300x200();
  auto hover = [&](float y) {
    m->PUMenu_MouseMove(0, 0, 10, y);
    return m->HoverRow();
  };
  EXPECT_EQ(hover(22.9f), 1);
  EXPECT_EQ(hover(23.0f), 0);  // the first row's end and the separator's top
  EXPECT_EQ(hover(24.5f), 0);  // on the separator, which cannot be chosen
  EXPECT_EQ(hover(26.0f), 0);  // exactly on a row's top
  EXPECT_EQ(hover(26.5f), 3);
  EXPECT_EQ(hover(2.0f), 0);
  EXPECT_EQ(hover(46.9f), 3);
  EXPECT_EQ(hover(47.0f), 0);
}

TEST(PopupRowTable, AnEmptyGroupGivesABorderFourPixelsHighAsWideAsTheWholeList) {
  PopupFixture m;
  m.Add("A rather long caption", itNormal, "other");
  m.Add("Short");
  const int32_t widest = static_cast<int32_t>(m.Popup().TextWidth("A rather long caption") + 0.5f);
  m.OpenAt300x200("nothing here");
  EXPECT_EQ(m->Listings()->Count(), 0);
  EXPECT_EQ(m.SH(), 4);
  EXPECT_EQ(m.SW(), 18 + widest + 32);
  m->PUMenu_MouseMove(0, 0, 5, 2.5f);
  EXPECT_EQ(m->HoverRow(), 0);
  EXPECT_EQ(m.At(0, 0), PopupFixture::kBorder);
  EXPECT_EQ(m.At(5, 3), PopupFixture::kBorder);
}

TEST(PopupRowHeights, WithoutAnImageList) {
  PopupFixture m;
  m.Add("Title", itTitle);
  m.Add("Normal");
  m.Add("", itPlaceholder);
  m.Add("Check", itCheck);
  m.Add("Odd type", 0);
  m.Add("Other odd type", 9);
  m.OpenAt300x200();
  EXPECT_EQ(Table(*m.control), (std::vector<Row>{{1, 2, 42, false},
                                                 {2, 44, 21, true},
                                                 {3, 65, 3, false},
                                                 {4, 68, 21, true},
                                                 {5, 89, 21, false},
                                                 {6, 110, 21, false}}));
  EXPECT_EQ(m->IconColumnWidth(), 18);
  const int32_t widest = static_cast<int32_t>(m.Popup().TextWidth("Other odd type") + 0.5f);
  EXPECT_EQ(m.SW(), 18 + widest + 32);
}

TEST(PopupRowHeights, ImagesTallerThanTheTextWidenAndHeightenRows) {
  PopupFixture m;
  m.Add("Title", itTitle);
  m.Add("Normal");
  m.Add("", itPlaceholder);
  m.Add("Odd", 7);
  m->putref_Imagelist(PopupFixture::SolidList(24, {0x0000FF}));
  m.OpenAt300x200();
  EXPECT_EQ(Table(*m.control), (std::vector<Row>{{1, 2, 40, false}, {2, 42, 28, true}, {3, 70, 3, false},
                                                 {4, 73, 21, false}}));
  EXPECT_EQ(m->IconColumnWidth(), 42);
}

TEST(PopupRowHeights, SixteenPixelImagesKeepTheTextRowsButWidenTheColumn) {
  PopupFixture m;
  m.Add("Title", itTitle);
  m.Add("Normal");
  m->putref_Imagelist(PopupFixture::SolidList(16, {0x0000FF}));
  m.OpenAt300x200();
  EXPECT_EQ(Table(*m.control), (std::vector<Row>{{1, 2, 42, false}, {2, 44, 21, true}}));
  EXPECT_EQ(m->IconColumnWidth(), 34);
  const int32_t widest = static_cast<int32_t>(m.Popup().TextWidth("Normal") + 0.5f);
  EXPECT_EQ(m.SW(), 34 + widest + 32);
}

TEST(PopupPlacement, OpensAtThePointerAndWritesThePositionBack) {
  PopupFixture m;
  m.Add("One");
  m.host.MoveMouse({300, 200});
  EXPECT_EQ(m.Open(0, 0), (PointL{4500, 3000}));
  EXPECT_EQ(m.PopupRect().left, 300);
  EXPECT_EQ(m.PopupRect().top, 200);
  // Through dispatch, as a host calls it: the by-reference arguments come back.
  std::vector<Variant> args{Variant(int32_t{0}), Variant(int32_t{0})};
  m.host.MoveMouse({10, 20});
  InvokeMember(*m.control, "CreateMenu", kMethod, args);
  EXPECT_EQ(args[0].ToLong(), 150);
  EXPECT_EQ(args[1].ToLong(), 300);
  EXPECT_EQ(m.PopupRect().left, 10);
}

TEST(PopupPlacement, OnlyBothZeroMeansAtThePointer) {
  PopupFixture m;
  m.Add("One");
  m.host.MoveMouse({500, 500});
  EXPECT_EQ(m.Open(0, 300), (PointL{0, 300}));
  EXPECT_EQ(m.PopupRect().left, 0);
  EXPECT_EQ(m.PopupRect().top, 20);
}

TEST(PopupPlacement, FlipsLeftAtTheRightEdgeAndUpAtTheBottom) {
  PopupFixture m;
  m.Add("One");
  m.Add("Two");
  m.OpenAt300x200();
  const int32_t w = m.SW() * 15;
  const int32_t h = m.SH() * 15;
  // Just fits: no flip (the test is "greater than").
  EXPECT_EQ(m.Open(15360 - w, 11520 - h), (PointL{15360 - w, 11520 - h}));
  // One twip more on each axis: opens to the left of and above the point.
  const PointL p = m.Open(15360 - w + 1, 11520 - h + 1);
  EXPECT_EQ(p, (PointL{15360 - 2 * w + 1, 11520 - 2 * h + 1}));
  EXPECT_EQ(m.PopupRect().right, (15360 - w) / 15);
  // Only the right edge.
  EXPECT_EQ(m.Open(15000, 150), (PointL{15000 - w, 150}));
}

TEST(PopupPlacement, NothingIsCorrectedAtTheLeftOrTop) {
  PopupFixture m;
  m.Add("One");
  EXPECT_EQ(m.Open(-600, -300), (PointL{-600, -300}));
  EXPECT_EQ(m.PopupRect().left, -40);
  EXPECT_EQ(m.PopupRect().top, -20);
}

TEST(PopupFailures, AWidthBeyondSixteenBitsKeepsThePreviousWidth) {
  PopupFixture m;
  m.Add("One");
  m.OpenAt300x200();
  const int32_t before = m.SW();
  m.Add(std::string(400, 'W'));  // far more than 32767 twips
  m.OpenAt300x200();
  EXPECT_EQ(m.SW(), before);
  EXPECT_EQ(m.SH(), 4 + 21 + 21);  // the other steps ran
  EXPECT_TRUE(m->MenuVisible_);
}

TEST(PopupFailures, ANothingListOrABrokenImageListFailsOnlyTheStepsThatUseThem) {
  PopupFixture m;
  m->MenuItem_ = nullptr;
  m.OpenAt300x200();  // never fails
  EXPECT_TRUE(m.Popup().Visible());
  EXPECT_TRUE(m->MenuVisible_);
  try {
    m->put_BackColor(0xEEEEEE);  // a setter's repaint reaches the host
    ADD_FAILURE() << "no error";
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.Number(), errObjectRequired);
  }
  m->ClearItems();
  m.Add("One");
  // An "image list" without ImageWidth and ImageHeight: the setter's repaint fails, the opening
  // skips every metric and drawing step and still opens.
  EXPECT_THROW(m->putref_Imagelist(MakeRef<Font>()), RuntimeError);
  m.OpenAt300x200();
  EXPECT_TRUE(m.Popup().Visible());
  EXPECT_EQ(m->Listings()->Count(), 1);
}

}  // namespace
}  // namespace vorn
