#pragma once
// Steps and checks that the calculator page tests share.
#include <string>
#include <utility>
#include <vector>

#include "support/test_program.h"

namespace cq::test {

// Message boxes as the fake dialogs record them.
Message InfoBox(const std::string& text);
Message ErrorBox(const std::string& text);

// A start with the decimal comma (true) or the point.
StartOptions DecimalStart(bool comma);
inline StartOptions CommaStart() { return DecimalStart(true); }

// Every "." of a text as ",": the comma form of a point text.
std::string WithComma(std::string text);

// Chooses a calculator by its menu item, then forgets the messages and the
// solves of its activation, so that a test counts only its own.
void OpenCalculator(TestProgram& t, const std::string& menuItem);

// Control names with their texts.
using Texts = std::vector<std::pair<std::string, std::string>>;

// Types the text into the field, then presses Enter there.
void Enter(TestProgram& t, const std::string& field, const std::string& text);
// Types each text into its field, then presses Enter in the last one.
void EnterAll(TestProgram& t, const Texts& fields);
// Each control shows its text; a failure names the control.
void ExpectTexts(TestProgram& t, const Texts& expected);

}  // namespace cq::test
