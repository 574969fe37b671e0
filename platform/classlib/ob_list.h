// CObList: a list of CObject pointers. It never owns the objects.
#pragma once

#include "platform/classlib/clist.h"
#include "platform/classlib/cobject.h"

class CObList : public CList<CObject*, CObject*> {};
