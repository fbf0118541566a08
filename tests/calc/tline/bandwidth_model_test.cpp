// The bandwidth model: frequency units, the divisor steps and the lengths,
// against the worked example of a 1 ns edge on Er 4.6 (python3).
#include "calc/tline/bandwidth_model.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/errors.h"
#include "platform/format.h"

namespace cq {
namespace {

TEST(FrequencyUnitScale, BringsGigaMegaKiloAndHertzToMhz) {
  const double scales[] = {1000, 1, 0.001, 0.000001};
  for (int item = 0; item < 4; ++item) EXPECT_EQ(FrequencyUnitScale(item), scales[item]) << item;
  EXPECT_FALSE(FrequencyUnitScale(-1).has_value());
  EXPECT_FALSE(FrequencyUnitScale(4).has_value());
}

TEST(BandwidthFrequencyUnitBox, SitsInsideTheInputBox) {
  struct Row {
    const char* text;
    int left, width;
  } rows[] = {{"GHz", 131, 42}, {"MHz", 131, 42}, {"KHz", 134, 42}, {"Hz", 146, 28}};
  for (int item = 0; item < 4; ++item) {
    const auto box = BandwidthFrequencyUnitBox(item);
    ASSERT_TRUE(box.has_value());
    EXPECT_STREQ(box->text, rows[item].text);
    EXPECT_EQ(box->left, rows[item].left);
    EXPECT_EQ(box->width, rows[item].width);
  }
  EXPECT_FALSE(BandwidthFrequencyUnitBox(4).has_value());
}

TEST(DivisorSteps, RiseDistanceAndLambdaFactorsWithTheirCaptions) {
  const double sr[] = {0.2, 0.25, 0.3, 0.35, 0.4, 0.45, 0.5};
  const char* point[] = {"0.2Sr", "0.25Sr", "0.3Sr", "0.35Sr", "0.4Sr", "0.45Sr", "0.5Sr"};
  const char* comma[] = {"0,2Sr", "0,25Sr", "0,3Sr", "0,35Sr", "0,4Sr", "0,45Sr", "0,5Sr"};
  for (int p = 0; p < 7; ++p) {
    EXPECT_EQ(SrDivisorStepAt(p).factor, sr[p]);
    EXPECT_STREQ(SrDivisorStepAt(p).pointCaption, point[p]);
    EXPECT_STREQ(SrDivisorStepAt(p).commaCaption, comma[p]);
  }
  EXPECT_THROW(SrDivisorStepAt(7), std::out_of_range);
  const double lambda[] = {0.25, 0.142857, 0.1, 0.05};
  const char* captions[] = {"1/4", "1/7", "1/10", "1/20"};
  for (int p = 0; p < 4; ++p) {
    EXPECT_EQ(LambdaDivisorStepAt(p).factor, lambda[p]);
    EXPECT_STREQ(LambdaDivisorStepAt(p).caption, captions[p]);
  }
  EXPECT_THROW(LambdaDivisorStepAt(4), std::out_of_range);
}

// tr 1 ns, Er 4.6:
//   BW = 0.35 / 1 x 1000 = 350 MHz
//   microstrip Ee = 0.457 x 4.6 + 0.67 = 2.7722
//   Sr = 1e-9 x 299792458 / sqrt(2.7722) = 0.18005... m
//   x 0.25 / 2.54e-05 / 1000 = 1.77221 in; x 0.25 x 100 = 4.50141 cm
//   stripline Ee = 4.6: 1.37578 in; speed 299792458 / sqrt(4.6) = 139778954.280
TEST(BandwidthModel, TheOneNanosecondEdgeOnFr4) {
  EXPECT_EQ(SignalBandwidthMhz(1), 350);
  EXPECT_DOUBLE_EQ(MicrostripRiseEr(4.6), 2.7722);
  const double microstrip = RiseDistanceMetres(1, MicrostripRiseEr(4.6));
  EXPECT_EQ(Format("%.5f", RiseDistanceLength(microstrip, 0.25, false)), "1.77221");
  EXPECT_EQ(Format("%.5f", RiseDistanceLength(microstrip, 0.25, true)), "4.50141");
  EXPECT_EQ(Format("%.5f", RiseDistanceLength(RiseDistanceMetres(1, 4.6), 0.25, false)), "1.37578");
  EXPECT_EQ(Format("%.5f", RiseDistanceLength(RiseDistanceMetres(1, 4.6), 0.5, true)), "6.98895");
  EXPECT_EQ(Format("%.3f", PropagationSpeed(4.6)), "139778954.280");
  // In vacuum the rise distance of 1 ns is c x 1 ns.
  EXPECT_DOUBLE_EQ(RiseDistanceMetres(1, 1), 0.299792458);
  EXPECT_EQ(PropagationSpeed(1), kLightSpeed);
}

TEST(BandwidthModel, LengthsGrowWithTheRiseTime) {
  EXPECT_DOUBLE_EQ(SignalBandwidthMhz(2), SignalBandwidthMhz(1) / 2);
  EXPECT_DOUBLE_EQ(RiseDistanceMetres(2, 4.6), 2 * RiseDistanceMetres(1, 4.6));
  EXPECT_LT(SignalBandwidthMhz(-1), 0);
}

TEST(BandwidthModel, AZeroRiseTimeDividesByZero) { EXPECT_THROW(SignalBandwidthMhz(0), ZeroDivideError); }

}  // namespace
}  // namespace cq
