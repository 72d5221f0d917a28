#pragma once
// Files as plain values: a map from path to content, with a trace of every
// operation, and faults to order.
#include <map>
#include <set>
#include <string>
#include <vector>

#include "conversion/file_access.h"

class FakeFiles final : public FileAccess {
 public:
  std::map<Text, Text> files;      // path -> content
  std::set<Text> unwritable;       // paths where writing fails
  std::vector<std::string>* trace = nullptr;

  FileHandle openExistingFile(const Text& path) override {
    note("open " + path);
    if (path.empty() || !files.count(path)) return 0;
    open_[next_] = {path, 0};
    return next_++;
  }
  bool readTextUntilZero(FileHandle file, Text& text) override {
    note("read");
    auto it = open_.find(file);
    if (it == open_.end()) return false;
    const Text& content = files[it->second.path];
    size_t& position = it->second.position;
    if (position >= content.size()) return false;
    const size_t zero = content.find('\0', position);
    const size_t end = zero == Text::npos ? content.size() : zero;
    text = content.substr(position, end - position);
    position = zero == Text::npos ? end : end + 1;
    return true;
  }
  bool readWholeFile(FileHandle file, Text& bytes) override {
    note("readWhole");
    auto it = open_.find(file);
    if (it == open_.end()) return false;
    bytes = files[it->second.path];
    return true;
  }
  void closeFile(FileHandle file) override {
    note("close");
    open_.erase(file);
  }
  bool writeBytesToFile(const Text& path, Bytes content) override {
    note("write " + path);
    if (path.empty() || unwritable.count(path)) return false;
    files[path] = Text(content);
    return true;
  }
  // Enough of a codec for the tests: ASCII passes, anything else is "?".
  Text toAnsi(Bytes unicode, TextEncoding encoding) override {
    Text out;
    if (encoding == TextEncoding::Utf8) {
      for (unsigned char c : unicode)
        if (c < 0x80) out += static_cast<char>(c);
        else if (c >= 0xC0) out += '?';
      return out;
    }
    for (size_t i = 0; i + 1 < unicode.size(); i += 2) {
      const auto lo = static_cast<unsigned char>(unicode[i]), hi = static_cast<unsigned char>(unicode[i + 1]);
      const unsigned unit = encoding == TextEncoding::Utf16LE ? hi << 8 | lo : lo << 8 | hi;
      out += unit < 0x80 ? static_cast<char>(unit) : '?';
    }
    return out;
  }

  size_t openCount() const { return open_.size(); }

 private:
  struct Open {
    Text path;
    size_t position;
  };
  void note(const std::string& what) {
    if (trace) trace->push_back(what);
  }
  std::map<FileHandle, Open> open_;
  FileHandle next_ = 1;
};
