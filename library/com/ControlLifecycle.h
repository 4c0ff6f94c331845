#pragma once
// The steps the COM objects take on controls, behind a header free of foundation/Platform.h so
// that files including windows.h can use them.
#include <cstdint>
#include <string_view>

#include "foundation/Object.h"
#include "library/TypeLibrary.h"

namespace vorn {

class ConnectionPoint;
class ControlSite;
class PropertyBag;

/// The connection point of a control; null for any other object (or none).
ConnectionPoint* ConnectionsOf(Object* object) noexcept;
/// Creates a control of a class on a site; then its opening sequence's first step,
/// UserControl_Initialize (InitializeControl in foundation/Control.h).
Ref<Object> CreateControl(const LibraryClass& cls, ControlSite& site);
/// The opening sequence (StartControl in foundation/Control.h: Initialize unless it ran,
/// InitProperties for a new instance (bag null) or ReadProperties, Resize), then Show: a control
/// of the COM objects is shown by its container as it starts.
void StartAndShowControl(Object& control, PropertyBag* bag);
/// StartAndShowControl has run on the control.
bool ControlStarted(const Object& control) noexcept;
void SaveControl(Object& control, PropertyBag& bag);
/// UserControl_Show: the control's container shows it (again).
void ShowControl(Object& control);
/// The dispatch identifier of the property a control stores under a bag name (DISPID_UNKNOWN, -1,
/// for a name it does not store).
int32_t StoredPropertyId(const Object& control, std::string_view bagName) noexcept;
/// UserControl_Terminate; a run-time error there is dropped, since nobody is left to tell.
void TerminateControl(Object& control) noexcept;

}  // namespace vorn
