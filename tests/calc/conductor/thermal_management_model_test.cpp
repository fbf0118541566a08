#include "calc/conductor/thermal_management_model.h"

#include <gtest/gtest.h>

#include "platform/errors.h"

namespace cq {
namespace {

// Hand-worked: P x theta + Ta.
TEST(JunctionTemperature, PowerTimesResistanceAboveAmbient) {
  struct Case {
    double power, resistance, ambient, junction;
  };
  for (const Case& c : {Case{5, 3, 22, 37},       // 15 + 22
                        Case{5, 25, 22, 147},     // 125 + 22
                        Case{0, 25, 22, 22},      // no power: the ambient itself
                        Case{-1, 3, 22, 19},      // negative inputs are not limited
                        Case{2.5, 4, -80, -70}})  // 10 - 80
    EXPECT_DOUBLE_EQ(JunctionTemperature(c.power, c.resistance, c.ambient), c.junction)
        << c.power << " W x " << c.resistance << " + " << c.ambient;
}

TEST(JunctionTemperature, ProductBeyondTheDoubleRangeOverflows) {
  EXPECT_THROW(JunctionTemperature(1e200, 1e200, 22), OverflowError);
}

}  // namespace
}  // namespace cq
