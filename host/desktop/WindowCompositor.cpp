#include "host/desktop/WindowCompositor.h"

#include <algorithm>
#include <cstring>

#include "host/headless/HeadlessHost.h"

namespace vorn {

void WindowCompositor::Walk(HeadlessSurface& w, int32_t x, int32_t y, RectL& damage) {
  const RectL rect{x, y, AddCoord(x, w.Pixels().Width()), AddCoord(y, w.Pixels().Height())};
  const uint32_t order = order_++;
  auto [it, added] = placed_.try_emplace(w.hWnd(), Placement{rect, order, frame_});
  Placement& p = it->second;
  if (added || w.Dirty() || p.rect != rect || p.order != order) {
    damage = Union(damage, Union(p.rect, rect));
    p.rect = rect;
    p.order = order;
  }
  p.frame = frame_;
  w.ClearDirty();  // what is composed below is on screen; drawing on it again makes it dirty again
  for (HeadlessSurface* c : w.Children()) {
    if (c->Visible()) Walk(*c, AddCoord(x, c->LeftPx()), AddCoord(y, c->TopPx()), damage);
  }
}

RectL WindowCompositor::Update(HeadlessSurface& root) {
  const int32_t width = root.Pixels().Width();
  const int32_t height = root.Pixels().Height();
  const RectL whole{0, 0, width, height};
  if (width != picture_.Width() || height != picture_.Height()) {
    picture_.Resize(width, height, 0);
    placed_.clear();
    fresh_ = true;
  }
  ++frame_;
  order_ = 0;
  RectL damage;
  Walk(root, 0, 0, damage);
  // Windows composed last frame and gone since (hidden, removed, moved to another tree).
  for (auto it = placed_.begin(); it != placed_.end();) {
    if (it->second.frame != frame_) {
      damage = Union(damage, it->second.rect);
      it = placed_.erase(it);
    } else {
      ++it;
    }
  }
  if (fresh_) damage = whole;
  damage = Intersect(damage, whole);
  if (IsEmpty(damage)) return {};

  const int32_t dw = damage.right - damage.left;
  const int32_t dh = damage.bottom - damage.top;
  if (scratch_.Width() != dw || scratch_.Height() != dh) scratch_.Resize(dw, dh, 0);
  HeadlessHost::CompositeTree(root, scratch_, -damage.left, -damage.top);

  // Copy back only the rows that differ, and report their bounding box.
  RectL changed;
  for (int32_t j = 0; j < dh; ++j) {
    const uint32_t* src = scratch_.Row(j);
    uint32_t* dst = picture_.Row(damage.top + j) + damage.left;
    if (!fresh_ && std::memcmp(src, dst, sizeof(uint32_t) * static_cast<size_t>(dw)) == 0) continue;
    int32_t i0 = 0;
    int32_t i1 = dw;
    if (!fresh_) {
      while (src[i0] == dst[i0]) ++i0;
      while (src[i1 - 1] == dst[i1 - 1]) --i1;
    }
    std::copy(src + i0, src + i1, dst + i0);
    changed = Union(changed, RectL{damage.left + i0, damage.top + j, damage.left + i1, damage.top + j + 1});
  }
  if (fresh_) changed = whole;
  fresh_ = false;
  return changed;
}

}  // namespace vorn
