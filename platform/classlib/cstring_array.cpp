#include "platform/classlib/cstring_array.h"

IMPLEMENT_DYNAMIC(CStringArray, CObject)
