// What every simple-cycle generator runs once its cut entities exist in model
// space in cutting order: feed tags and links, then the tool marker, the record
// and the group. Whatever a run made and did not store is erased again.
//
//   SimpleCycleEntities cuts;                  // erased unless stored
//   ... AddTwoPointPolyline(...) into cuts.ids() ...
//   AcDbObjectIdArray moves;
//   if (!LinkSimpleCycleCuts(cuts.ids(), dlg.m_Lead, dlg, moves)) return;
//   StoreSimpleCycleToolpath(dlg, moves);
#pragma once

#include "platform/cad/db/db_object_id.h"
#include "platform/classlib/cstring.h"
#include "plugin/geometry/passes/lead_in_out_dlg.h"
#include "plugin/milling/simple/simple_cycle_form.h"

// Entities a run has made so far; erased when it ends unless handed on.
class SimpleCycleEntities {
 public:
  SimpleCycleEntities() = default;
  SimpleCycleEntities(const SimpleCycleEntities&) = delete;
  SimpleCycleEntities& operator=(const SimpleCycleEntities&) = delete;
  ~SimpleCycleEntities();
  AcDbObjectIdArray& ids() { return ids_; }
  // The ids go to the caller, who now answers for them.
  void HandTo(AcDbObjectIdArray& owner);

 private:
  AcDbObjectIdArray ids_;
};

// The feed into every cut, then the cuts joined in order by the entry and
// return moves over the return height. The cuts are handed to moves; false,
// with the cuts erased, when the linking fails.
bool LinkSimpleCycleCuts(AcDbObjectIdArray& cuts, CLeadInOutDlg& lead, const SimpleCycleFields& fields,
                         AcDbObjectIdArray& moves);

// The tool marker at the first move, then the group of the name with the
// record as its description. The old toolpath the user agreed to replace goes
// first. When no group of the name results, everything made is erased and a
// script run fails. True when stored; moves is emptied either way.
bool StoreSimpleCycleToolpathRecord(const SimpleCycleFields& fields, const CString& record, AcDbObjectIdArray& moves);

template <class Dialog>
bool StoreSimpleCycleToolpath(const Dialog& dialog, AcDbObjectIdArray& moves) {
  CString record;
  dialog.WriteParamRecord(record);
  return StoreSimpleCycleToolpathRecord(dialog, record, moves);
}

// A run that cannot cut: the message in a box (and a script run fails).
void RefuseSimpleCycleRun(const CString& message);
// CheckRunSize for a run that is to store under the fields' name; a run too
// large to make stores nothing and says so.
bool SimpleCycleRunFits(const SimpleCycleFields& fields, double levels, double passesPerLevel);
