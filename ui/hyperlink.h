#pragma once
// A label that shows a web address and opens it when clicked: blue, dark
// blue while the pointer is over it, dark red once it has been opened.
#include <windows.h>

#include "encoding/text.h"

LRESULT CALLBACK hyperlinkWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Opens an address; true when it was opened. Tests put one of their own in.
using UrlOpener = bool (*)(const Text& address);
void setUrlOpener(UrlOpener opener);

// The browser, through the shell, or failing that the command registered
// for ".htm" pages.
bool openInBrowser(const Text& address);

// A registered open command made to open address: cut at its first "%1"
// argument (quoted or not), then one blank and the address.
Text commandLineFor(Text registeredCommand, const Text& address);

// The colour the label paints its text in now.
COLORREF hyperlinkTextColour(HWND hyperlink);
