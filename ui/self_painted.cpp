#include "ui/self_painted.h"

void paintTextOnButtonFace(HWND hwnd, HFONT font, COLORREF colour, const Text& text, UINT format) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd, &ps);
  RECT client;
  GetClientRect(hwnd, &client);
  FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
  HGDIOBJ oldFont = SelectObject(dc, font ? font : GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, colour);
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &client, format);
  SelectObject(dc, oldFont);
  EndPaint(hwnd, &ps);
}
