#pragma once
#include <fstream>
#include <sstream>
#include <string>

namespace vorn::test {

/// The bytes of a file ("" when it cannot be read).
inline std::string FileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

}  // namespace vorn::test
