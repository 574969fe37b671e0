// CStringList: a list of CString values.
#pragma once

#include "platform/classlib/collections/clist.h"
#include "platform/classlib/cstring.h"

class CStringList : public CList<CString, const CString&> {};
