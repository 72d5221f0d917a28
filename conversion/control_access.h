#pragma once
// The handlers' only way to the window: every control addressed by its name.
// The window realises it on real controls; the command-line companion and
// the tests realise it on plain values.
#include <cstddef>

#include "encoding/text.h"

// Every control of the Main window, from the top of the window down: the
// order of creation, which the layout table follows.
#define QUENLITH_CONTROLS(X) \
  X(分组框3)                 \
  X(单选框1)                 \
  X(单选框2)                 \
  X(选择框_自动拖放转换)     \
  X(分组框2)                 \
  X(单选框_转换后自动另存文件) \
  X(选择框_转换后自动复制到剪贴版) \
  X(编辑框_待转换内容)       \
  X(标签_加密为)             \
  X(分组框1)                 \
  X(单选框_迅雷格式)         \
  X(单选框_快车格式)         \
  X(单选框_旋风格式)         \
  X(编辑框_已转换内容)       \
  X(标签1)                   \
  X(编辑框3)                 \
  X(超级链接框1)             \
  X(按钮1)                   \
  X(标签2)                   \
  X(标签_信息)

enum class ControlName {
#define QUENLITH_CONTROL_ENUMERATOR(name) name,
  QUENLITH_CONTROLS(QUENLITH_CONTROL_ENUMERATOR)
#undef QUENLITH_CONTROL_ENUMERATOR
};

inline constexpr size_t kControlCount = 0
#define QUENLITH_CONTROL_COUNT(name) +1
    QUENLITH_CONTROLS(QUENLITH_CONTROL_COUNT)
#undef QUENLITH_CONTROL_COUNT
    ;

// A control's name as the design writes it, for traces and messages.
const char* nameOf(ControlName control);

class ControlAccess {
 public:
  virtual ~ControlAccess() = default;

  // An edit box's whole content, or a label's caption.
  virtual Text getText(ControlName control) = 0;
  // Replaces that content or caption. Taken by value: a large text is
  // moved in rather than copied.
  virtual void setText(ControlName control, Text text) = 0;
  // A radio button's or check box's state at the moment of the call.
  virtual bool isChecked(ControlName control) = 0;
  // Adds text at the end of an edit box and scrolls there.
  virtual void appendText(ControlName control, Text text) = 0;
  // A modal box with one OK button, titled "信息："; returns when dismissed.
  virtual void showMessage(const Text& message) = 0;
  // Selects an edit box's whole content and copies it to the clipboard.
  virtual void selectAllAndCopy(ControlName control) = 0;
};
