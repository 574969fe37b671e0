// Reporting a failed host call with the host's text for its status.
#pragma once

#include "platform/cad/db/error_status.h"

// Nothing for eOk; else "\nARX ERROR: ..." on the prompt line.
void PrintArxError(Acad::ErrorStatus status);
// Nothing for eOk; else "ARX ERROR: ..." in an exclamation box.
void ShowArxError(Acad::ErrorStatus status);
