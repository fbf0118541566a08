// A page finds every control it uses when the window is built: a window
// description without one of them fails then, naming it, and never later at
// an event. So does a second page that would end the Units switch.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <functional>
#include <string>

#include "app/calculator_switching.h"
#include "app/main_window.h"
#include "app/temperatures.h"
#include "calc/conductor/pdn_page.h"
#include "calc/via/padstack_page.h"
#include "calc/via/via_page.h"
#include "platform/errors.h"
#include "platform/form_loader.h"
#include "platform/resources.h"
#include "options/substrate_selection.h"
#include "settings/loader.h"
#include "settings/program_options_window.h"
#include "support/fake_services.h"

namespace cq::test {
namespace {

using json = nlohmann::json;

// The main window's description in one document, without the events (only
// the parts under test register handlers) and without the named control.
void Gather(const json& doc, json& controls) {
  if (doc.contains("controls"))
    for (const auto& c : doc["controls"]) controls.push_back(c);
  if (doc.contains("include"))
    for (const auto& inc : doc["include"]) Gather(json::parse(resource(inc.get<std::string>())), controls);
}

void Trim(json& j, const std::string& without) {
  if (j.is_object()) {
    j.erase("events");
    j.erase("OnClick");
    j.erase("bindings");
  }
  if (j.is_array()) {
    json kept = json::array();
    for (auto& child : j)
      if (!(child.is_object() && child.contains("name") && child["name"] == without)) kept.push_back(child);
    j = kept;
  }
  if (j.is_structured())
    for (auto& child : j) Trim(child, without);
}

std::string MainDescription(const std::string& without) {
  json root = json::parse(resource("forms/TForm1.json"));
  json controls = json::array();
  Gather(root, controls);
  root.erase("include");
  root["controls"] = controls;
  Trim(root, without);
  return root.dump();
}

struct Case {
  const char* part;
  const char* control;
};

// Builds the main window with only the named part.
void Build(const std::string& part, const std::string& description) {
  FakeServices fakes;
  Application app(fakes.services());
  MainWindow main(app);
  const PageContext page(main);
  if (part == "Padstack") main.addPage<PadstackPage>(page);
  if (part == "Via") main.addPage<ViaPage>(page, main.addPart<Temperatures>(main));
  if (part == "Pdn") main.addPage<PdnPage>(page);
  if (part == "Switching") main.addPart<CalculatorSwitching>(main);
  main.create("trimmed", description);
}

TEST(ControlsBoundAtBuild, AMissingControlFailsWhenTheWindowIsBuiltAndNamesIt) {
  const Case cases[] = {
      {"Padstack", "Edit40"},    // a cell of the type layout
      {"Padstack", "Memo5"},     // hidden by the type radio
      {"Via", "Label402"},       // a cell of the property selection
      {"Via", "Image64"},        // the full-plane opening picture
      {"Via", "Edit9"},          // a starting text of the page
      {"Pdn", "Label295"},       // the reactance caption
      {"Switching", "Label403"}, // an information row of the activation
  };
  for (const Case& c : cases) {
    const std::string description = MainDescription(c.control);
    ASSERT_EQ(description.find("\"" + std::string(c.control) + "\""), std::string::npos) << c.control;
    try {
      Build(c.part, description);
      ADD_FAILURE() << c.part << " built without " << c.control;
    } catch (const DescriptionError& e) {
      EXPECT_NE(std::string(e.what()).find(c.control), std::string::npos) << c.part << ": " << e.what();
    }
  }
}

// The Program Options window is built after the main one: the choices the
// calculators read on every solve are bound then, not at their first solve.
TEST(ControlsBoundAtBuild, AMissingProgramOptionsControlFailsWhenThatWindowIsBuilt) {
  const char* controls[] = {
      "CheckBox2",    // the via height left out of the IPC modifiers
      "Edit2",        // the microvia aspect-ratio limit
      "RadioGroup1",  // the IPC method
  };
  for (const char* control : controls) {
    json options = json::parse(resource("forms/TForm6.json"));
    Trim(options, control);
    const std::string description = options.dump();
    ASSERT_EQ(description.find("\"" + std::string(control) + "\""), std::string::npos) << control;
    FakeServices fakes;
    Application app(fakes.services());
    MainWindow main(app);
    main.create("trimmed", MainDescription(""));
    auto form = LoadFormText(app, "trimmed", description, HandlerRegistry{});
    ProgramOptionsWindow part(main);
    try {
      part.attach(*form);
      ADD_FAILURE() << "Program Options built without " << control;
    } catch (const DescriptionError& e) {
      EXPECT_NE(std::string(e.what()).find(control), std::string::npos) << e.what();
    }
  }
  // Unbound, the choices say so rather than reading a stale window.
  FakeServices fakes;
  Application app(fakes.services());
  MainWindow main(app);
  EXPECT_THROW(main.programOptions(), DescriptionError);
}

// A page that ends the Units switch in place of its solve.
class UnitsFinishingPage : public CalculatorPage {
 public:
  UnitsFinishingPage(PageContext context, CalculatorId id) : CalculatorPage(context), id_(id) {}
  CalculatorId id() const override { return id_; }
  void attach(Form&) override {}
  void solve(Control*) override {}
  bool finishesUnitsChange() const override { return true; }
  void finishUnitsChange(Control*) override { ++finished; }
  int finished = 0;

 private:
  CalculatorId id_;
};

TEST(ControlsBoundAtBuild, OnlyOnePageMayEndTheUnitsSwitch) {
  const std::string description = MainDescription("");
  {
    FakeServices fakes;
    Application app(fakes.services());
    MainWindow main(app);
    auto& page = main.addPage<UnitsFinishingPage>(PageContext(main), CalculatorId::Pdn);
    main.create("trimmed", description);
    main.finishUnitsChange(nullptr);
    EXPECT_EQ(page.finished, 1);
  }
  FakeServices fakes;
  Application app(fakes.services());
  MainWindow main(app);
  main.addPage<UnitsFinishingPage>(PageContext(main), CalculatorId::Pdn);
  main.addPage<UnitsFinishingPage>(PageContext(main), CalculatorId::Wavelength);
  EXPECT_THROW(main.create("trimmed", description), DescriptionError);
}

TEST(ControlsBoundAtBuild, TheWholeDescriptionBuildsEachPartAlone) {
  // The trimmed document itself is sound: only the dropped control fails.
  for (const char* part : {"Padstack", "Via", "Pdn", "Switching"}) EXPECT_NO_THROW(Build(part, MainDescription(""))) << part;
}

// The loader window is built after the main one; what it writes into the
// main window and the handlers it runs are bound then.
TEST(ControlsBoundAtBuild, TheLoaderFailsWhenItsWindowIsBuiltNotWhenItShows) {
  json loaderWindow = json::parse(resource("forms/TForm4.json"));
  loaderWindow.erase("events");
  struct LoaderCase {
    const char* missing;   // a control left out of the main window
    bool withSubstrate;    // the part whose handler the loader runs first
    const char* named;     // what the failure names
  };
  const LoaderCase cases[] = {
      {"Label301", true, "Label301"},  // "Registry Error!"
      {"", false, "TForm1.ComboBox1Change"},
  };
  for (const LoaderCase& c : cases) {
    FakeServices fakes;
    Application app(fakes.services());
    MainWindow main(app);
    if (c.withSubstrate) main.addPart<SubstrateSelection>(main);
    main.addPart<CalculatorSwitching>(main);
    main.create("trimmed", MainDescription(c.missing));
    Loader loader(main);
    auto form = LoadFormText(app, "loader", loaderWindow.dump(), HandlerRegistry{});
    try {
      loader.attach(*form);
      ADD_FAILURE() << "the loader was built without " << c.named;
    } catch (const DescriptionError& e) {
      EXPECT_NE(std::string(e.what()).find(c.named), std::string::npos) << e.what();
    }
  }
}

}  // namespace
}  // namespace cq::test
