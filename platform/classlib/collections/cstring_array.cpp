#include "platform/classlib/collections/cstring_array.h"

IMPLEMENT_DYNAMIC(CStringArray, CObject)
