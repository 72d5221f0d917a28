#include "conversion/dropped_file.h"

#include "conversion/run_conversion.h"

namespace {

struct ByteOrderMark {
  TextEncoding encoding;
  size_t length;
};

ByteOrderMark byteOrderMarkOf(Bytes start) {
  if (start.substr(0, 3) == "\xEF\xBB\xBF") return {TextEncoding::Utf8, 3};
  if (start.substr(0, 2) == "\xFF\xFE") return {TextEncoding::Utf16LE, 2};
  if (start.substr(0, 2) == "\xFE\xFF") return {TextEncoding::Utf16BE, 2};
  return {TextEncoding::Ansi, 0};
}

}  // namespace

Text readDroppedText(FileAccess& files, FileHandle file) {
  Text loaded;
  files.readTextUntilZero(file, loaded);
  const ByteOrderMark mark = byteOrderMarkOf(loaded);
  if (mark.encoding == TextEncoding::Ansi) return loaded;
  // In UTF-8 a zero byte is the NUL character, where the text ends anyway:
  // what was read is all of it.
  if (mark.encoding == TextEncoding::Utf8)
    return files.toAnsi(Bytes(loaded).substr(mark.length), mark.encoding);

  // UTF-16 holds zero bytes in its text: read the file whole.
  Text whole;
  if (!files.readWholeFile(file, whole)) return Text();
  return files.toAnsi(Bytes(whole).substr(mark.length), mark.encoding);
}

void acceptDroppedFile(ControlAccess& window, FileAccess& files, const Text& droppedPaths,
                       const PathConvention& paths) {
  window.setText(ControlName::编辑框_待转换内容, Text());
  window.setText(ControlName::编辑框_已转换内容, Text());
  if (!window.isChecked(ControlName::选择框_自动拖放转换)) return;

  const FileHandle file = files.openExistingFile(droppedPaths);
  window.setText(ControlName::编辑框_待转换内容, readDroppedText(files, file));
  runConversion(window);

  if (window.isChecked(ControlName::单选框_转换后自动另存文件)) {
    // The box is read once: nothing writes it between the test and the save.
    const Text content = window.getText(ControlName::编辑框_已转换内容);
    if (!content.empty()) {
      const Text path = savedCopyPath(droppedPaths, paths);
      if (!files.writeBytesToFile(path, content))
        window.showMessage("无法保存转换结果：" + path);
    }
  }
  // The dropped file stays open, shared, while it is converted and saved.
  files.closeFile(file);

  if (window.isChecked(ControlName::选择框_转换后自动复制到剪贴版))
    window.selectAllAndCopy(ControlName::编辑框_已转换内容);
}
