// The parameter holders of the configurable post: one operation dialog per
// toolpath kind, never shown while posting, filled from each toolpath's
// record. The table maps a kind to its holder; a kind whose operation has no
// holder yet is walked from its entities alone.
#pragma once

#include <map>
#include <memory>

#include "platform/classlib/afxwin.h"
#include "plugin/post/post_values.h"
#include "plugin/post/toolpath_traversal.h"

class PostKindHolder : public ToolpathFeeds {
 public:
  // The holder as a new one, so nothing of an earlier toolpath is left.
  virtual void Reset() = 0;
  // Reset, then the record read in. False when it does not read; refusal
  // then names the line or field when the kind's reader says.
  virtual bool ReadRecord(const char* text, CString& refusal) = 0;
  // Tool sizes, spindle, cycle return and coolant that the record gives.
  virtual void ApplyRecordValues(PostValues& values, bool& coolant) { (void)values, (void)coolant; }
  // A tool-size marker: the pass set's tool (or the kind's only tool).
  virtual void ApplyPassSet(int set, PostValues& values) { (void)set, (void)values; }
  // The cycle values of a hole (drilling kinds only).
  virtual void FillCycleValues(PostValues& values) const { (void)values; }
  // The holder as a dialog, shown for the parameter button; null for none.
  virtual CDialog* Dialog() = 0;
  // Puts the toolpath's name where the dialog shows it.
  virtual void SetToolpathName(const char* name) = 0;
  // False for kinds whose toolpaths are posted from their entities alone: their
  // records are read only to show the parameters.
  virtual bool PostsRecordValues() const { return true; }
};

class PostKindHolders {
 public:
  PostKindHolders();
  ~PostKindHolders();
  // Null when the kind has no holder.
  PostKindHolder* Find(int kind);

 private:
  std::map<int, std::unique_ptr<PostKindHolder>> holders_;
};
