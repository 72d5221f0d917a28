#pragma once
// A label that paints its own caption: the button face behind it, the text
// drawn transparently in its own colour. It keeps the caption itself.
#include <windows.h>

#include "encoding/text.h"

LRESULT CALLBACK labelWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

void setLabelLook(HWND label, COLORREF textColour, bool wordWrap);
void setLabelCaption(HWND label, const Text& caption);
Text labelCaption(HWND label);
