#pragma once
#include <string>

namespace vorn {

/// The type library as IDL, written from the same member tables the objects dispatch through, in
/// the Windows-1252 code page that IDL compilers read (the help strings have umlauts). widl
/// compiles it into the type library the Windows build embeds.
std::string TypeLibraryIdl();

}  // namespace vorn
