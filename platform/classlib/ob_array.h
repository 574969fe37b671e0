// CObArray: an array of CObject pointers. It never owns the objects; whoever
// added them deletes them.
#pragma once

#include "platform/classlib/carray.h"
#include "platform/classlib/cobject.h"

class CObArray : public CArray<CObject*, CObject*> {};
