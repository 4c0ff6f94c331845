#include "foundation/Control.h"

namespace vorn {

Control::Control(ControlSite& site) : connections_(*this), site_(site), surface_(site.UserControl()) {
  site_.Attach(this);
}

Control::~Control() { site_.Attach(nullptr); }

void StartControl(Control& control, PropertyBag* bag) {
  control.UserControl_Initialize();
  if (bag) {
    control.UserControl_ReadProperties(*bag);
  } else {
    control.UserControl_InitProperties();
  }
  control.UserControl_Resize();
}

}  // namespace vorn
