#pragma once
#include <sys/types.h>

#include <chrono>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace vorn::test {

using std::chrono::milliseconds;

/// A program a test starts. It is stopped (SIGTERM, then SIGKILL) when the test is done with it,
/// also when the test fails, and it dies with the test program if that is killed.
class ChildProcess {
 public:
  struct Launch {
    std::vector<std::string> argv;  // argv[0] is looked up on PATH
    std::map<std::string, std::string> setEnv;
    std::vector<std::string> unsetEnv;
    std::string workDir;            // empty: the test's own
    int passFd = -1;                // handed to the program as its descriptor 3
  };

  /// Starts the program; throws std::runtime_error when it cannot.
  explicit ChildProcess(const Launch& launch);
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  pid_t Pid() const noexcept { return pid_; }
  /// The next line of standard output, waiting up to timeout; nothing at its end or on timeout.
  std::optional<std::string> ReadLine(milliseconds timeout);
  /// The exit status (128 + signal number when a signal ended it), or nothing while it still runs
  /// after timeout.
  std::optional<int> Wait(milliseconds timeout);
  /// What it wrote to standard error so far.
  std::string Errors() const;
  /// Ends it (SIGTERM, SIGKILL after a grace period) unless it has ended; returns its status.
  int Stop();

 private:
  pid_t pid_ = -1;
  int out_ = -1;
  std::string pending_;  // output read but not yet returned as a line
  std::string errPath_;
  std::optional<int> status_;
};

/// Whether a program can be found on PATH.
bool OnPath(const std::string& program);

/// Runs a program to its end (killing it after timeout): its status and output.
struct Finished {
  int status = -1;
  std::string out;
  std::string err;
};
Finished RunToEnd(const ChildProcess::Launch& launch, milliseconds timeout);

}  // namespace vorn::test
