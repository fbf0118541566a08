#pragma once
// Steps and checks that the calculator page tests share.
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "support/test_program.h"

namespace cq::test {

// Message boxes as the fake dialogs record them.
Message InfoBox(const std::string& text);
Message ErrorBox(const std::string& text);
// A maths error box as TakeMessageTexts gives it: without its title.
Message MathErrorBox(const std::string& text);

// The messages since the last take, each maths error box without its title
// (the program's file name, which a test does not fix).
std::vector<Message> TakeMessageTexts(TestProgram& t);

// A start with the decimal comma (true) or the point.
StartOptions DecimalStart(bool comma);
inline StartOptions CommaStart() { return DecimalStart(true); }
// A start from the settings script's values, showing the calculator stored
// as `Program` in the unit system and decimal form asked for.
StartOptions SettingsStart(int program, bool metric, bool comma);

// Every "." of a text as ",": the comma form of a point text.
std::string WithComma(std::string text);
// A point text as the page shows it in the decimal form.
inline std::string InDecimalForm(std::string pointText, bool comma) {
  return comma ? WithComma(std::move(pointText)) : pointText;
}

// The text shows a number that is not finite ("+INF", "-INF", "NAN").
bool ShowsNonFinite(const std::string& text);

// Control names with their texts.
using Texts = std::vector<std::pair<std::string, std::string>>;
// The texts of `a`, then those of `b`.
Texts Joined(Texts a, const Texts& b);
// Point texts as the page shows them in the decimal form.
Texts InDecimalForm(const Texts& pointTexts, bool comma);
// The same, keyed by name: a page's results compared as one value.
using TextsByName = std::map<std::string, std::string>;

// Chooses a calculator by its menu item, then forgets the messages and the
// solves of its activation, so that a test counts only its own.
void OpenCalculator(TestProgram& t, const std::string& menuItem);
// The same, in Metric when asked (the switch's messages and solves are
// forgotten too).
void OpenCalculator(TestProgram& t, const std::string& menuItem, bool metric);
// The same after typing the fields and pressing Enter in the last one: a
// page opened with inputs other than its defaults.
void OpenCalculatorWith(TestProgram& t, const std::string& menuItem, const Texts& fields);
// A calculator on the structure chosen in the layer radio, in Metric when
// asked.
void OpenStructure(TestProgram& t, const std::string& menuItem, int structure, bool metric);
// The Units switch.
void ChooseUnits(TestProgram& t, bool metric);
inline void ToMetric(TestProgram& t) { ChooseUnits(t, true); }
inline void ToImperial(TestProgram& t) { ChooseUnits(t, false); }

// Types the text into the field, then presses Enter there.
void Enter(TestProgram& t, const std::string& field, const std::string& text);
// Types each text into its field, then presses Enter in the last one.
void EnterAll(TestProgram& t, const Texts& fields);
// Each control shows its text; a failure names the control.
void ExpectTexts(TestProgram& t, const Texts& expected);
// What the named controls show.
TextsByName TextsOf(TestProgram& t, const std::vector<std::string>& names);
// The names paired with the texts in the same order: a row of a results
// table.
TextsByName Paired(const std::vector<std::string>& names, const std::vector<std::string>& texts);
// `base` with some texts replaced: a case that moves only a few results.
TextsByName With(TextsByName base, const TextsByName& changes);

}  // namespace cq::test
