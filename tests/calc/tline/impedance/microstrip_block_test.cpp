// The "Microstrip" structure of Conductor Impedance: the worked examples in
// both unit systems and decimal modes, the frequency's reach, zero copper,
// and the agreement with the Er Effective page (one model for both).
#include <gtest/gtest.h>

#include <string>

#include "calc/tline/impedance/structure_steps.h"
#include "support/page_steps.h"
#include "support/test_program.h"

namespace cq::test {
namespace {

struct MicrostripCase {
  bool metric;
  const char *mhz, *eef, *zo, *tpd, *co, *lo, *copper;
};

// The first two rows are the worked examples (form defaults, Imperial and
// converted to Metric); 0 and 10000 MHz the static limit and the rise with
// frequency, checked against python3 (the chain typed out).
TEST(MicrostripBlock, WorkedExamplesInBothUnitSystemsAndDecimalModes) {
  const MicrostripCase cases[] = {
      {false, "500", "2.9022", "83.6097 Ohms", "144.3708 ps/in", "1.7267 pF/in", "12.0708 nH/in", "2.10 mils"},
      {true, "500", "2.9031", "83.6512 Ohms", "56.8482 ps/cm", "0.6796 pF/cm", "4.7554 nH/cm", " 53 um"},
      {false, "0", "2.9020", "83.6041 Ohms", "144.3661 ps/in", "1.7268 pF/in", "12.0696 nH/in", "2.10 mils"},
      {false, "10000", "2.9197", "84.1279 Ohms", "144.8074 ps/in", "1.7213 pF/in", "12.1823 nH/in", "2.10 mils"},
  };
  for (bool comma : {false, true})
    for (const auto& c : cases) {
      SCOPED_TRACE(std::string(c.mhz) + (c.metric ? " MHz metric" : " MHz") + (comma ? " comma" : ""));
      TestProgram t(DecimalStart(comma));
      OpenCalculator(t, "RFImpedances1");
      if (c.metric) ToMetric(t);
      Enter(t, "Edit226", c.mhz);
      ExpectTexts(t, InDecimalForm(LineResults(c.zo, c.tpd, c.co, c.lo, {{"Label290", c.eef}, {"Label56", c.copper}}),
                                   comma));
      EXPECT_TRUE(t.takeMessages().empty());
    }
}

// Typed copper of 0: the thickness correction vanishes, no error box, and
// the result meets that of a thickness just above 0 (python3: 93.7032 Ohms,
// eef 3.1698 at 0 and at 1e-6 mils).
TEST(MicrostripBlock, ZeroCopperIsTheThinLimit) {
  for (const char* base : {"0", "0.000001"}) {
    TestProgram t;
    OpenCalculator(t, "RFImpedances1");
    t.form("Form6").show();
    t.click("Form6.CheckBox1");
    t.takeMessages();
    EnterAll(t, {{"Edit136", base}, {"Edit138", "0"}, {"Edit67", "5"}});
    EXPECT_TRUE(t.takeMessages().empty()) << base;
    EXPECT_EQ(t.text("Label290"), "3.1698") << base;
    EXPECT_EQ(t.text("Edit70"), "93.7032 Ohms") << base;
  }
}

// The same inputs on both pages give the same effective permittivity.
TEST(MicrostripBlock, AgreesWithTheErEffectivePage) {
  struct Inputs {
    bool metric;
    const char *w, *h, *er, *mhz;
    int base, plating;
  };
  const Inputs cases[] = {
      {false, "5", "10", "4.6", "500", 1, 2},
      {false, "20", "7", "3.2", "2400", 4, 0},
      {true, "0.5", "0.2", "10.2", "12000", 3, 1},
  };
  for (const auto& c : cases) {
    TestProgram t;
    if (c.metric) ToMetric(t);
    t.selectRadio("RadioGroup4", c.base);
    t.selectRadio("RadioGroup1", c.plating);
    t.type("Edit7", c.er);
    OpenCalculator(t, "RFImpedances1");
    EnterAll(t, {{"Edit67", c.w}, {"Edit68", c.h}, {"Edit226", c.mhz}});
    const std::string here = t.text("Label290");
    OpenCalculator(t, "ErEffective1");
    EnterAll(t, {{"Edit25", c.w}, {"Edit46", c.h}, {"Edit224", c.mhz}});
    EXPECT_EQ(t.text("Edit221"), here) << c.w << " x " << c.h;
    EXPECT_FALSE(here.empty());
  }
}

}  // namespace
}  // namespace cq::test
