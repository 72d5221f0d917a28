#pragma once
// Files as the command line uses them: every operation passed on, and what
// went wrong in the last drop kept so that it can be told and counted.
#include <functional>
#include <string>

#include "conversion/file_access.h"

class ReportingFiles final : public FileAccess {
 public:
  ReportingFiles(FileAccess& files, std::function<std::string()> describeError)
      : files_(files), describeError_(std::move(describeError)) {}

  void startDrop() {
    openError.clear();
    savedPath.clear();
    saveFailed = false;
  }

  std::string openError;  // why the dropped file could not be opened
  Text savedPath;         // where its converted copy went
  bool saveFailed = false;

  FileHandle openExistingFile(const Text& path) override {
    const FileHandle file = files_.openExistingFile(path);
    if (file == 0) openError = describeError_();
    return file;
  }
  bool readTextUntilZero(FileHandle file, Text& text) override { return files_.readTextUntilZero(file, text); }
  bool readWholeFile(FileHandle file, Text& bytes) override { return files_.readWholeFile(file, bytes); }
  void closeFile(FileHandle file) override { files_.closeFile(file); }
  bool writeBytesToFile(const Text& path, Bytes content) override {
    const bool ok = files_.writeBytesToFile(path, content);
    if (ok) savedPath = path;
    else saveFailed = true;
    return ok;
  }
  Text toAnsi(Bytes unicode, TextEncoding encoding) override { return files_.toAnsi(unicode, encoding); }

 private:
  FileAccess& files_;
  std::function<std::string()> describeError_;
};
