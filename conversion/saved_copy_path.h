#pragma once
// Where the converted copy of a dropped file is saved: beside it, under its
// name with "转换-" in front.
#include "encoding/text.h"

struct PathConvention {
  Bytes separators;   // the bytes that end a folder name
  bool doubleByte;    // GBK paths: a lead byte's partner is never a separator
  Bytes savedPrefix;  // "转换-" in the file system's encoding
};

// Dropped on the window: backslashes, GBK.
extern const PathConvention kWindowsDropPaths;
// Given on a Windows command line: "\" and "/" separate, GBK.
extern const PathConvention kWindowsCommandLinePaths;
// POSIX: "/" separates; names are UTF-8, so the prefix is written in UTF-8.
extern const PathConvention kPosixPaths;

// The byte count of path's folder, its last separator included; 0 when the
// path names no folder. In GBK, the second byte of a double-byte character
// (which may be 0x5C) is never taken for a separator.
size_t folderLength(Bytes path, const PathConvention& convention);

// The folder of droppedPath, then "转换-", then its name.
Text savedCopyPath(Bytes droppedPath, const PathConvention& convention = kWindowsDropPaths);
