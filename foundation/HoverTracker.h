#pragma once
#include <functional>
#include <memory>

#include "foundation/ControlSite.h"
#include "foundation/Geometry.h"

namespace vorn {

/// What a MousePos tick found.
enum class Hover : uint8_t {
  Left,     // the cursor is 2 pixels or more from the anchor on an axis: the timer stops
  Resting,  // within one pixel of the anchor on both axes
  Held,     // resting while the control's press is held (a pressed button, a held thumb or knob)
};

/// The hover tracking of the buttons, the scroll bar, the slider and the toolbar: a host timer
/// named MousePos (1 ms, off at start) that polls the cursor.
///
///   Anchor (a qualifying MouseMove)   anchor = cursor; timer on
///   Tick                              Left, Resting or Held by the cursor's distance from the
///                                     anchor; the control repaints its look for it; the timer
///                                     stops on Left; DoEvents last
///
/// While the pointer moves over the control each move renews the anchor; once it has gone, no moves
/// come and the next tick sees it 2 pixels away. What differs between the controls is theirs: which
/// moves anchor (every move on the buttons and the toolbar; on the scroll bar and the slider only a
/// move over the thumb or knob, or any move while dragging, since the rest of the bar has no hover
/// look) and what counts as held (the toolbar shows its press from its own state: it holds
/// nothing).
class HoverTracker {
 public:
  /// Creates the MousePos timer; onTick is the control's MousePos_Timer, which calls Tick.
  HoverTracker(ControlSite& site, std::function<void()> onTick);

  void Anchor();
  /// One tick: show gets the Hover (and repaints); then the timer stops if the pointer has left,
  /// and the host runs pending events.
  template <class Show>
  void Tick(bool held, Show&& show) {
    const Hover hover = Measure(held);
    show(hover);
    if (hover == Hover::Left) timer_->SetEnabled(false);
    site_.DoEvents();
  }

  Timer& MousePos() noexcept { return *timer_; }

 private:
  Hover Measure(bool held);

  ControlSite& site_;
  PointL anchor_{};
  std::unique_ptr<Timer> timer_;
};

}  // namespace vorn
