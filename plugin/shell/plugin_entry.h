// The entry the host calls with its application messages: 1 loads the
// plug-in, 2 unloads it; every other message is answered and ignored.
#pragma once

#include "platform/cad/editor/rx_dynamic_linker.h"

extern "C" __attribute__((visibility("default"))) AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode msg, void* appId);
