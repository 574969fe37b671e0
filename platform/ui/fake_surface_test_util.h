// A scripted stand-in for an open dialog: records what the driver asked of it.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/ui_driver.h"

namespace ui::testing {

class FakeSurface : public ModalSurface {
 public:
  FakeSurface() {
    controls_.push_back({385, "환경 directory", "edit", "c:\\Ostrivo", true, true, false, {}, true, {}});
    controls_.push_back({457, "...", "button", "", true, true, false, {}, false, {}});
    controls_.push_back({458, "...", "button", "", true, true, false, {}, false, {}});
    controls_.push_back({258, "가공방법", "combo", "a", true, true, false, {"a", "b", "c"}, false, {}});
    controls_.push_back({1, "OK", "button", "", true, true, false, {}, false, {}});
  }

  std::string Caption() const override { return "Fake"; }
  std::vector<ControlInfo> Controls() const override { return controls_; }
  bool IsClosed() const override { return closed_; }
  std::string SetText(int id, const std::string& text) override { return Log("set " + Id(id) + " [" + text + "]"); }
  std::string Click(int id) override { return Log("click " + Id(id)); }
  std::string SetCheck(int id, bool checked) override {
    return Log(std::string(checked ? "check " : "uncheck ") + Id(id));
  }
  std::string SelectIndex(int id, int index) override { return Log("index " + Id(id) + " " + Id(index)); }
  std::string SelectText(int id, const std::string& text) override { return Log("text " + Id(id) + " " + text); }
  std::string DoubleClick(int id, int index) override { return Log("dblclick " + Id(id) + " " + Id(index)); }
  std::string SelectCell(int id, int row, int column) override {
    return Log("cell " + Id(id) + " " + Id(row) + " " + Id(column));
  }
  void Ok() override {
    Log("ok");
    closed_ = close_on_ok;
  }
  void Cancel() override {
    Log("cancel");
    closed_ = close_on_cancel;
  }

  std::vector<std::string> log;
  std::string refusal;  // returned by the next action
  bool close_on_ok = true;
  bool close_on_cancel = true;
  std::vector<ControlInfo> controls_;

 private:
  static std::string Id(int id) { return std::to_string(id); }
  std::string Log(const std::string& entry) {
    log.push_back(entry);
    std::string why;
    why.swap(refusal);
    return why;
  }
  bool closed_ = false;
};

}  // namespace ui::testing
