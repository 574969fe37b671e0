#include "editor/app/nc_commands/nc_commands.h"

#include "editor/app/app_ids.h"
#include "editor/app/nc_commands/code_change.h"
#include "editor/app/nc_commands/coordinate_search.h"
#include "editor/app/nc_commands/nc_find_commands.h"
#include "editor/app/nc_commands/nc_merge.h"
#include "editor/app/nc_commands/restart_edit.h"
#include "editor/app/nc_commands/sequence_numbers.h"
#include "editor/app/nc_commands/subprogram_merge.h"

namespace {

char AddressLetterOf(UINT id) {
  switch (id) {
    case ID_FIND_G_CODE:
      return 'G';
    case ID_FIND_M_CODE:
      return 'M';
    case ID_FIND_F_CODE:
      return 'F';
    case ID_FIND_X_CODE:
      return 'X';
    case ID_FIND_Y_CODE:
      return 'Y';
    case ID_FIND_Z_CODE:
      return 'Z';
    case ID_FIND_T_CODE:
      return 'T';
    case ID_FIND_H_CODE:
      return 'H';
    case ID_FIND_I_CODE:
      return 'I';
    case ID_FIND_J_CODE:
      return 'J';
    case ID_FIND_S_CODE:
      return 'S';
    default:
      return 0;
  }
}

}  // namespace

BOOL RunNcCommand(CVellumTextView* view, UINT id) {
  if (view == nullptr) return FALSE;
  RegisterNcCommandDialogs();
  if (const char letter = AddressLetterOf(id)) {
    nc::FindAddressLetter(view, letter);
    return TRUE;
  }
  switch (id) {
    case ID_FIND_LINE_NUMBER:
      nc::FindLineNumber(view);
      break;
    case ID_FIND_SEQUENCE_NUMBER:
      nc::FindSequenceNumber(view);
      break;
    case ID_GO_TEXT_BEGIN:
      nc::GoToTextStart(view);
      break;
    case ID_GO_TEXT_END:
      nc::GoToTextEnd(view);
      break;
    case ID_FIND_COORDINATE:
      nc::RunCoordinateSearch(view);
      break;
    case ID_RESTART_EDIT:
      nc::RunRestartEdit(view);
      break;
    case ID_SUBPROGRAM_MERGE:
      nc::RunSubprogramMerge(view);
      break;
    case ID_REMOVE_SEQUENCE_NUMBERS:
      nc::RemoveSequenceNumbers(view);
      break;
    case ID_EDIT_DELETE_RANGE:
      nc::SelectRangeToText(view);
      break;
    case ID_NC_MERGE:
      nc::RunNcMerge(view);
      break;
    case ID_NC_CODE_CHANGE:
      nc::RunCodeChange(view);
      break;
    default:
      return FALSE;
  }
  return TRUE;
}
