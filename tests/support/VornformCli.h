#pragma once
#include <string>

namespace vorn::test {

/// Exit status and everything printed (stdout and stderr) of one run of the vornform binary.
struct CliRun {
  int status;
  std::string out;
};

/// Runs vornform with args in the folder cwd; a run that hangs is ended after 30 s and shows as
/// status 124.
CliRun Vornform(const std::string& args, const std::string& cwd = ".");

/// The path of a file in the repository's examples folder.
std::string Example(const std::string& name);

}  // namespace vorn::test
