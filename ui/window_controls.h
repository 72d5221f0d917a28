#pragma once
// ControlAccess on the real controls of the Main window.
#include <windows.h>

#include <array>

#include "conversion/control_access.h"
#include "ui/control_layout.h"

class WindowControls final : public ControlAccess {
 public:
  std::array<HWND, kControlCount> handles{};

  HWND handle(ControlName control) const { return handles[static_cast<size_t>(control)]; }

  Text getText(ControlName control) override;
  void setText(ControlName control, Text text) override;
  bool isChecked(ControlName control) override;
  void appendText(ControlName control, Text text) override;
  void showMessage(const Text& message) override;
  void selectAllAndCopy(ControlName control) override;
};
