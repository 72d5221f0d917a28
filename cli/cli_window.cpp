#include "cli/cli_window.h"

CommandLineWindow::CommandLineWindow(const CliOptions& options, MessageSink showMessage)
    : options_(options), showMessage_(std::move(showMessage)) {
  slot(ControlName::编辑框3) = options_.marker;
}

Text CommandLineWindow::getText(ControlName control) { return slot(control); }

void CommandLineWindow::setText(ControlName control, Text text) { slot(control) = std::move(text); }

bool CommandLineWindow::isChecked(ControlName control) {
  switch (control) {
    case ControlName::单选框1: return !options_.ftp;
    case ControlName::单选框2: return options_.ftp;
    case ControlName::单选框_迅雷格式: return options_.format == LinkFormat::Thunder;
    case ControlName::单选框_快车格式: return options_.format == LinkFormat::FlashGet;
    case ControlName::单选框_旋风格式: return options_.format == LinkFormat::Xuanfeng;
    case ControlName::选择框_自动拖放转换: return true;
    case ControlName::单选框_转换后自动另存文件: return true;
    default: return false;
  }
}

void CommandLineWindow::appendText(ControlName control, Text text) {
  Text& content = slot(control);
  if (content.empty()) content = std::move(text);  // the usual case: one piece per run
  else content.append(text);
}

void CommandLineWindow::showMessage(const Text& message) {
  if (showMessage_) showMessage_(message);
}

// There is no clipboard on the command line.
void CommandLineWindow::selectAllAndCopy(ControlName) {}

const Text& CommandLineWindow::text(ControlName control) const {
  return texts_[static_cast<size_t>(control)];
}
