#pragma once
// FileAccess on Win32 files, with the ANSI code page of the system.
#include <string>

#include "conversion/file_access.h"

class Win32FileAccess final : public FileAccess {
 public:
  FileHandle openExistingFile(const Text& path) override;
  bool readTextUntilZero(FileHandle file, Text& text) override;
  bool readWholeFile(FileHandle file, Text& bytes) override;
  void closeFile(FileHandle file) override;
  bool writeBytesToFile(const Text& path, Bytes content) override;
  Text toAnsi(Bytes unicode, TextEncoding encoding) override;
};

// Why the last operation failed, in the system's words.
std::string describeLastFileError();
