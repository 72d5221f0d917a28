#pragma once
// The dropped-file procedure's only way to files. The window realises it on
// Win32 files, the command line on POSIX ones, the tests on a fake.
#include <cstdint>

#include "encoding/text.h"

// An open file; 0 is "no file", and every operation given 0 does nothing.
using FileHandle = std::uintptr_t;

// What the first bytes of a file say of its text.
enum class TextEncoding { Ansi, Utf8, Utf16LE, Utf16BE };

class FileAccess {
 public:
  virtual ~FileAccess() = default;

  // Opens an existing file for reading, sharing reading and writing with
  // other programs. 0 when it cannot be opened (a folder, a missing file,
  // several paths, the empty path).
  virtual FileHandle openExistingFile(const Text& path) = 0;
  // Reads from the current position up to the first zero byte or the end,
  // and stores those bytes in text. False, text untouched, for handle 0 or
  // when nothing is left.
  virtual bool readTextUntilZero(FileHandle file, Text& text) = 0;
  // The whole file, from its first byte to its end, zero bytes and all.
  virtual bool readWholeFile(FileHandle file, Text& bytes) = 0;
  virtual void closeFile(FileHandle file) = 0;
  // Writes content as the whole of the file at path, all or nothing: a
  // complete copy replaces an earlier one, a failed write leaves none.
  virtual bool writeBytesToFile(const Text& path, Bytes content) = 0;
  // Unicode text (a file's, after its byte-order mark) in the ANSI code
  // page; characters that have no form there become "?".
  virtual Text toAnsi(Bytes unicode, TextEncoding encoding) = 0;
};
