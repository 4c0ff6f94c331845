#pragma once
// The steps the COM objects take on controls, behind a header free of foundation/Platform.h so
// that files including windows.h can use them.
#include "foundation/Object.h"
#include "library/TypeLibrary.h"

namespace vorn {

class ConnectionPoint;
class ControlSite;
class PropertyBag;

/// The connection point of a control; null for any other object (or none).
ConnectionPoint* ConnectionsOf(Object* object) noexcept;
/// Creates a control of a class on a site; then UserControl_Initialize.
Ref<Object> CreateControl(const LibraryClass& cls, ControlSite& site);
void InitializeControl(Object& control);
/// A new instance (bag null: InitProperties) or a stored one (ReadProperties), then Resize, Show.
void StartControl(Object& control, PropertyBag* bag);
void SaveControl(Object& control, PropertyBag& bag);
/// UserControl_Terminate; a run-time error there is dropped, since nobody is left to tell.
void TerminateControl(Object& control) noexcept;

}  // namespace vorn
