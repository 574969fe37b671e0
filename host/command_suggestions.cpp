#include "host/command_suggestions.h"

#include <algorithm>
#include <set>
#include <utility>

namespace host {

namespace {

// Edits from one name to the other: a letter replaced, added or dropped, or two
// neighbours swapped.
std::size_t EditDistance(const std::string& a, const std::string& b) {
  std::vector<std::vector<std::size_t>> d(a.size() + 1, std::vector<std::size_t>(b.size() + 1));
  for (std::size_t i = 0; i <= a.size(); ++i) d[i][0] = i;
  for (std::size_t j = 0; j <= b.size(); ++j) d[0][j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t replace = d[i - 1][j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1);
      d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, replace});
      if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
        d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
    }
  }
  return d[a.size()][b.size()];
}

// How many slips a name of this length may hold and still be recognised.
std::size_t SlipsAllowed(std::size_t length) {
  if (length <= 2) return 0;
  if (length <= 5) return 1;
  return length <= 8 ? 2 : 3;
}

}  // namespace

std::vector<std::string> NearestCommandNames(const std::string& typed, const std::vector<std::string>& known,
                                             std::size_t count) {
  std::set<std::pair<std::size_t, std::string>> ranked;
  for (const std::string& name : known) {
    if (name.empty() || name == typed) continue;
    std::size_t distance = EditDistance(typed, name);
    // A name cut short is near whatever its length.
    if (typed.size() >= 3 && name.compare(0, typed.size(), typed) == 0) distance = std::min<std::size_t>(distance, 1);
    if (distance <= SlipsAllowed(typed.size())) ranked.emplace(distance, name);
  }
  std::vector<std::string> nearest;
  for (const auto& [distance, name] : ranked) {
    // Only the nearest: a name two slips off is noise beside one a slip off.
    if (nearest.size() == count || distance > ranked.begin()->first) break;
    if (std::find(nearest.begin(), nearest.end(), name) == nearest.end()) nearest.push_back(name);
  }
  return nearest;
}

std::string UnknownCommandMessage(const std::string& typed, const std::vector<std::string>& suggestions) {
  std::string message = "Unknown command \"" + typed + "\".  ";
  if (!suggestions.empty()) {
    message += "Did you mean ";
    for (std::size_t i = 0; i < suggestions.size(); ++i) {
      if (i > 0) message += i + 1 == suggestions.size() ? " or " : ", ";
      message += suggestions[i];
    }
    message += "?  ";
  }
  return message + "COMMANDS lists every command.";
}

}  // namespace host
