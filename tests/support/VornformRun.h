#pragma once
#include <string>

namespace vorn::test {

/// What a run of the vornform binary printed (stdout and stderr together) and its exit status.
struct CliRun {
  int status;
  std::string out;
};

CliRun Vornform(const std::string& args);
/// The path of a file in the source tree's examples folder.
std::string Example(const std::string& name);

}  // namespace vorn::test
