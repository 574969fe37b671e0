// The dashed linetype that marks rapid moves.
#pragma once

constexpr const char* kRapidLinetype = "ACAD_ISO03W100";

// Loads the linetype from "acad.lin" into every open drawing that lacks it.
void LoadRapidLinetype();
