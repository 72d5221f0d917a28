#pragma once
#include <windows.h>

inline constexpr char kMainWindowClassName[] = "QuenlithMainWindow";
inline constexpr char kLabelClassName[] = "QuenlithLabel";
inline constexpr char kHyperlinkClassName[] = "QuenlithHyperlink";

// Registers the Main window's class and the two self-painted control classes.
bool registerWindowClasses(HINSTANCE instance);
