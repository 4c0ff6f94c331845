#include "support/VornformCli.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace vorn::test {

namespace {
CliRun Shell(const std::string& cmd) {
  FILE* p = popen(cmd.c_str(), "r");
  if (!p) return {-1, "cannot run " + cmd};
  std::string out;
  std::array<char, 4096> buf{};
  while (size_t n = fread(buf.data(), 1, buf.size(), p)) out.append(buf.data(), n);
  const int status = pclose(p);
  return {WEXITSTATUS(status), out};
}
}  // namespace

CliRun Vornform(const std::string& args) { return Vornform(args, "."); }

CliRun Vornform(const std::string& args, const std::string& cwd) {
  return Shell("cd '" + cwd + "' && timeout 30 " + std::string(VORN_VORNFORM) + " " + args + " 2>&1");
}

CliStreams VornformStreams(const std::string& args, const std::string& input) {
  const std::string errPath = testing::TempDir() + "vornform-stderr-" + std::to_string(getpid()) + ".txt";
  const CliRun run = Shell("timeout 30 " + std::string(VORN_VORNFORM) + " " + args + " 2>'" + errPath + "'" +
                           (input.empty() ? " </dev/null" : " <'" + input + "'"));
  std::ostringstream err;
  err << std::ifstream(errPath).rdbuf();
  return {run.status, run.out, err.str()};
}

std::string Example(const std::string& name) { return std::string(VORN_SOURCE_DIR) + "/examples/" + name; }

}  // namespace vorn::test
