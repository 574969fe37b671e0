#include "editor/textedit/edit/find_settings.h"

#include "platform/classlib/docview/win_app.h"

namespace {

constexpr char kFindSection[] = "VellumEdit\\Find";
constexpr char kReplaceSection[] = "VellumEdit\\Replace";

FindSettings Load(const char* section, bool with_replace) {
  FindSettings settings;
  CWinApp* app = AfxGetApp();
  if (app == nullptr) return settings;
  settings.find_what = app->GetProfileString(section, "FindWhat", "");
  if (with_replace) settings.replace_with = app->GetProfileString(section, "ReplaceWith", "");
  settings.match_case = app->GetProfileInt(section, "MatchCase", 0) != 0;
  settings.whole_word = app->GetProfileInt(section, "WholeWord", 0) != 0;
  return settings;
}

void Save(const char* section, const FindSettings& settings, bool with_replace) {
  CWinApp* app = AfxGetApp();
  if (app == nullptr) return;
  app->WriteProfileString(section, "FindWhat", settings.find_what);
  if (with_replace) app->WriteProfileString(section, "ReplaceWith", settings.replace_with);
  app->WriteProfileInt(section, "MatchCase", settings.match_case ? 1 : 0);
  app->WriteProfileInt(section, "WholeWord", settings.whole_word ? 1 : 0);
}

}  // namespace

FindSettings LoadFindSettings() { return Load(kFindSection, false); }

void SaveFindSettings(const FindSettings& settings) { Save(kFindSection, settings, false); }

FindSettings LoadReplaceSettings() { return Load(kReplaceSection, true); }

void SaveReplaceSettings(const FindSettings& settings) { Save(kReplaceSection, settings, true); }
