#include "host/command_name.h"

#include <cctype>

namespace host {

CommandName ReadCommandName(std::string_view typed) {
  while (!typed.empty() && std::isspace(static_cast<unsigned char>(typed.front()))) typed.remove_prefix(1);
  while (!typed.empty() && std::isspace(static_cast<unsigned char>(typed.back()))) typed.remove_suffix(1);
  CommandName result;
  // At most one of each prefix, in either order ("._LINE" and "_.LINE").
  for (int i = 0; i < 2 && !typed.empty() && (typed.front() == '_' || typed.front() == '.'); ++i) {
    if (typed.front() == '_') result.global = true;
    typed.remove_prefix(1);
  }
  result.name.reserve(typed.size());
  for (char c : typed) result.name += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return result;
}

}  // namespace host
