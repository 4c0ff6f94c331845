#include "support/VornformCli.h"

#include <sys/wait.h>

#include <array>
#include <cstdio>

namespace vorn::test {

CliRun Vornform(const std::string& args) { return Vornform(args, "."); }

CliRun Vornform(const std::string& args, const std::string& cwd) {
  const std::string cmd = "cd '" + cwd + "' && timeout 30 " + std::string(VORN_VORNFORM) + " " + args + " 2>&1";
  FILE* p = popen(cmd.c_str(), "r");
  if (!p) return {-1, "cannot run " + cmd};
  std::string out;
  std::array<char, 4096> buf{};
  while (size_t n = fread(buf.data(), 1, buf.size(), p)) out.append(buf.data(), n);
  const int status = pclose(p);
  return {WEXITSTATUS(status), out};
}

std::string Example(const std::string& name) { return std::string(VORN_SOURCE_DIR) + "/examples/" + name; }

}  // namespace vorn::test
