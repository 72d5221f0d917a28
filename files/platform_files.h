#pragma once
// This platform's files, beside the core and under neither shell: FileAccess
// on POSIX or on Win32 files, how paths are written here, and why the last
// file operation failed. One header; the build picks the realisation.
#include <string>

#include "conversion/file_access.h"
#include "conversion/saved_copy_path.h"

class PlatformFiles final : public FileAccess {
 public:
  FileHandle openExistingFile(const Text& path) override;
  bool readTextUntilZero(FileHandle file, Text& text) override;
  bool readWholeFile(FileHandle file, Text& bytes) override;
  void closeFile(FileHandle file) override;
  bool writeBytesToFile(const Text& path, Bytes content) override;
  Text toAnsi(Bytes unicode, TextEncoding encoding) override;
};

// How a path given on this platform's command line is separated and
// encoded: "\" and "/" in GBK on Windows, "/" in UTF-8 elsewhere.
extern const PathConvention& kCommandLinePaths;

// Why the last file operation failed, in the system's words.
std::string describeLastFileError();
