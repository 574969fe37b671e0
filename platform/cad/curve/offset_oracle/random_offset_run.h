// Many random closed paths offset at random distances up to collapse, each checked
// against GEOS: the property the offset must keep, run by the tests and a bench tool.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace curve::oracle {

struct RandomRunReport {
  int cases = 0;                    // offsets made
  int checked = 0;                  // of them, compared with GEOS (its polygon was valid)
  std::vector<std::string> faults;  // one line per failed case, with what repeats it
};

// maxSides bounds the many-sided shapes, which make GEOS slow.
RandomRunReport runRandomOffsets(std::uint64_t seed, int shapes, int distancesPerShape, int maxSides);

}  // namespace curve::oracle
