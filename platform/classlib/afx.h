// The class library's non-window part in one include.
#pragma once

#include "platform/win/windows_types.h"
#include "platform/classlib/diagnostics.h"
#include "platform/classlib/cobject.h"
#include "platform/classlib/cstring.h"
