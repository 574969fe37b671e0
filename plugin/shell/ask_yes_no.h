// A yes/no question on the prompt line.
#pragma once

// Keywords "Yes No". 1 for Yes and for Enter alone (Yes is the default); 0 for
// No and for a cancelled or failed prompt, so that breaking off never agrees.
int AskYesNo(const char* prompt);
