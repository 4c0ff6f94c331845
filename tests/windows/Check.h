#pragma once
// The checks of the Windows test programs (GoogleTest is not built for Windows here): each failed
// check prints where and what, and the program's exit status counts them.
#include <cstdio>
#include <string>

namespace wintest {

inline int& Failures() {
  static int n = 0;
  return n;
}

inline bool Check(bool ok, const char* file, int line, const std::string& what) {
  if (!ok) {
    std::printf("%s:%d: FAIL: %s\n", file, line, what.c_str());
    std::fflush(stdout);
    ++Failures();
  }
  return ok;
}

inline int Finish(const char* program) {
  if (Failures() == 0) std::printf("%s: all checks passed\n", program);
  return Failures() == 0 ? 0 : 1;
}

}  // namespace wintest

#define CHECK(cond) ::wintest::Check((cond), __FILE__, __LINE__, #cond)
#define CHECK_MSG(cond, msg) ::wintest::Check((cond), __FILE__, __LINE__, std::string(#cond) + ": " + (msg))
#define CHECK_HR(expr, expected)                                                                       \
  do {                                                                                                 \
    const long hr_ = static_cast<long>(expr);                                                          \
    char buf_[64];                                                                                     \
    std::snprintf(buf_, sizeof buf_, "got 0x%08lX", static_cast<unsigned long>(hr_));                  \
    ::wintest::Check(hr_ == static_cast<long>(expected), __FILE__, __LINE__, std::string(#expr) + ": " + buf_); \
  } while (0)
