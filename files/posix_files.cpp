#include "files/platform_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <limits>

#include "files/code_page.h"

namespace {

constexpr size_t kPiece = 1 << 16;

int fdOf(FileHandle file) { return static_cast<int>(file) - 1; }  // handle 0 is "no file"

// What a new file gets from open(2): 0666 less the umask.
mode_t newFileMode() {
  const mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

bool writeAll(int fd, Bytes content) {
  while (!content.empty()) {
    const ssize_t written = write(fd, content.data(), content.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    content.remove_prefix(static_cast<size_t>(written));
  }
  return true;
}

}  // namespace

FileHandle PlatformFiles::openExistingFile(const Text& path) {
  if (path.empty()) return 0;
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return 0;
  struct stat info;
  if (fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
    close(fd);
    errno = EISDIR;
    return 0;
  }
  return static_cast<FileHandle>(fd) + 1;
}

bool PlatformFiles::readTextUntilZero(FileHandle file, Text& text) {
  if (file == 0) return false;
  Text read;
  char piece[kPiece];
  for (;;) {
    const ssize_t got = ::read(fdOf(file), piece, kPiece);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) break;
    if (const void* zero = std::memchr(piece, '\0', static_cast<size_t>(got))) {
      const char* at = static_cast<const char*>(zero);
      read.append(piece, static_cast<size_t>(at - piece));
      lseek(fdOf(file), -static_cast<off_t>(piece + got - at - 1), SEEK_CUR);  // just after the zero
      text = std::move(read);
      return true;
    }
    read.append(piece, static_cast<size_t>(got));
  }
  if (read.empty()) return false;
  text = std::move(read);
  return true;
}

bool PlatformFiles::readWholeFile(FileHandle file, Text& bytes) {
  if (file == 0 || lseek(fdOf(file), 0, SEEK_SET) != 0) return false;
  Text all;
  char piece[kPiece];
  for (;;) {
    const ssize_t got = ::read(fdOf(file), piece, kPiece);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return false;
    if (got == 0) break;
    if (all.size() + static_cast<size_t>(got) > static_cast<size_t>(std::numeric_limits<int32_t>::max()))
      return false;
    all.append(piece, static_cast<size_t>(got));
  }
  bytes = std::move(all);
  return true;
}

void PlatformFiles::closeFile(FileHandle file) {
  if (file != 0) close(fdOf(file));
}

bool PlatformFiles::writeBytesToFile(const Text& path, Bytes content) {
  if (path.empty()) return false;
  // Written under a fresh name beside the target, then renamed over it, so
  // the copy is whole or not there at all.
  const size_t folder = folderLength(path, kPosixPaths);
  Text temporary = (folder == 0 ? Text() : path.substr(0, folder)) + ".quenlith-XXXXXX";
  const int fd = mkstemp(temporary.data());
  if (fd < 0) return false;
  fchmod(fd, newFileMode());  // mkstemp makes it private
  const bool written = writeAll(fd, content);
  const bool closed = close(fd) == 0;
  if (written && closed && rename(temporary.c_str(), path.c_str()) == 0) return true;
  const int error = errno;
  unlink(temporary.c_str());
  errno = error;
  return false;
}

Text PlatformFiles::toAnsi(Bytes unicode, TextEncoding encoding) {
  return ansiFromUnicode(unicode, encoding);
}

const PathConvention& kCommandLinePaths = kPosixPaths;

std::string describeLastFileError() { return std::strerror(errno); }
