#include "calc/conductor/fusing_current_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

#include "platform/errors.h"

namespace cq {
namespace {

// Expected currents worked by hand from
//   I = sqrt(log10((1084.62 - Ta)/(234 + Ta) + 1) / (33 t)) x 1.2732 A x m.
// At Ta = 22: (1084.62 - 22)/256 = 4.150859375, log10(5.150859375)
// = 0.7118796, / 33 = 0.02157211, sqrt = 0.14687447.
struct OnderdonkCase {
  const char* name;
  double squareMils, ambient, seconds, multiplier;
  double amps;
};

// Tests list the case by its name.
void PrintTo(const OnderdonkCase& c, std::ostream* os) { *os << c.name; }

class Onderdonk : public ::testing::TestWithParam<OnderdonkCase> {};

TEST_P(Onderdonk, CurrentOfTheWorkedExample) {
  const OnderdonkCase& c = GetParam();
  EXPECT_NEAR(OnderdonkFusingCurrent(c.squareMils, c.ambient, c.seconds, c.multiplier), c.amps, 5e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Onderdonk,
    ::testing::Values(
        // 10 mils wide, 2.1 mils thick, etch 1:1: 16.59 sq.mils, 21.122388
        // circular mils; 0.14687447 x 21.122388 = 3.10233968.
        OnderdonkCase{"OneSecond", 16.59, 22, 1, 1, 3.1023396849},
        // Half a second: sqrt(2) times as much.
        OnderdonkCase{"HalfSecond", 16.59, 22, 0.5, 1, 4.3873708575},
        OnderdonkCase{"DoubleMultiplier", 16.59, 22, 1, 2, 6.2046793699},
        // 1 mil wide, etch 1:1: (1 - 2.1) x 2.1 = -2.31 sq.mils.
        OnderdonkCase{"NegativeArea", -2.31, 22, 1, 1, -0.4319713485},
        OnderdonkCase{"ZeroArea", 0, 22, 1, 1, 0},
        // Ambient limits: (1084.62 - 200)/434 = 2.03829493, log10(3.03829493)
        // = 0.48263, sqrt(0.48263/33) x 21.122388 = 2.5544251.
        OnderdonkCase{"HottestAmbient", 16.59, 200, 1, 1, 2.5544250888},
        // (1084.62 + 80)/154 = 7.5624675, log10(8.5624675) = 0.932600,
        // sqrt(0.932600/33) x 21.122388 = 3.5508596.
        OnderdonkCase{"ColdestAmbient", 16.59, -80, 1, 1, 3.5508596286}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST(Onderdonk, CurrentFallsWithTheSquareRootOfTime) {
  const double oneSecond = OnderdonkFusingCurrent(100, 25, 1, 1);
  for (double t : {0.01, 0.25, 4.0, 100.0})
    EXPECT_NEAR(OnderdonkFusingCurrent(100, 25, t, 1), oneSecond / std::sqrt(t), 1e-9) << t;
}

TEST(Onderdonk, TimeTooShortForADoubleOverflows) {
  // 0.0216 / (33 x 1e-320) lies beyond the double range.
  EXPECT_THROW(OnderdonkFusingCurrent(16.59, 22, 1e-320, 1), OverflowError);
}

TEST(CircularMils, UsesTheRoundedFactor) {
  // 16.59 x 1.2732, not 16.59 x 4/pi (21.1230).
  EXPECT_DOUBLE_EQ(CircularMils(16.59), 21.122388);
}

}  // namespace
}  // namespace cq
