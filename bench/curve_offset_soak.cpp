// A long run of the random offset check: random closed paths offset at random distances
// and compared with GEOS. Usage: curve_offset_soak [shapes] [seed]
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/cad/curve/offset_oracle/random_offset_run.h"

int main(int argc, char** argv) {
  const int shapes = argc > 1 ? std::atoi(argv[1]) : 2000;
  const std::uint64_t seed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 1;
  if (shapes <= 0) {
    std::fprintf(stderr, "usage: curve_offset_soak [shapes > 0] [seed]\n");
    return 2;
  }
  const curve::oracle::RandomRunReport report = curve::oracle::runRandomOffsets(seed, shapes, 4, 1200);
  for (const std::string& fault : report.faults) std::printf("%s\n", fault.c_str());
  const int failed = static_cast<int>(report.faults.size());
  std::printf("%d offsets, %d compared with GEOS\n", report.cases, report.checked);
  std::printf("%d passed, %d failed\n", report.cases - failed, failed);
  return failed == 0 ? 0 : 1;
}
