#pragma once
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace vorn {

/// A file a user named could not be read or written; the text names the file and the reason.
class FileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

/// Reads a file a user named. Only a regular file is read: a folder, a FIFO, a device or a socket
/// is refused at once (reading one would block or never end), and so is a file of more than
/// maxBytes bytes ("PATH: is 20000000 bytes; the limit is 16777216").
std::string ReadUserFile(const std::string& path, uint64_t maxBytes);

/// Replaces a file with bytes so that a failure at any point leaves the old file as it was:
/// writes a temporary file created exclusively (a fresh name in the target's folder, so no
/// planted link is followed), syncs it, gives it the target's permissions, renames it over the
/// target and syncs the folder. A target that is a symbolic link, a folder or anything but a
/// regular file is refused and left alone.
void ReplaceUserFile(const std::string& path, std::string_view bytes);

/// Whether two paths name the same existing file (after links); false when either is missing.
bool SameFile(const std::string& a, const std::string& b);

}  // namespace vorn
