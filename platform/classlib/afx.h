// The class library's non-window part in one include.
#pragma once

#include "platform/classlib/cfile.h"
#include "platform/classlib/cobject.h"
#include "platform/classlib/collections/carray.h"
#include "platform/classlib/collections/clist.h"
#include "platform/classlib/collections/cstring_array.h"
#include "platform/classlib/collections/ob_array.h"
#include "platform/classlib/collections/ob_list.h"
#include "platform/classlib/collections/ptr_array.h"
#include "platform/classlib/collections/ptr_list.h"
#include "platform/classlib/collections/string_list.h"
#include "platform/classlib/cstring.h"
#include "platform/classlib/diagnostics.h"
#include "platform/classlib/rect.h"
#include "platform/classlib/string_table.h"
#include "platform/wintypes/windows_types.h"
