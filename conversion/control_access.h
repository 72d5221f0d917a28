#pragma once
// The handlers' only way to the window: every control addressed by its name.
// The window realises it on real controls; the command-line companion and
// the tests realise it on plain values.
#include "encoding/text.h"

enum class ControlName {
  分组框3,
  单选框1,
  单选框2,
  选择框_自动拖放转换,
  分组框2,
  单选框_转换后自动另存文件,
  选择框_转换后自动复制到剪贴版,
  编辑框_待转换内容,
  标签_加密为,
  分组框1,
  单选框_迅雷格式,
  单选框_快车格式,
  单选框_旋风格式,
  编辑框_已转换内容,
  标签1,
  编辑框3,
  超级链接框1,
  按钮1,
  标签2,
  标签_信息,
};

class ControlAccess {
 public:
  virtual ~ControlAccess() = default;

  // An edit box's whole content, or a label's caption.
  virtual Text getText(ControlName control) = 0;
  // Replaces that content or caption.
  virtual void setText(ControlName control, const Text& text) = 0;
  // A radio button's or check box's state at the moment of the call.
  virtual bool isChecked(ControlName control) = 0;
  // Adds text at the end of an edit box and scrolls there.
  virtual void appendText(ControlName control, const Text& text) = 0;
  // A modal box with one OK button, titled "信息："; returns when dismissed.
  virtual void showMessage(const Text& message) = 0;
  // Selects an edit box's whole content and copies it to the clipboard.
  virtual void selectAllAndCopy(ControlName control) = 0;
};
