#include "foundation/files/UserFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>
#include <utility>

namespace vorn {

namespace {

std::string Reason(int error) { return std::strerror(error); }

// Why a file of this kind is not read or replaced; empty for a regular file.
std::string NotRegular(mode_t mode) {
  if (S_ISREG(mode)) return {};
  if (S_ISDIR(mode)) return "is a folder, not a file";
  if (S_ISFIFO(mode)) return "is a pipe, not a regular file";
  if (S_ISCHR(mode) || S_ISBLK(mode)) return "is a device, not a regular file";
  if (S_ISSOCK(mode)) return "is a socket, not a regular file";
  return "is not a regular file";
}

class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const noexcept { return fd_; }
  /// Closes now, so that a failing close (a full disk on some file systems) can be reported.
  int Close() noexcept { return ::close(std::exchange(fd_, -1)); }

 private:
  int fd_;
};

// Opens a new file of a fresh name in folder dir, exclusively: an existing name (a planted link
// among them) is never opened. Returns the descriptor and sets tmp.
int CreateFresh(const std::string& dir, const std::string& base, std::string& tmp) {
  thread_local std::mt19937_64 random{std::random_device{}()};
  // Room for the suffix within the usual 255-byte limit of a name.
  const std::string stem = "." + base.substr(0, 200) + ".";
  for (int attempt = 0; attempt < 100; ++attempt) {
    char suffix[24];
    std::snprintf(suffix, sizeof suffix, "%016llx.tmp", static_cast<unsigned long long>(random()));
    tmp = (std::filesystem::path(dir) / (stem + suffix)).string();
    const int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  errno = EEXIST;
  return -1;
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<size_t>(n));
  }
  return true;
}

}  // namespace

std::string ReadUserFile(const std::string& path, uint64_t maxBytes) {
  // Looked at before opening, so that a device is never opened; checked again on the open file.
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) throw FileError(path + ": cannot open the file: " + Reason(errno));
  if (std::string why = NotRegular(st.st_mode); !why.empty()) throw FileError(path + ": " + why);
  // Non-blocking, so that a FIFO put in its place meanwhile cannot hold the open.
  Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (fd.get() < 0) throw FileError(path + ": cannot open the file: " + Reason(errno));
  if (::fstat(fd.get(), &st) != 0) throw FileError(path + ": cannot read the file: " + Reason(errno));
  if (std::string why = NotRegular(st.st_mode); !why.empty()) throw FileError(path + ": " + why);
  auto tooLarge = [&](uint64_t size) {
    return FileError(path + ": is " + std::to_string(size) + " bytes; the limit is " + std::to_string(maxBytes) +
                     " bytes");
  };
  if (static_cast<uint64_t>(st.st_size) > maxBytes) throw tooLarge(static_cast<uint64_t>(st.st_size));
  std::string text;
  text.resize(static_cast<size_t>(st.st_size));
  size_t got = 0;
  char more[4096];
  while (true) {
    // Into the string up to the size stat gave, then beyond it, in case the file grows meanwhile.
    char* into = got < text.size() ? text.data() + got : more;
    const size_t room = got < text.size() ? text.size() - got : sizeof more;
    const ssize_t n = ::read(fd.get(), into, room);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) throw FileError(path + ": cannot read the file: " + Reason(errno));
    if (n == 0) break;
    if (into == more) {
      if (got + static_cast<size_t>(n) > maxBytes) throw tooLarge(got + static_cast<size_t>(n));
      text.append(more, static_cast<size_t>(n));
    }
    got += static_cast<size_t>(n);
  }
  text.resize(got);
  return text;
}

void ReplaceUserFile(const std::string& path, std::string_view bytes) {
  struct stat target {};
  const bool exists = ::lstat(path.c_str(), &target) == 0;
  if (!exists && errno != ENOENT) throw FileError(path + ": cannot write the file: " + Reason(errno));
  if (exists && S_ISLNK(target.st_mode)) throw FileError(path + ": is a symbolic link; it was left as it is");
  if (exists && !S_ISREG(target.st_mode)) {
    throw FileError(path + ": " + NotRegular(target.st_mode) + "; it was left as it is");
  }
  const std::filesystem::path where(path);
  const std::string dir = where.has_parent_path() ? where.parent_path().string() : ".";
  std::string tmp;
  Descriptor fd(CreateFresh(dir, where.filename().string(), tmp));
  if (fd.get() < 0) throw FileError(path + ": cannot write the file: " + Reason(errno));
  auto fail = [&](const char* what) {
    const int error = errno;
    ::unlink(tmp.c_str());
    throw FileError(path + ": " + what + ": " + Reason(error));
  };
  if (!WriteAll(fd.get(), bytes)) fail("cannot write the file");
  // The target's permissions; a new file has those of any new file (0666 less the umask).
  if (exists && ::fchmod(fd.get(), target.st_mode & 07777) != 0) fail("cannot write the file");
  if (::fsync(fd.get()) != 0) fail("cannot write the file");
  if (fd.Close() != 0) fail("cannot write the file");
  if (::rename(tmp.c_str(), path.c_str()) != 0) fail("cannot replace the file");
  // The rename itself reaches the disk with its folder.
  Descriptor folder(::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (folder.get() >= 0) ::fsync(folder.get());
}

bool SameFile(const std::string& a, const std::string& b) {
  struct stat sa {}, sb {};
  if (::stat(a.c_str(), &sa) != 0 || ::stat(b.c_str(), &sb) != 0) return false;
  return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

}  // namespace vorn
