// CStringArray: an array of CString with the class library's run-time class.
#pragma once

#include "platform/classlib/cobject.h"
#include "platform/classlib/collections/carray.h"
#include "platform/classlib/cstring.h"

class CStringArray : public CArray<CString, const CString&> {
  DECLARE_DYNAMIC(CStringArray)

 public:
  CStringArray() = default;
};
