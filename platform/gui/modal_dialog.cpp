#include "platform/gui/modal_dialog.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/combobox.h>
#include <wx/dialog.h>
#include <wx/listbox.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <algorithm>
#include <map>
#include <set>
#include <type_traits>
#include <vector>

#include "platform/classlib/backend/backend_events.h"
#include "platform/gui/dialog_tree.h"

namespace gui {
namespace {

wxString Text(const std::string& text) { return wxString::FromUTF8(text); }
std::string Utf8(const wxString& text) { return std::string(text.utf8_str()); }

wxArrayString Items(const ui::ControlInfo& control) {
  wxArrayString items;
  for (const std::string& item : control.items) items.Add(Text(item));
  return items;
}

class SurfaceDialog : public wxDialog {
 public:
  SurfaceDialog(wxWindow* parent, ui::ModalSurface& surface)
      : wxDialog(parent, wxID_ANY, Text(surface.Caption()), wxDefaultPosition, wxDefaultSize,
                 wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
        surface_(surface) {
    Build();
    Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent&) { Act([this] { surface_.Cancel(); }); });
    Bind(wxEVT_CHAR_HOOK, [this](wxKeyEvent& event) {
      if (event.GetKeyCode() == WXK_ESCAPE) {
        Act([this] { surface_.Cancel(); });
      } else {
        event.Skip();
      }
    });
  }

 private:
  struct Shown {
    std::string kind;
    wxWindow* widget = nullptr;
    wxWindow* label = nullptr;
  };

  void Build() {
    auto* column = new wxBoxSizer(wxVERTICAL);  // the sizers belong to the dialog
    auto* grid = new wxFlexGridSizer(2, 6, 10);
    grid->AddGrowableCol(1);
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->AddStretchSpacer();
    for (const ui::ControlInfo& control : surface_.Controls()) {
      Shown shown;
      shown.kind = control.kind;
      shown.widget = MakeWidget(control);
      shown.widget->SetName(std::to_string(control.id));  // tests find a control's widget by its id
      if (control.kind == "button" && (control.id == IDOK || control.id == IDCANCEL)) {
        buttons->Add(shown.widget, 0, wxLEFT, 8);
      } else {
        const bool labelled = control.kind == "edit" || control.kind == "combo" || control.kind == "list" ||
                              control.kind == "listctrl" || control.kind == "tree";
        shown.label = new wxStaticText(this, wxID_ANY, labelled ? Text(control.label) : wxString());
        grid->Add(shown.label, 0, control.kind == "tree" ? wxALIGN_TOP : wxALIGN_CENTER_VERTICAL);
        grid->Add(shown.widget, 1, wxEXPAND);
      }
      shown_.emplace(control.id, shown);
      in_radio_run_ = control.kind == "radio";
      if (!in_radio_run_) CloseRadioGroup();
    }
    CloseRadioGroup();
    refusal_ = new wxStaticText(this, wxID_ANY, wxString());
    refusal_->SetName("refusal");
    refusal_->SetForegroundColour(*wxRED);
    column->Add(grid, 1, wxEXPAND | wxALL, 12);
    column->Add(refusal_, 0, wxEXPAND | wxLEFT | wxRIGHT, 12);
    column->Add(buttons, 0, wxEXPAND | wxALL, 12);
    SetSizerAndFit(column);
    Update(surface_.Controls());
  }

  wxWindow* MakeWidget(const ui::ControlInfo& control) {
    const int id = control.id;
    if (control.kind == "edit") {
      auto* edit = new wxTextCtrl(this, wxID_ANY, Text(control.value), wxDefaultPosition, wxSize(240, -1));
      edit->Bind(wxEVT_TEXT, [this, id, edit](wxCommandEvent&) {
        if (!updating_) Act([this, id, edit] { return surface_.SetText(id, Utf8(edit->GetValue())); });
      });
      return edit;
    }
    if (control.kind == "check") {
      auto* check = new wxCheckBox(this, wxID_ANY, Text(control.label));
      check->Bind(wxEVT_CHECKBOX, [this, id, check](wxCommandEvent&) {
        Act([this, id, check] { return surface_.SetCheck(id, check->GetValue()); });
      });
      return check;
    }
    if (control.kind == "radio") {
      // The toolkit keeps one button of a group on: buttons that follow each other form one group.
      const bool first = radio_groups_.empty() || !in_radio_run_;
      if (first) radio_groups_.push_back({});
      auto* radio = new wxRadioButton(this, wxID_ANY, Text(control.label), wxDefaultPosition, wxDefaultSize,
                                      first ? wxRB_GROUP : 0);
      radio_groups_.back().buttons.push_back(radio);
      radio->Bind(wxEVT_RADIOBUTTON, [this, id](wxCommandEvent&) { Act([this, id] { return surface_.Click(id); }); });
      return radio;
    }
    if (control.kind == "combo") {
      auto* combo =
          new wxComboBox(this, wxID_ANY, Text(control.value), wxDefaultPosition, wxDefaultSize, Items(control));
      combo->Bind(wxEVT_COMBOBOX, [this, id, combo](wxCommandEvent&) {
        Act([this, id, combo] { return surface_.SelectIndex(id, combo->GetSelection()); });
      });
      combo->Bind(wxEVT_TEXT, [this, id, combo](wxCommandEvent&) {
        if (!updating_ && combo->GetSelection() == wxNOT_FOUND) {
          Act([this, id, combo] { return surface_.SetText(id, Utf8(combo->GetValue())); });
        }
      });
      return combo;
    }
    if (control.kind == "list" || control.kind == "listctrl") {
      auto* list = new wxListBox(this, wxID_ANY, wxDefaultPosition, wxSize(240, 120), Items(control));
      list->Bind(wxEVT_LISTBOX, [this, id, list](wxCommandEvent&) {
        if (!updating_) Act([this, id, list] { return surface_.SelectIndex(id, list->GetSelection()); });
      });
      list->Bind(wxEVT_LISTBOX_DCLICK, [this, id, list](wxCommandEvent&) {
        Act([this, id, list] { return surface_.DoubleClick(id, list->GetSelection()); });
      });
      return list;
    }
    if (control.kind == "tree") {
      return new DialogTree(this, id, surface_, [this](std::function<std::string()> action) { Act(action); });
    }
    if (control.kind == "button") {
      const wxWindowID native = id == IDOK ? wxID_OK : id == IDCANCEL ? wxID_CANCEL : wxID_ANY;
      auto* button = new wxButton(this, native, Text(control.label.empty() ? control.value : control.label));
      button->Bind(wxEVT_BUTTON, [this, id](wxCommandEvent&) {
        if (id == IDOK) {
          Act([this] { surface_.Ok(); });
        } else if (id == IDCANCEL) {
          Act([this] { surface_.Cancel(); });
        } else {
          Act([this, id] { return surface_.Click(id); });
        }
      });
      if (id == IDOK) button->SetDefault();
      return button;
    }
    const std::string& text = control.kind == "group" || control.value.empty() ? control.label : control.value;
    auto* label = new wxStaticText(this, wxID_ANY, Text(text));
    if (control.kind == "group") label->SetFont(label->GetFont().Bold());
    return label;
  }

  // A hidden last button of a group takes the toolkit's "on" while none of the dialog's buttons is.
  void CloseRadioGroup() {
    in_radio_run_ = false;
    if (radio_groups_.empty() || radio_groups_.back().none != nullptr) return;
    radio_groups_.back().none = new wxRadioButton(this, wxID_ANY, wxString());
    radio_groups_.back().none->Hide();
  }

  void ShowRadioGroups(const std::set<const wxWindow*>& on) {
    for (const RadioGroup& group : radio_groups_) {
      const bool any = std::any_of(group.buttons.begin(), group.buttons.end(),
                                   [&on](const wxRadioButton* button) { return on.count(button) != 0; });
      if (!any && group.none != nullptr) group.none->SetValue(true);
    }
  }

  // Runs an action that may be refused, then shows the dialog as it is now.
  template <typename Action>
  void Act(Action action) {
    if constexpr (std::is_void_v<decltype(action())>) {
      action();
      refusal_->SetLabel(wxString());
    } else {
      refusal_->SetLabel(Text(action()));
    }
    // The windows under the dialog show what the action changed there while it stays open.
    afx::DrainMessages();
    if (surface_.IsClosed()) {
      if (IsModal()) EndModal(wxID_OK);
      return;
    }
    Update(surface_.Controls());
  }

  void Update(const std::vector<ui::ControlInfo>& controls) {
    updating_ = true;
    std::set<const wxWindow*> radios_on;
    for (const ui::ControlInfo& control : controls) {
      const auto found = shown_.find(control.id);
      if (found == shown_.end()) continue;
      wxWindow* widget = found->second.widget;
      widget->Show(control.visible);
      if (found->second.label != nullptr) found->second.label->Show(control.visible);
      widget->Enable(control.enabled);
      const wxString value = Text(control.value);
      if (auto* edit = dynamic_cast<wxTextCtrl*>(widget)) {
        if (edit->GetValue() != value) edit->ChangeValue(value);
        edit->SetEditable(!control.read_only);
      } else if (auto* check = dynamic_cast<wxCheckBox*>(widget)) {
        check->SetValue(control.value == "1");
      } else if (auto* radio = dynamic_cast<wxRadioButton*>(widget)) {
        if (control.value == "1") {
          radio->SetValue(true);
          radios_on.insert(radio);
        }
      } else if (auto* combo = dynamic_cast<wxComboBox*>(widget)) {
        if (combo->GetStrings() != Items(control)) combo->Set(Items(control));
        if (combo->GetValue() != value) combo->ChangeValue(value);
      } else if (auto* list = dynamic_cast<wxListBox*>(widget)) {
        // Entries come and go as the dialog adds and removes them.
        if (list->GetStrings() != Items(control)) list->Set(Items(control));
        const int index = list->FindString(value, true);
        if (index != wxNOT_FOUND && list->GetSelection() != index) list->SetSelection(index);
      } else if (auto* tree = dynamic_cast<DialogTree*>(widget)) {
        tree->Mirror(control.tree);
      }
    }
    ShowRadioGroups(radios_on);
    updating_ = false;
    Layout();
  }

  struct RadioGroup {
    std::vector<wxRadioButton*> buttons;
    wxRadioButton* none = nullptr;
  };

  ui::ModalSurface& surface_;
  std::map<int, Shown> shown_;
  std::vector<RadioGroup> radio_groups_;
  bool in_radio_run_ = false;
  wxStaticText* refusal_ = nullptr;
  bool updating_ = false;
};

}  // namespace

void RunModalDialog(ui::ModalSurface& surface, wxWindow* parent) {
  if (surface.IsClosed()) return;
  SurfaceDialog dialog(parent, surface);
  afx::DrainMessages();  // the windows under the dialog show what its start changed there
  dialog.ShowModal();
  if (!surface.IsClosed()) surface.Cancel();
}

}  // namespace gui
