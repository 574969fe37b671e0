// The editor side of the CAD host in one include: prompts, selection sets,
// system variables, UCS, temporary graphics, commands, the dynamic linker,
// documents and the host dialog base.
#pragma once

#include "platform/cad/editor/aced_command_stack.h"
#include "platform/cad/editor/aced_status.h"
#include "platform/cad/editor/aced_sysvars.h"
#include "platform/cad/editor/aced_ucs.h"
#include "platform/cad/editor/acui_dialog.h"
#include "platform/cad/editor/ap_doc_manager.h"
#include "platform/cad/editor/graphics/aced_graphics.h"
#include "platform/cad/editor/input/aced_input.h"
#include "platform/cad/editor/rx_dynamic_linker.h"
#include "platform/cad/editor/selection/aced_selection.h"
