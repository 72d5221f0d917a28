#pragma once
// A window of plain values that records every call made on it, so that a
// test can read a run as the user would have seen it, call by call.
#include <map>
#include <set>
#include <string>
#include <vector>

#include "conversion/control_access.h"

struct Call {
  enum Kind { GetText, SetText, IsChecked, AppendText, ShowMessage, SelectAllAndCopy };
  Kind kind;
  ControlName control;
  Text text;  // what was set, appended or shown
  bool operator==(const Call& other) const {
    return kind == other.kind && control == other.control && text == other.text;
  }
};

class RecordingWindow final : public ControlAccess {
 public:
  // The state a user leaves before pressing the button: the window's
  // design states unless a test says otherwise.
  std::map<ControlName, Text> texts;
  std::set<ControlName> checked = {ControlName::单选框1, ControlName::单选框_迅雷格式,
                                   ControlName::单选框_转换后自动另存文件,
                                   ControlName::选择框_自动拖放转换};
  std::vector<Call> calls;
  // When set, every call is also written here as "operation control".
  std::vector<std::string>* trace = nullptr;

  RecordingWindow& input(const Text& text) {
    texts[ControlName::编辑框_待转换内容] = text;
    return *this;
  }
  RecordingWindow& marker(const Text& text) {
    texts[ControlName::编辑框3] = text;
    return *this;
  }
  RecordingWindow& select(std::set<ControlName> on) {
    checked = std::move(on);
    return *this;
  }

  Text getText(ControlName c) override {
    note("getText", c);
    calls.push_back({Call::GetText, c, {}});
    return texts[c];
  }
  void setText(ControlName c, Text t) override {
    note("setText", c);
    calls.push_back({Call::SetText, c, t});
    texts[c] = t;
  }
  bool isChecked(ControlName c) override {
    note("isChecked", c);
    calls.push_back({Call::IsChecked, c, {}});
    return checked.count(c) > 0;
  }
  void appendText(ControlName c, Text t) override {
    note("appendText", c);
    calls.push_back({Call::AppendText, c, t});
    texts[c] += t;
  }
  void showMessage(const Text& m) override {
    if (trace) trace->push_back("showMessage " + m);
    calls.push_back({Call::ShowMessage, {}, m});
  }
  void selectAllAndCopy(ControlName c) override {
    note("selectAllAndCopy", c);
    calls.push_back({Call::SelectAllAndCopy, c, {}});
  }

  void note(const char* operation, ControlName c) {
    if (trace) trace->push_back(std::string(operation) + " " + nameOf(c));
  }

  const Text& output() { return texts[ControlName::编辑框_已转换内容]; }
  const Text& status() { return texts[ControlName::标签_信息]; }
  std::vector<Text> messages() const {
    std::vector<Text> shown;
    for (const Call& call : calls)
      if (call.kind == Call::ShowMessage) shown.push_back(call.text);
    return shown;
  }
  size_t count(Call::Kind kind, ControlName control) const {
    size_t n = 0;
    for (const Call& call : calls) n += call.kind == kind && call.control == control;
    return n;
  }
};
