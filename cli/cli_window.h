#pragma once
// The window as the command line sees it: the options stand for the radio
// buttons and the marker box, the input is the input box's text, and the
// output box and status label are plain texts for the caller to print.
#include <array>
#include <functional>

#include "cli/options.h"
#include "conversion/control_access.h"

class CommandLineWindow final : public ControlAccess {
 public:
  using MessageSink = std::function<void(const Text&)>;

  CommandLineWindow(const CliOptions& options, MessageSink showMessage);

  Text getText(ControlName control) override;
  void setText(ControlName control, Text text) override;
  bool isChecked(ControlName control) override;
  void appendText(ControlName control, Text text) override;
  void showMessage(const Text& message) override;
  void selectAllAndCopy(ControlName control) override;

  // The content as it stands, and a new one moved in, without a copy: the
  // input can be large.
  const Text& text(ControlName control) const;
  void moveTextIn(ControlName control, Text&& text) { slot(control) = std::move(text); }

 private:
  Text& slot(ControlName control) { return texts_[static_cast<size_t>(control)]; }

  CliOptions options_;
  MessageSink showMessage_;
  std::array<Text, kControlCount> texts_;
};
