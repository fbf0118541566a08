// Every input field of every calculator page with a number at the edge of
// what a double holds, typed and entered as a user would. The action either
// reports something, or leaves only finite texts; a text of a value that is
// not finite ("+INF", "-INF", "NAN") shows only after a maths-error box of
// that same action, or where a page prints one by design.
#include <gtest/gtest.h>

#include <cstddef>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "app/calculator_table.h"
#include "platform/controls.h"
#include "support/page_steps.h"
#include "support/test_program.h"

namespace cq::test {
namespace {

// The largest finite magnitude a double holds is about 1.8e308, so 1e308
// times almost anything overflows; 1e-320 is a subnormal whose reciprocal
// overflows.
const char* const kExtremeTexts[] = {"1e308", "-1e308", "1e-320"};

struct PageSetup {
  std::string name;
  int calculator;
  bool metric;
  // A layout of the page that is not its first (the plane radio's item).
  int planeItem = -1;
  // A structure of the layer radio that is not its first.
  int structureItem = -1;
  friend void PrintTo(const PageSetup& p, std::ostream* os) { *os << p.name; }
};

// Every calculator in both unit systems, taken from the calculator table so
// that a page added to it is covered without a change here.
std::vector<PageSetup> AllPages() {
  std::vector<PageSetup> pages;
  for (const CalculatorInfo& c : Calculators())
    for (bool metric : {false, true}) {
      std::string name = std::string(c.menuItem) + (metric ? "_Metric" : "_Imperial");
      pages.push_back({name, c.index, metric});
    }
  // The Via Properties page's second layout.
  pages.push_back({"DifferentialVias_Imperial", 16, false, 1});
  pages.push_back({"DifferentialVias_Metric", 16, true, 1});
  // The other structures of the pages whose layer radio picks one: Conductor
  // Impedance and Differential Pairs.
  struct Structures {
    int calculator;
    std::vector<const char*> names;  // from the radio's second item on
  };
  const Structures structured[] = {
      {1, {"MicrostripEmbed", "Stripline", "StriplineAsym", "DualStripline", "CoplanarWave"}},
      {4, {"EdgeCpldIntSym", "EdgeCpldIntAsym", "EdgeCpldEmbed", "BroadCpldShld", "BroadCpldNShld"}},
  };
  for (const Structures& page : structured)
    for (std::size_t k = 0; k < page.names.size(); ++k)
      for (bool metric : {false, true})
        pages.push_back({std::string(page.names[k]) + (metric ? "_Metric" : "_Imperial"), page.calculator, metric,
                         -1, static_cast<int>(k) + 1});
  return pages;
}

// Texts of values that are not finite that a page prints by design, with no
// box (the text holds the given part).
struct DesignedText {
  int calculator;
  int planeItem;  // the layout it belongs to
  const char* field;
  const char* part;
};
const DesignedText kDesignedTexts[] = {
    // Differential vias: a total reflection passes nothing.
    {16, 1, "Edit13", "-INF dB"},
    // Differential vias: geometry or an anisotropy that leaves a root or a
    // logarithm without a real value writes "not a number" results.
    {16, 1, "Edit50", "NAN"},
    {16, 1, "Edit8", "NAN"},
    {16, 1, "Edit10", "NAN"},
    {16, 1, "Edit49", "NAN"},
    {16, 1, "Edit13", "NAN"},
};

bool IsDesigned(const PageSetup& page, const std::string& field, const std::string& text) {
  for (const DesignedText& d : kDesignedTexts)
    if (d.calculator == page.calculator && d.planeItem == page.planeItem && field == d.field &&
        text.find(d.part) != std::string::npos)
      return true;
  return false;
}

std::unique_ptr<TestProgram> StartOn(const PageSetup& page) {
  StartOptions options;
  options.settings = TestProgram::installedSettings();
  options.settings["Units"] = page.metric ? "1" : "0";
  auto t = std::make_unique<TestProgram>(options);
  t->chooseMenu(std::string(Calculator(page.calculator).menuItem));
  if (page.planeItem >= 0) t->selectRadio("RadioGroup5", page.planeItem);
  if (page.structureItem >= 0) t->selectRadio("RadioGroup3", page.structureItem);
  t->takeMessages();
  return t;
}

// The fields a user can type into on this page (its own and the shared
// Options panel's).
std::vector<std::string> TypableFields(TestProgram& t) {
  std::vector<std::string> fields;
  for (Control* c : t.form().allControls()) {
    auto* edit = dynamic_cast<Edit*>(c);
    if (edit && c->type() == "Edit" && !edit->readOnly() && c->showing() && c->effectivelyEnabled())
      fields.push_back(c->name());
  }
  return fields;
}

class ExtremeInputs : public ::testing::TestWithParam<PageSetup> {};

TEST_P(ExtremeInputs, OverflowIsReportedNeverShownAsAResult) {
  const PageSetup& page = GetParam();
  const std::vector<std::string> fields = TypableFields(*StartOn(page));
  // Some pages take no typing at all (Mechanical Information, Min Conductor
  // Spacing): their rows pass.
  for (const std::string& field : fields)
    for (const char* typed : kExtremeTexts) {
      // A fresh program for each action: nothing the previous one left counts.
      auto t = StartOn(page);
      t->type(field, typed);
      t->pressEnter(field);
      const std::vector<Message> shown = t->takeMessages();
      bool mathsBox = false;
      for (const Message& m : shown) mathsBox = mathsBox || m.kind == Message::Kind::MathError;
      if (mathsBox) continue;
      for (Control* c : t->form().allControls()) {
        if (!c->showing() || !ShowsNonFinite(c->caption())) continue;
        if (IsDesigned(page, c->name(), c->caption())) continue;
        ADD_FAILURE() << field << " \"" << typed << "\" + Enter: " << c->name() << " shows \"" << c->caption()
                      << "\"" << (shown.empty() ? " with no message" : ", first message: " + shown.front().text);
      }
    }
}

INSTANTIATE_TEST_SUITE_P(AllPages, ExtremeInputs, ::testing::ValuesIn(AllPages()),
                         [](const auto& param) { return param.param.name; });

}  // namespace
}  // namespace cq::test
