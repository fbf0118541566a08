// The input check: what the running solve goes on with after each
// follow-up, and whether it ends. A rule that ends the solve cannot be
// handed to the check that yields a value, nor the other way round.
#include "app/input_check.h"

#include <gtest/gtest.h>

#include <concepts>
#include <optional>
#include <ostream>

#include "support/test_program.h"

namespace cq {
namespace {

template <class R>
concept YieldsAValue = requires(const PageContext& page, Edit& field, const R& rule) {
  { CheckValue(page, field, 1.0, rule) } -> std::same_as<double>;
};
template <class R>
concept SaysItEnds = requires(const PageContext& page, Edit& field, const R& rule) {
  { EndsSolve(page, field, 1.0, rule) } -> std::same_as<bool>;
};
static_assert(YieldsAValue<InputRule> && !YieldsAValue<EndingRule>);
static_assert(SaysItEnds<EndingRule> && !SaysItEnds<InputRule>);

bool Negative(double value) { return value < 0; }

// A field of its own, so that the nested solve reads nothing of it.
class InputCheck : public ::testing::Test {
 protected:
  test::TestProgram program;
  PageContext page{program.main()};
  Edit field{"Checked"};

  void type(const char* text) {
    field.setText(text);
    program.takeSolves();
    program.takeMessages();
  }
  // What the check did besides its result: boxes shown and solves run.
  void expectRefused(int solves) {
    EXPECT_EQ(field.text(), "7");
    ASSERT_EQ(program.takeMessages().size(), 1u);
    EXPECT_EQ(program.takeSolves(), solves);
  }
};

struct GoOnCase {
  FollowUp followUp;
  double value;  // what the solve goes on with after "-3" was refused
  int solves;
};

std::ostream& operator<<(std::ostream& os, const GoOnCase& c) {
  return os << "follow-up " << static_cast<int>(c.followUp);
}

class GoingOn : public InputCheck, public ::testing::WithParamInterface<GoOnCase> {};

TEST_P(GoingOn, YieldsTheValueToGoOnWith) {
  const GoOnCase& c = GetParam();
  type("-3");
  EXPECT_EQ(CheckInput(page, field, {Negative, "No negatives", "7", {}, c.followUp}), c.value);
  expectRefused(c.solves);
}

INSTANTIATE_TEST_SUITE_P(FollowUps, GoingOn,
                         ::testing::Values(GoOnCase{FollowUp::KeepTyped, -3, 0},
                                           GoOnCase{FollowUp::ReadCorrected, 7, 0},
                                           GoOnCase{FollowUp::Resolve, -3, 1}));

TEST_F(InputCheck, AnAcceptedValueGoesOnOrEndsNothing) {
  type("5");
  EXPECT_EQ(CheckInput(page, field, {Negative, "No negatives", "7"}), 5);
  EXPECT_FALSE(EndsSolve(page, field, 5, {Negative, "No negatives", "7", {}, Ending::AfterResolve}));
  EXPECT_EQ(field.text(), "5");
  EXPECT_TRUE(program.takeMessages().empty());
  EXPECT_EQ(program.takeSolves(), 0);
}

TEST_F(InputCheck, ARefusalEndsTheSolveAfterANestedSolveOrAtOnce) {
  type("-3");
  EXPECT_TRUE(EndsSolve(page, field, -3, {Negative, "No negatives", "7", {}, Ending::AfterResolve}));
  expectRefused(1);
  type("-3");
  EXPECT_TRUE(EndsSolve(page, field, -3, {Negative, "No negatives", "7", {}, Ending::Now}));
  expectRefused(0);
}

}  // namespace
}  // namespace cq
