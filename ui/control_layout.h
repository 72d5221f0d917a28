#pragma once
// The Main window's controls as they stand when it is first shown.
#include <windows.h>

#include <array>

#include "conversion/control_access.h"

enum class ControlKind { GroupBox, RadioButton, CheckBox, MultiLineEdit, SingleLineEdit, Label, Hyperlink, PushButton };

struct ControlLayout {
  ControlName name;
  ControlKind kind;
  bool inGroupBox;       // child of `groupBox` rather than of the Main window
  ControlName groupBox;
  int left, top, width, height;
  const char* text;      // caption, or the content at start
  bool checked;          // radio buttons and check boxes
  bool tabStop;
};

// Every control, from the top of the window down (the order of creation),
// in the order of ControlName: the table is checked against it when compiled.
extern const std::array<ControlLayout, kControlCount> kControlLayouts;

const ControlLayout& layoutOf(ControlName name);

// Window class, style and extended style of a control of that kind.
const char* windowClassOf(ControlKind kind);
DWORD styleOf(const ControlLayout& layout);
DWORD extendedStyleOf(ControlKind kind);

// Topmost first, for the children of the Main window and of each group box.
extern const std::array<ControlName, 12> kMainWindowStacking;
extern const std::array<ControlName, 3> kGroupBox3Stacking;
extern const std::array<ControlName, 2> kGroupBox2Stacking;
extern const std::array<ControlName, 3> kGroupBox1Stacking;

// The order in which Tab moves the focus.
extern const std::array<ControlName, 12> kTabOrder;

// A control's window ID: from 100 on, so that none is IDOK or IDCANCEL.
inline int controlId(ControlName name) { return 100 + static_cast<int>(name); }

// The text colour of labels; the credit label alone is coloured.
COLORREF labelTextColour(ControlName name);
bool labelWordWrap(ControlName name);
