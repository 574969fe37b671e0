#include "plugin/shell/ask_yes_no.h"

#include <cstring>

#include "platform/cad/editor/input/aced_input.h"

int AskYesNo(const char* prompt) {
  acedInitGet(0, "Yes No");
  char keyword[512] = {};
  switch (acedGetKword(prompt, keyword)) {
    case RTNORM:
      return std::strcmp(keyword, "Yes") == 0 ? 1 : 0;
    case RTNONE:
      return 1;
    default:
      return 0;
  }
}
