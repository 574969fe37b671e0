// The class library's non-window part in one include.
#pragma once

#include "platform/classlib/carray.h"
#include "platform/classlib/cfile.h"
#include "platform/classlib/clist.h"
#include "platform/classlib/cobject.h"
#include "platform/classlib/cstring.h"
#include "platform/classlib/cstring_array.h"
#include "platform/classlib/diagnostics.h"
#include "platform/classlib/ob_array.h"
#include "platform/classlib/ob_list.h"
#include "platform/classlib/ptr_array.h"
#include "platform/classlib/ptr_list.h"
#include "platform/classlib/rect.h"
#include "platform/classlib/string_list.h"
#include "platform/classlib/string_table.h"
#include "platform/wintypes/windows_types.h"
