#include "ChildProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

#include <gtest/gtest.h>

extern char** environ;

namespace vorn::test {

namespace {

using Clock = std::chrono::steady_clock;

std::vector<std::string> Environment(const ChildProcess::Launch& launch) {
  std::vector<std::string> env;
  for (char** e = environ; *e; ++e) {
    const std::string entry(*e);
    const std::string name = entry.substr(0, entry.find('='));
    const bool replaced = launch.setEnv.count(name) ||
                          std::find(launch.unsetEnv.begin(), launch.unsetEnv.end(), name) != launch.unsetEnv.end();
    if (!replaced) env.push_back(entry);
  }
  for (const auto& [name, value] : launch.setEnv) env.push_back(name + "=" + value);
  return env;
}

std::vector<char*> Pointers(std::vector<std::string>& strings) {
  std::vector<char*> p;
  for (std::string& s : strings) p.push_back(s.data());
  p.push_back(nullptr);
  return p;
}

}  // namespace

bool OnPath(const std::string& program) {
  const char* path = std::getenv("PATH");
  std::stringstream dirs(path ? path : "");
  std::string dir;
  while (std::getline(dirs, dir, ':')) {
    if (!dir.empty() && access((dir + "/" + program).c_str(), X_OK) == 0) return true;
  }
  return false;
}

ChildProcess::ChildProcess(const Launch& launch) {
  std::string errTemplate = testing::TempDir() + "child-stderr-XXXXXX";
  const int errFd = mkstemp(errTemplate.data());
  if (errFd < 0) throw std::runtime_error("cannot create a file for standard error");
  errPath_ = errTemplate;
  int pipeFds[2];
  if (pipe2(pipeFds, O_CLOEXEC) != 0) {
    close(errFd);
    throw std::runtime_error("cannot create a pipe");
  }
  // Everything the child needs is prepared before fork: after it, only plain system calls.
  std::vector<std::string> args = launch.argv;
  std::vector<std::string> env = Environment(launch);
  std::vector<char*> argp = Pointers(args);
  std::vector<char*> envp = Pointers(env);
  const pid_t parent = getpid();
  pid_ = fork();
  if (pid_ < 0) {
    close(pipeFds[0]);
    close(pipeFds[1]);
    close(errFd);
    throw std::runtime_error("cannot fork");
  }
  if (pid_ == 0) {
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (getppid() != parent) _exit(127);
    const int devNull = open("/dev/null", O_RDONLY);
    dup2(devNull, 0);
    dup2(pipeFds[1], 1);
    dup2(errFd, 2);
    if (launch.passFd >= 0) dup2(launch.passFd, 3);  // dup2 clears close-on-exec on the copy
    if (!launch.workDir.empty() && chdir(launch.workDir.c_str()) != 0) _exit(127);
    // execvpe looks argv[0] up on the PATH of this process.
    execvpe(argp[0], argp.data(), envp.data());
    _exit(127);
  }
  close(pipeFds[1]);
  close(errFd);
  out_ = pipeFds[0];
}

ChildProcess::~ChildProcess() {
  Stop();
  if (out_ >= 0) close(out_);
  std::error_code ignored;
  std::filesystem::remove(errPath_, ignored);
}

std::optional<std::string> ChildProcess::ReadLine(milliseconds timeout) {
  const auto deadline = Clock::now() + timeout;
  while (true) {
    const size_t nl = pending_.find('\n');
    if (nl != std::string::npos) {
      std::string line = pending_.substr(0, nl);
      pending_.erase(0, nl + 1);
      return line;
    }
    const auto left = std::chrono::duration_cast<milliseconds>(deadline - Clock::now()).count();
    if (left <= 0 || out_ < 0) return std::nullopt;
    pollfd p{out_, POLLIN, 0};
    const int ready = poll(&p, 1, static_cast<int>(left));
    if (ready < 0 && errno == EINTR) continue;
    if (ready <= 0) return std::nullopt;
    char buf[4096];
    const ssize_t n = read(out_, buf, sizeof buf);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      close(out_);
      out_ = -1;
      if (pending_.empty()) return std::nullopt;
      pending_ += '\n';  // a last line without its newline
      continue;
    }
    pending_.append(buf, static_cast<size_t>(n));
  }
}

std::optional<int> ChildProcess::Wait(milliseconds timeout) {
  if (status_) return status_;
  const auto deadline = Clock::now() + timeout;
  while (true) {
    int raw = 0;
    const pid_t r = waitpid(pid_, &raw, WNOHANG);
    if (r == pid_) {
      status_ = WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw);
      return status_;
    }
    if (r < 0 && errno != EINTR) {
      status_ = -1;
      return status_;
    }
    if (Clock::now() >= deadline) return std::nullopt;
    std::this_thread::sleep_for(milliseconds(10));
  }
}

int ChildProcess::Stop() {
  if (status_ || pid_ <= 0) return status_.value_or(-1);
  kill(pid_, SIGTERM);
  if (auto s = Wait(milliseconds(5000))) return *s;
  kill(pid_, SIGKILL);
  return Wait(milliseconds(5000)).value_or(-1);
}

std::string ChildProcess::Errors() const {
  std::ifstream in(errPath_);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

Finished RunToEnd(const ChildProcess::Launch& launch, milliseconds timeout) {
  ChildProcess p(launch);
  Finished f;
  const auto deadline = Clock::now() + timeout;
  while (auto line = p.ReadLine(std::chrono::duration_cast<milliseconds>(deadline - Clock::now()))) {
    f.out += *line + "\n";
  }
  const auto left = std::chrono::duration_cast<milliseconds>(deadline - Clock::now());
  f.status = p.Wait(std::max(left, milliseconds(0))).value_or(-1);
  if (f.status == -1) p.Stop();
  f.err = p.Errors();
  return f;
}

}  // namespace vorn::test
