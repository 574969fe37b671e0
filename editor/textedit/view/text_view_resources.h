// The text component's resources (keys, message and indicator texts) are
// registered by the first text view; programs that build a status bar with
// the component's indicators before any view exists call this first.
#pragma once

void RegisterTextViewResources();
