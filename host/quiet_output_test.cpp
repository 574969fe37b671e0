#include "host/quiet_output.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <iostream>

namespace {

TEST(QuietOutput, DropsTheChatterAndGivesTheOutputBack) {
  testing::internal::CaptureStdout();
  testing::internal::CaptureStderr();
  std::cout << "before ";
  {
    const host::QuietOutput quiet;
    std::cout << "library chatter" << std::endl;
    std::printf("more chatter\n");
    std::fprintf(stderr, "an error of its own\n");
  }
  std::printf("after\n");
  std::fflush(stdout);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "before after\n");
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

}  // namespace
