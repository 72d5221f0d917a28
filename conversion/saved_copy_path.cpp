#include "conversion/saved_copy_path.h"

const PathConvention kWindowsDropPaths = {"\\", true, "转换-"};
const PathConvention kWindowsCommandLinePaths = {"\\/", true, "转换-"};
const PathConvention kPosixPaths = {"/", false, "\xE8\xBD\xAC\xE6\x8D\xA2-"};

size_t folderLength(Bytes path, const PathConvention& convention) {
  size_t folder = 0;
  for (size_t i = 0; i < path.size(); ++i) {
    const auto byte = static_cast<unsigned char>(path[i]);
    if (convention.doubleByte && byte >= 0x80) {
      // A lead byte at the very end stands alone.
      if (i + 1 >= path.size() || path[i + 1] == '\0') break;
      ++i;  // its partner belongs to it
      continue;
    }
    if (convention.separators.find(path[i]) != Bytes::npos) folder = i + 1;
  }
  return folder;
}

Text savedCopyPath(Bytes droppedPath, const PathConvention& convention) {
  const size_t folder = folderLength(droppedPath, convention);
  Text saved;
  saved.reserve(droppedPath.size() + convention.savedPrefix.size());
  saved.append(droppedPath.substr(0, folder))
      .append(convention.savedPrefix)
      .append(droppedPath.substr(folder));
  return saved;
}
