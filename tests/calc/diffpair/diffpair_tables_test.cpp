// The protocol targets and tolerance steps of the Differential Pairs page.
#include "calc/diffpair/diffpair_tables.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace cq {
namespace {

TEST(DifferentialProtocols, TargetsAndCustomRow) {
  // A sample of rows, each target as listed for its protocol.
  struct Row { int item; const char* caption; const char* target; };
  const Row rows[] = {{0, "DDR2 CLK/DQS", "100"}, {3, "USB 2.X", "90"},
                      {10, "DisplayPort Eaglelake", "95"}, {11, "DisplayPort Calpella", "85"},
                      {15, "PCIe Gen4", "85"}, {16, "SSRX/SSTX", "90"}};
  for (const Row& r : rows) {
    EXPECT_EQ(std::string(DifferentialProtocol(r.item).caption), r.caption) << r.item;
    EXPECT_EQ(std::string(DifferentialProtocol(r.item).target), r.target) << r.item;
  }
  EXPECT_EQ(std::string(DifferentialProtocol(kCustomProtocolItem).caption), "Custom");
  EXPECT_EQ(DifferentialProtocol(kCustomProtocolItem).target, nullptr);
  EXPECT_THROW(DifferentialProtocol(kDifferentialProtocolCount), std::out_of_range);
  EXPECT_THROW(DifferentialProtocol(-1), std::out_of_range);
}

TEST(ZdiffToleranceSteps, FactorsFollowTheStepAndCaptionsTheLocale) {
  // Factors 1 +/- 0.025 (p + 1), the nearest doubles to the listed decimals.
  for (int p = 0; p < kZdiffToleranceSteps; ++p) {
    EXPECT_DOUBLE_EQ(ZdiffTolerance(p).upperFactor, 1 + 0.025 * (p + 1)) << p;
    EXPECT_DOUBLE_EQ(ZdiffTolerance(p).lowerFactor, 1 - 0.025 * (p + 1)) << p;
  }
  EXPECT_STREQ(ZdiffTolerance(kZdiffToleranceStart).caption, "12.5%");
  EXPECT_STREQ(ZdiffTolerance(kZdiffToleranceStart).commaCaption, "12,5%");
  EXPECT_STREQ(ZdiffTolerance(0).caption, "2.5%");
  EXPECT_STREQ(ZdiffTolerance(9).caption, "25%");
  EXPECT_STREQ(ZdiffTolerance(9).commaCaption, "25%");
  EXPECT_THROW(ZdiffTolerance(10), std::out_of_range);
}

}  // namespace
}  // namespace cq
