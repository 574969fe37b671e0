// Commands that start the NC editor and the sibling programs.
#pragma once

void TarnwickCommand();
void SkerrowCommand();
void QuorlCommand();
