#pragma once
#include <cstdint>
#include <string>

namespace vorn {

/// The type library as IDL, written from the same member tables the objects dispatch through, in
/// the Windows-1252 code page that IDL compilers read (the help strings have umlauts). widl
/// compiles it into the type library the Windows build embeds.
std::string TypeLibraryIdl();

/// The locale the Windows type library is compiled and registered under: neutral, which
/// LoadRegTypeLib falls back to from any caller's locale (a library registered under 0x0409 only
/// is found by US English callers alone).
constexpr uint32_t kWindowsTypeLibraryLcid = 0;

}  // namespace vorn
