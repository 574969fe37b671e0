// How the plug-in's commands tell the host that they failed, so that a script
// run ends there naming its line. The user has been shown why already.
#pragma once

#include "platform/classlib/cstring.h"

// why: the message the user saw (its line breaks become blanks).
void ReportCommandFailed(const CString& why);
// A run that stored no toolpath of the name: says so and reports it.
void ReportToolpathNotStored(const CString& name);
