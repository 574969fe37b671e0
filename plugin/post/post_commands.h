// Handlers of the NC output commands.
#pragma once

void PostCommand();
void QPostCommand();
