#include "ui/control_layout.h"

#include "ui/maker.h"
#include "ui/window_classes.h"

namespace {

using C = ControlName;
using K = ControlKind;

constexpr ControlLayout onMain(C name, K kind, int l, int t, int w, int h, const char* text,
                               bool checked = false, bool tabStop = false) {
  return {name, kind, false, name, l, t, w, h, text, checked, tabStop};
}
constexpr ControlLayout inBox(C box, C name, K kind, int l, int t, int w, int h, const char* text,
                              bool checked) {
  return {name, kind, true, box, l, t, w, h, text, checked, true};
}

constexpr std::array<ControlLayout, kControlCount> kLayouts = {{
    onMain(C::分组框3, K::GroupBox, 16, -4, 328, 32, ""),
    inBox(C::分组框3, C::单选框1, K::RadioButton, 8, 11, 104, 16, "http://方式", true),
    inBox(C::分组框3, C::单选框2, K::RadioButton, 112, 11, 88, 16, "ftp://方式", false),
    inBox(C::分组框3, C::选择框_自动拖放转换, K::CheckBox, 218, 11, 104, 16, "自动拖放转换", true),
    onMain(C::分组框2, K::GroupBox, 391, -6, 328, 32, ""),
    inBox(C::分组框2, C::单选框_转换后自动另存文件, K::RadioButton, 8, 13, 136, 16, "转换后自动另存文件", true),
    inBox(C::分组框2, C::选择框_转换后自动复制到剪贴版, K::CheckBox, 152, 12, 152, 16, "转换后自动复制到剪贴版", false),
    onMain(C::编辑框_待转换内容, K::MultiLineEdit, 8, 29, 720, 176, "", false, true),
    onMain(C::标签_加密为, K::Label, 16, 206, 56, 24, "加密为:"),
    onMain(C::分组框1, K::GroupBox, 80, 200, 640, 32, ""),
    inBox(C::分组框1, C::单选框_迅雷格式, K::RadioButton, 8, 12, 77, 16, "迅雷格式", true),
    inBox(C::分组框1, C::单选框_快车格式, K::RadioButton, 101, 12, 77, 16, "快车格式", false),
    inBox(C::分组框1, C::单选框_旋风格式, K::RadioButton, 189, 12, 77, 16, "旋风格式", false),
    onMain(C::编辑框_已转换内容, K::MultiLineEdit, 8, 232, 720, 153, "", false, true),
    onMain(C::标签1, K::Label, 16, 392, 344, 24, "下载地址前标记:(,就是每行http://前面的内容,如没有请留空)"),
    onMain(C::编辑框3, K::SingleLineEdit, 16, 418, 224, 24, "", false, true),
    onMain(C::超级链接框1, K::Hyperlink, 256, 421, 96, 21, kMakerAddress),
    onMain(C::按钮1, K::PushButton, 361, 400, 160, 64, "转换", false, true),
    onMain(C::标签2, K::Label, 528, 403, 195, 90, kCreditText),
    onMain(C::标签_信息, K::Label, 8, 456, 280, 16, kMakerAddress),
}};

constexpr bool inControlOrder() {
  for (size_t i = 0; i < kLayouts.size(); ++i)
    if (kLayouts[i].name != static_cast<ControlName>(i)) return false;
  return true;
}
static_assert(inControlOrder(), "the layout table must list the controls in the order of ControlName");

}  // namespace

const std::array<ControlLayout, kControlCount> kControlLayouts = kLayouts;

const std::array<ControlName, 12> kMainWindowStacking = {
    C::标签_加密为, C::超级链接框1, C::标签_信息, C::标签1, C::编辑框3, C::编辑框_已转换内容,
    C::按钮1, C::编辑框_待转换内容, C::标签2, C::分组框1, C::分组框2, C::分组框3};
const std::array<ControlName, 3> kGroupBox3Stacking = {C::选择框_自动拖放转换, C::单选框2, C::单选框1};
const std::array<ControlName, 2> kGroupBox2Stacking = {C::选择框_转换后自动复制到剪贴版,
                                                       C::单选框_转换后自动另存文件};
const std::array<ControlName, 3> kGroupBox1Stacking = {C::单选框_旋风格式, C::单选框_快车格式,
                                                       C::单选框_迅雷格式};

const std::array<ControlName, 12> kTabOrder = {
    C::单选框1, C::单选框2, C::选择框_自动拖放转换, C::单选框_转换后自动另存文件,
    C::选择框_转换后自动复制到剪贴版, C::编辑框_待转换内容, C::单选框_迅雷格式, C::单选框_快车格式,
    C::单选框_旋风格式, C::编辑框_已转换内容, C::编辑框3, C::按钮1};

const ControlLayout& layoutOf(ControlName name) {
  return kControlLayouts[static_cast<size_t>(name)];
}

const char* windowClassOf(ControlKind kind) {
  switch (kind) {
    case K::MultiLineEdit:
    case K::SingleLineEdit: return "EDIT";
    case K::Label: return kLabelClassName;
    case K::Hyperlink: return kHyperlinkClassName;
    default: return "BUTTON";
  }
}

DWORD styleOf(const ControlLayout& layout) {
  DWORD style = WS_CHILD | (layout.tabStop ? WS_TABSTOP : 0);
  switch (layout.kind) {
    case K::GroupBox: return style | BS_GROUPBOX | BS_LEFT;
    case K::RadioButton: return style | BS_AUTORADIOBUTTON | BS_MULTILINE | BS_LEFT | BS_VCENTER;
    case K::CheckBox: return style | BS_AUTOCHECKBOX | BS_MULTILINE | BS_LEFT | BS_VCENTER;
    case K::PushButton: return style | BS_PUSHBUTTON | BS_MULTILINE | BS_CENTER | BS_VCENTER;
    case K::MultiLineEdit:
      return style | ES_LEFT | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL;
    case K::SingleLineEdit: return style | ES_LEFT | ES_AUTOHSCROLL;
    case K::Label:
    case K::Hyperlink: return style;
  }
  return style;
}

DWORD extendedStyleOf(ControlKind kind) {
  return kind == K::MultiLineEdit || kind == K::SingleLineEdit ? WS_EX_CLIENTEDGE : 0;
}

COLORREF labelTextColour(ControlName name) {
  return name == C::标签2 ? RGB(144, 0, 255) : RGB(0, 0, 0);
}

bool labelWordWrap(ControlName name) { return name == C::标签2; }
