// The class library's window part in one include: windows, dialogs,
// controls, message maps, data exchange, message boxes and file dialogs.
#pragma once

#include "platform/classlib/afx.h"
#include "platform/classlib/afx_message_box.h"
#include "platform/classlib/button.h"
#include "platform/classlib/cmdtarget.h"
#include "platform/classlib/combo_box.h"
#include "platform/classlib/cwnd.h"
#include "platform/classlib/ddx.h"
#include "platform/classlib/dialog.h"
#include "platform/classlib/dialog_template.h"
#include "platform/classlib/edit.h"
#include "platform/classlib/file_dialog.h"
#include "platform/classlib/list_box.h"
#include "platform/classlib/list_ctrl.h"
#include "platform/classlib/message_map.h"
#include "platform/classlib/static_control.h"
#include "platform/classlib/window_messages.h"
#include "platform/classlib/window_styles.h"
