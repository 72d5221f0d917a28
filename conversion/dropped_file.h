#pragma once
// A file dropped on the window: loaded into the input box, converted, the
// output saved beside it and, on request, copied to the clipboard.
#include "conversion/control_access.h"
#include "conversion/file_access.h"
#include "conversion/saved_copy_path.h"

void acceptDroppedFile(ControlAccess& window, FileAccess& files, const Text& droppedPaths,
                       const PathConvention& paths = kWindowsDropPaths);

// The text of an opened file: its bytes up to the first zero byte; for a
// file that starts with a byte-order mark, all of its text in the ANSI code
// page. Empty for handle 0 and for an empty file.
Text readDroppedText(FileAccess& files, FileHandle file);
