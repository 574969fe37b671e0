#include "platform/gui/gui_driver.h"

#include <wx/artprov.h>
#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/filedlg.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>
#include <wx/textdlg.h>
#include <wx/utils.h>

#include <cctype>
#include <iostream>

#include "platform/classlib/backend/backend_events.h"
#include "platform/gui/file_filter.h"
#include "platform/gui/gui_session.h"
#include "platform/gui/key_codes.h"
#include "platform/gui/modal_dialog.h"
#include "platform/ui/held_keys.h"
#include "platform/ui/message_box_text.h"

namespace gui {
namespace {

wxString Text(const std::string& text) { return wxString::FromUTF8(text); }

wxString ButtonLabel(const char* word) {
  std::string label = word;
  if (label == "ok") return "OK";
  if (!label.empty()) label[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(label[0])));
  return label;
}

wxArtID IconOf(UINT type) {
  switch (type & MB_ICONMASK) {
    case MB_ICONHAND:
      return wxART_ERROR;
    case MB_ICONQUESTION:
      return wxART_QUESTION;
    case MB_ICONEXCLAMATION:
      return wxART_WARNING;
    case MB_ICONASTERISK:
      return wxART_INFORMATION;
    default:
      return wxArtID();
  }
}

}  // namespace

int GuiDriver::MessageBox(const std::string& text, const std::string& caption, UINT type) {
  wxDialog box(DialogParent(), wxID_ANY, Text(caption.empty() ? std::string("Message") : caption));
  auto* column = new wxBoxSizer(wxVERTICAL);  // the sizers belong to the dialog
  auto* body = new wxBoxSizer(wxHORIZONTAL);
  if (const wxArtID icon = IconOf(type); !icon.empty()) {
    body->Add(new wxStaticBitmap(&box, wxID_ANY, wxArtProvider::GetBitmap(icon, wxART_MESSAGE_BOX)), 0, wxRIGHT, 12);
  }
  body->Add(new wxStaticText(&box, wxID_ANY, Text(text)), 1, wxEXPAND);
  column->Add(body, 1, wxEXPAND | wxALL, 12);
  auto* buttons = new wxBoxSizer(wxHORIZONTAL);
  buttons->AddStretchSpacer();
  const int fallback = ui::DefaultMessageBoxResult(type);
  for (const ui::MessageBoxButton& each : ui::MessageBoxButtons(type)) {
    auto* button = new wxButton(&box, wxID_HIGHEST + each.result, ButtonLabel(each.word));
    const int result = each.result;
    button->Bind(wxEVT_BUTTON, [&box, result](wxCommandEvent&) { box.EndModal(result); });
    if (result == fallback) button->SetDefault();
    buttons->Add(button, 0, wxLEFT, 8);
  }
  column->Add(buttons, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 12);
  box.SetSizerAndFit(column);
  box.SetEscapeId(wxID_HIGHEST + ui::EscapeMessageBoxResult(type));
  box.Bind(wxEVT_CLOSE_WINDOW, [&box, type](wxCloseEvent&) { box.EndModal(ui::EscapeMessageBoxResult(type)); });
  box.CentreOnParent();
  afx::DrainMessages();  // the windows under the box show what led to it
  const int answer = box.ShowModal();
  // Escape ends the box with the escape button's native id.
  return answer > wxID_HIGHEST ? answer - wxID_HIGHEST : answer;
}

void GuiDriver::RunModal(ui::ModalSurface& dialog) { RunModalDialog(dialog, DialogParent()); }

std::optional<std::string> GuiDriver::AskFile(const ui::FileDialogRequest& request) {
  const long style = request.open ? (wxFD_OPEN | wxFD_FILE_MUST_EXIST) : wxFD_SAVE;
  const std::string title = !request.title.empty() ? request.title : request.open ? "Open" : "Save As";
  wxFileDialog dialog(DialogParent(), Text(title), Text(request.initial_folder), Text(request.file_name),
                      Text(ToolkitFilter(request.filter)), style);
  if (dialog.ShowModal() != wxID_OK) return std::nullopt;
  return std::string(dialog.GetPath().utf8_str());
}

ui::InputLine GuiDriver::ReadLine(const std::string& prompt) {
  wxTextEntryDialog dialog(DialogParent(), Text(prompt));
  ui::InputLine line;
  if (dialog.ShowModal() != wxID_OK) {
    line.status = ui::InputStatus::kCancelled;
    return line;
  }
  line.status = ui::InputStatus::kLine;
  line.text = std::string(dialog.GetValue().utf8_str());
  return line;
}

void GuiDriver::Print(const std::string& text) { std::cout << text << std::flush; }

bool GuiDriver::IsKeyDown(int virtual_key) {
  if (const std::optional<bool> held = ui::HeldKeyState(virtual_key)) return *held;
  const wxMouseState mouse = wxGetMouseState();
  if (virtual_key == VK_LBUTTON) return mouse.LeftIsDown();
  if (virtual_key == VK_RBUTTON) return mouse.RightIsDown();
  if (virtual_key == VK_MBUTTON) return mouse.MiddleIsDown();
  const int key = ToolkitKeyFor(virtual_key);
  return key != 0 && wxGetKeyState(static_cast<wxKeyCode>(key));
}

void GuiDriver::Fail(const std::string& why) {
  std::cerr << why << "\n";
  failed_ = true;
}

}  // namespace gui
