// CObArray: an array of CObject pointers. It never owns the objects; whoever
// added them deletes them.
#pragma once

#include "platform/classlib/cobject.h"
#include "platform/classlib/collections/carray.h"

class CObArray : public CArray<CObject*, CObject*> {};
