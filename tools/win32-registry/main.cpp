// Prints the registry records that the Windows DLL of one architecture writes when registered
// from MODULE, one a line under HKEY_CLASSES_ROOT: KEY, NAME (empty for the default value) and
// DATA separated by tabs, or KEY alone for a key without values.
#include <cstdio>
#include <string_view>

#include "library/win32/Registration.h"

int main(int argc, char** argv) {
  const std::string_view arch = argc == 3 ? argv[1] : "";
  if (arch != "x86" && arch != "x64") {
    std::fprintf(stderr, "usage: win32-registry x86|x64 MODULE\n");
    return 2;
  }
  const auto dll = arch == "x86" ? vorn::DllArchitecture::X86 : vorn::DllArchitecture::X64;
  for (const vorn::RegistryRecord& r : vorn::RegistryRecords(dll, argv[2])) {
    if (r.keyOnly) std::printf("%s\n", r.key.c_str());
    else std::printf("%s\t%s\t%s\n", r.key.c_str(), r.name.c_str(), r.data.c_str());
  }
  return 0;
}
