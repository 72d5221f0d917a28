#pragma once
#include "conversion/control_access.h"

// A control's name, for traces that read like the design.
inline const char* nameOf(ControlName control) {
  static const char* const names[] = {
      "分组框3", "单选框1", "单选框2", "选择框_自动拖放转换", "分组框2", "单选框_转换后自动另存文件",
      "选择框_转换后自动复制到剪贴版", "编辑框_待转换内容", "标签_加密为", "分组框1", "单选框_迅雷格式",
      "单选框_快车格式", "单选框_旋风格式", "编辑框_已转换内容", "标签1", "编辑框3", "超级链接框1",
      "按钮1", "标签2", "标签_信息"};
  return names[static_cast<int>(control)];
}
