// CPtrArray: an array of untyped pointers. It never owns what they point to.
#pragma once

#include "platform/classlib/collections/carray.h"

class CPtrArray : public CArray<void*, void*> {};
