// CPtrList: a list of untyped pointers. It never owns what they point to.
#pragma once

#include "platform/classlib/collections/clist.h"

class CPtrList : public CList<void*, void*> {};
