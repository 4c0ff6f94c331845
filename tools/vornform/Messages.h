#pragma once
#include <ostream>
#include <streambuf>
#include <string>

namespace vorn {

/// While it lives, every line written to std::cerr starts with "vornform: ", as a program's
/// messages do, except a line that names a place in a file ("FILE:LINE: what was wrong", the form
/// compilers use), one that names the program already, a usage text and the "Try 'vornform help'"
/// hint.
class ProgramMessages final : public std::streambuf {
 public:
  ProgramMessages();
  ~ProgramMessages() override;
  ProgramMessages(const ProgramMessages&) = delete;
  ProgramMessages& operator=(const ProgramMessages&) = delete;

  /// Whether a line gets the program's name in front.
  static bool NeedsPrefix(const std::string& line);
  /// Standard error as it was, for lines that are output rather than messages.
  std::streambuf* Plain() const noexcept { return target_; }

 protected:
  int overflow(int c) override;
  int sync() override;

 private:
  void Emit();

  std::streambuf* target_;
  std::string line_;
};

}  // namespace vorn
