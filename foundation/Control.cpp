#include "foundation/Control.h"

#include "foundation/PropertyTable.h"

namespace vorn {

Control::Control(ControlSite& site) : connections_(*this), site_(site), surface_(site.UserControl()) {
  site_.Attach(this);
}

Control::~Control() { site_.Attach(nullptr); }

void Control::UserControl_InitProperties() {
  const PropertyTable* table = Class().properties;
  if (!table) return;
  InitStoredProperties(*this);
  if (table->initialised) table->initialised(*this);
}

void Control::UserControl_ReadProperties(PropertyBag& bag) {
  const PropertyTable* table = Class().properties;
  if (!table) return;
  ReadStoredProperties(*this, bag);
  if (table->stored) table->stored(*this);
}

void Control::UserControl_WriteProperties(PropertyBag& bag) {
  const PropertyTable* table = Class().properties;
  if (!table) return;
  WriteStoredProperties(*this, bag);
  if (table->stored) table->stored(*this);
}

void InitializeControl(Control& control) {
  if (control.opening_ != Control::Opening::Made) return;
  control.opening_ = Control::Opening::Initialized;  // once, even when it fails
  control.UserControl_Initialize();
}

void StartControl(Control& control, PropertyBag* bag) {
  InitializeControl(control);
  control.opening_ = Control::Opening::Started;
  if (bag) {
    control.UserControl_ReadProperties(*bag);
  } else {
    control.UserControl_InitProperties();
  }
  control.UserControl_Resize();
}

}  // namespace vorn
