#pragma once
#include <span>
#include <string>
#include <string_view>

#include "foundation/MemberTable.h"
#include "library/Guid.h"

namespace vorn {

class Control;
class ControlSite;

enum class ClassKind { Control, Class };

/// One class of the type library, in the library's order.
struct LibraryClass {
  std::string_view name;
  ClassKind kind;
  const GUID* clsid;
  std::string_view defaultInterface;
  const GUID* defaultIid;
  std::string_view eventInterface;  // "" when the class has none
  const GUID* eventIid;             // null when the class has none
  /// The class's member and event table (the same one its objects dispatch through).
  const ClassInfo& (*table)();
  /// Creates a control on a site; null for classes hosts cannot create.
  Ref<Control> (*create)(ControlSite& site);
  int32_t toolboxBitmap;  // resource identifier of the toolbox picture (controls only)
  int32_t extentX;        // default extent in twips (controls only)
  int32_t extentY;
};

struct EnumMember {
  std::string_view name;
  int32_t value;
};

struct LibraryEnum {
  std::string_view name;
  std::span<const EnumMember> members;
};

/// A help string on one member (or event) of one class.
struct HelpString {
  std::string_view cls;
  std::string_view member;
  bool event;
  std::string_view text;
};

/// A property's place in the host's property browser, as the control's property table gives it.
struct PropertyCategory {
  std::string_view cls;
  std::string_view category;
  std::string_view member;
};

struct TypeLibraryInfo {
  std::string_view name;
  std::string_view helpString;
  uint16_t majorVersion;
  uint16_t minorVersion;
  uint32_t lcid;
  const GUID* libid;
  std::span<const LibraryClass> classes;
  std::span<const LibraryEnum> enums;
  std::span<const HelpString> helpStrings;
  std::span<const PropertyCategory> categories;
};

/// The type library: classes, interfaces, enumerations, help strings and categories.
const TypeLibraryInfo& TypeLibrary();

/// "vornButton2.vornSlider" -> its class; letter case is ignored. Null when unknown.
const LibraryClass* FindLibraryClass(std::string_view progId);
const LibraryClass* FindLibraryClass(const GUID& clsid);
std::string ProgIdOf(const LibraryClass& cls);
/// The help string of a member or event, or "".
std::string_view HelpStringOf(std::string_view cls, std::string_view member, bool event);

std::string GuidToString(const GUID& g);
bool ParseGuid(std::string_view text, GUID& out);
bool SameGuid(const GUID& a, const GUID& b);

}  // namespace vorn
