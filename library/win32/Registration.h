#pragma once
// What the DLL records in the registry, as data: DllRegisterServer and DllUnregisterServer walk
// these records, and the installer's rows are written from the same records (tools/win32-registry
// prints them on the build machine), so the two cannot differ. Free of Windows headers for that.
#include <cstdint>
#include <string>
#include <vector>

#include "library/TypeLibrary.h"

namespace vorn {

/// The miscellaneous status bits (OLEMISC_) a control registers and tells its container: resize
/// recomposes, activate in place when visible, set the client site first.
uint32_t MiscStatusOf(const LibraryClass& control) noexcept;

/// The two builds of the DLL. Each registers in its own registry view (a 32-bit process writes the
/// 32-bit one) and names its type library's SYSKIND, "win32" or "win64".
enum class DllArchitecture { X86, X64 };

/// One record under HKEY_CLASSES_ROOT: a string value (`name` empty for the key's default value),
/// or, with `keyOnly`, a key whose being there is the record (a control's `Control` key).
struct RegistryRecord {
  std::string key;
  std::string name;
  std::string data;
  bool keyOnly = false;
};

/// Every record the DLL of `arch` writes when registered from `module` (its full path), each key
/// before its subkeys: for the seven public controls their programmatic identifiers and class keys;
/// for every default and event interface its key (so that the type library marshals it); and the
/// type library under the neutral locale. The item classes are not created by hosts and get none.
std::vector<RegistryRecord> RegistryRecords(DllArchitecture arch, const std::string& module);

/// The key of the type library's version ("TypeLib\{LIBID}\1.0"). It is shared by both
/// architectures' registrations (Windows keeps one TypeLib key for both registry views), whose
/// records below it are the locale's "win32" and "win64" keys.
std::string TypeLibraryVersionKey();
/// "win32" or "win64".
const char* SysKindName(DllArchitecture arch) noexcept;

}  // namespace vorn
