#include "library/com/ControlLifecycle.h"

#include "foundation/Control.h"
#include "foundation/PropertyTable.h"

namespace vorn {

ConnectionPoint* ConnectionsOf(Object* object) noexcept {
  auto* control = dynamic_cast<Control*>(object);
  return control ? &control->Connections() : nullptr;
}

Ref<Object> CreateControl(const LibraryClass& cls, ControlSite& site) {
  Ref<Control> control = cls.create(site);
  InitializeControl(*control);
  return control;
}

void StartAndShowControl(Object& object, PropertyBag* bag) {
  auto& control = dynamic_cast<Control&>(object);
  StartControl(control, bag);
  control.UserControl_Show();
}

bool ControlStarted(const Object& object) noexcept {
  const auto* control = dynamic_cast<const Control*>(&object);
  return control && control->Started();
}

void SaveControl(Object& object, PropertyBag& bag) { dynamic_cast<Control&>(object).UserControl_WriteProperties(bag); }

void ShowControl(Object& control) { dynamic_cast<Control&>(control).UserControl_Show(); }

int32_t StoredPropertyId(const Object& control, std::string_view bagName) noexcept {
  if (const PropertyTable* table = control.Class().properties) {
    for (const PropertyRow& row : table->rows) {
      if (!row.bag.empty() && row.bag == bagName) return row.member.id;
    }
  }
  return -1;
}

void TerminateControl(Object& object) noexcept {
  try {
    if (auto* control = dynamic_cast<Control*>(&object)) control->UserControl_Terminate();
  } catch (const RuntimeError&) {
    // Nobody is left to tell.
  }
}

}  // namespace vorn
