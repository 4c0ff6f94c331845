#include "Messages.h"

#include <cctype>
#include <iostream>

namespace vorn {

namespace {
constexpr const char* kPrefix = "vornform: ";
}

ProgramMessages::ProgramMessages() : target_(std::cerr.rdbuf(this)) {}

ProgramMessages::~ProgramMessages() {
  if (!line_.empty()) Emit();
  std::cerr.rdbuf(target_);
}

bool ProgramMessages::NeedsPrefix(const std::string& line) {
  if (line.empty() || line == "\n" || line.rfind("vornform:", 0) == 0 || line.rfind("Try 'vornform", 0) == 0) return false;
  // A usage text, and a line that goes on with the one before it.
  if (line.rfind("usage: ", 0) == 0 || line[0] == ' ' || line[0] == '\t') return false;
  // FILE:LINE: with a line number right after the first colon that is followed by a digit.
  for (size_t colon = line.find(':'); colon != std::string::npos; colon = line.find(':', colon + 1)) {
    size_t digits = colon + 1;
    while (digits < line.size() && std::isdigit(static_cast<unsigned char>(line[digits]))) ++digits;
    if (digits > colon + 1 && digits < line.size() && line[digits] == ':') return false;
  }
  return true;
}

int ProgramMessages::overflow(int c) {
  if (c == traits_type::eof()) return traits_type::not_eof(c);
  line_.push_back(static_cast<char>(c));
  if (c == '\n') Emit();
  return c;
}

// std::cerr flushes after every insertion; a line goes out once it is whole.
int ProgramMessages::sync() { return target_->pubsync(); }

void ProgramMessages::Emit() {
  if (NeedsPrefix(line_)) target_->sputn(kPrefix, static_cast<std::streamsize>(std::char_traits<char>::length(kPrefix)));
  target_->sputn(line_.data(), static_cast<std::streamsize>(line_.size()));
  line_.clear();
  target_->pubsync();
}

}  // namespace vorn
