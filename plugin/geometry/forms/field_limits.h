// Operation forms: the limits of one number field, checked alike by the
// dialog's data exchange (DDX_Limited) and by the record reader (RecordReader).
//
// Each operation keeps one table of FieldLimit values (operation_limits.h), so
// that what a user cannot type cannot come back from a record or a *.par file
// either. A limit is inclusive on both ends; an int field also refuses what its
// type cannot hold, a real field anything that is not finite.
#pragma once

#include "platform/classlib/afxwin.h"

struct FieldLimit {
  const char* name;  // as the dialog labels the field; messages name it
  double least;
  double most;
};

// True when the value is finite and within the limit.
bool IsWithin(double value, const FieldLimit& limit);

// The class library's range checks with the limit's bounds.
void DDV_Limit(CDataExchange* pDX, int value, const FieldLimit& limit);
void DDV_Limit(CDataExchange* pDX, float const& value, const FieldLimit& limit);
void DDV_Limit(CDataExchange* pDX, double const& value, const FieldLimit& limit);

// DDX_Text followed by DDV_Limit: the usual pair for a limited edit.
template <class T>
void DDX_Limited(CDataExchange* pDX, int nIDC, T& value, const FieldLimit& limit) {
  DDX_Text(pDX, nIDC, value);
  DDV_Limit(pDX, value, limit);
}
