#include "files/platform_files.h"

#include <windows.h>

#include <limits>

#include "files/code_page.h"
#include "files/win32_unique_handle.h"

namespace {

constexpr DWORD kPiece = 512;

HANDLE handleOf(FileHandle file) { return reinterpret_cast<HANDLE>(file); }

bool writeAll(HANDLE file, Bytes content) {
  while (!content.empty()) {
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(content.size(), 1u << 30));
    DWORD written = 0;
    if (!WriteFile(file, content.data(), chunk, &written, nullptr) || written == 0) return false;
    content.remove_prefix(written);
  }
  return true;
}

// A file of a fresh name in the folder of path, where the saved copy is
// written before it takes the copy's name.
Text temporaryBeside(const Text& path) {
  const size_t folder = folderLength(path, kWindowsCommandLinePaths);
  const Text directory = folder == 0 ? Text(".") : path.substr(0, folder);
  char name[MAX_PATH] = {};
  if (!GetTempFileNameA(directory.c_str(), "qlt", 0, name)) return Text();
  return name;
}

}  // namespace

FileHandle PlatformFiles::openExistingFile(const Text& path) {
  if (path.empty()) return 0;
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  return file == INVALID_HANDLE_VALUE ? 0 : reinterpret_cast<FileHandle>(file);
}

bool PlatformFiles::readTextUntilZero(FileHandle file, Text& text) {
  if (file == 0) return false;
  Text read;
  char piece[kPiece];
  DWORD got = 0;
  while (ReadFile(handleOf(file), piece, kPiece, &got, nullptr) && got > 0) {
    const char* zero = static_cast<const char*>(memchr(piece, '\0', got));
    if (zero) {
      read.append(piece, static_cast<size_t>(zero - piece));
      // Stand just after the zero byte.
      LARGE_INTEGER back;
      back.QuadPart = -static_cast<LONGLONG>(piece + got - zero - 1);
      SetFilePointerEx(handleOf(file), back, nullptr, FILE_CURRENT);
      text = std::move(read);
      return true;
    }
    read.append(piece, got);
  }
  if (read.empty()) return false;
  text = std::move(read);
  return true;
}

bool PlatformFiles::readWholeFile(FileHandle file, Text& bytes) {
  if (file == 0) return false;
  LARGE_INTEGER size = {}, start = {};
  if (!GetFileSizeEx(handleOf(file), &size) || size.QuadPart > std::numeric_limits<int32_t>::max())
    return false;
  if (!SetFilePointerEx(handleOf(file), start, nullptr, FILE_BEGIN)) return false;
  Text all(static_cast<size_t>(size.QuadPart), '\0');
  size_t done = 0;
  DWORD got = 0;
  while (done < all.size() &&
         ReadFile(handleOf(file), all.data() + done, static_cast<DWORD>(all.size() - done), &got, nullptr) &&
         got > 0)
    done += got;
  all.resize(done);
  bytes = std::move(all);
  return true;
}

void PlatformFiles::closeFile(FileHandle file) {
  if (file != 0) CloseHandle(handleOf(file));
}

bool PlatformFiles::writeBytesToFile(const Text& path, Bytes content) {
  if (path.empty()) return false;
  const Text temporary = temporaryBeside(path);
  if (temporary.empty()) return false;
  bool written;
  {
    UniqueFile file(CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    written = file && writeAll(file.get(), content);
  }
  if (written && MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING)) return true;
  DeleteFileA(temporary.c_str());
  return false;
}

Text PlatformFiles::toAnsi(Bytes unicode, TextEncoding encoding) {
  return ansiFromUnicode(unicode, encoding);
}

const PathConvention& kCommandLinePaths = kWindowsCommandLinePaths;

std::string describeLastFileError() {
  char text[512] = {};
  const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                      GetLastError(), 0, text, sizeof text, nullptr);
  std::string message(text, length);
  while (!message.empty() && (message.back() == '\n' || message.back() == '\r' || message.back() == ' '))
    message.pop_back();
  return message;
}
