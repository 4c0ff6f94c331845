#pragma once
#include <string>

namespace vorn::test {

/// The exit status and the combined output of one vornform run.
struct CliRun {
  int status;
  std::string out;
};

/// Runs the vornform program built with the tests, with these arguments.
CliRun Vornform(const std::string& args);
/// The same in the folder cwd. Either way a run that hangs is ended after 30 s (status 124).
CliRun Vornform(const std::string& args, const std::string& cwd);

/// A run with its standard output and standard error apart, standard input read from the file
/// input (none when empty).
struct CliStreams {
  int status;
  std::string out;
  std::string err;
};
CliStreams VornformStreams(const std::string& args, const std::string& input = "");

/// The path of a file in examples/.
std::string Example(const std::string& name);

}  // namespace vorn::test
