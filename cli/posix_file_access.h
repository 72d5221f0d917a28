#pragma once
// FileAccess on POSIX files; the ANSI code page is GBK, the system's text.
#include <string>

#include "conversion/file_access.h"

class PosixFileAccess final : public FileAccess {
 public:
  FileHandle openExistingFile(const Text& path) override;
  bool readTextUntilZero(FileHandle file, Text& text) override;
  bool readWholeFile(FileHandle file, Text& bytes) override;
  void closeFile(FileHandle file) override;
  bool writeBytesToFile(const Text& path, Bytes content) override;
  Text toAnsi(Bytes unicode, TextEncoding encoding) override;
};

// Why the last operation failed, in words.
std::string describeLastFileError();
