// CObList: a list of CObject pointers. It never owns the objects.
#pragma once

#include "platform/classlib/cobject.h"
#include "platform/classlib/collections/clist.h"

class CObList : public CList<CObject*, CObject*> {};
