#include <gtest/gtest.h>
#include <iostream>
#include "support/test_program.h"
namespace cq::test {
TEST(ZzProbe, PdnMetric) {
  TestProgram t;
  t.chooseMenu("PDNImpedance1");
  t.type("Edit7", "4");
  t.pressEnter("Edit7");
  std::cout << t.text("Edit230") << "|" << t.text("Edit235") << "\n";
  t.selectRadio("RadioGroup6", 1);
  std::cout << t.text("Edit228") << "|" << t.text("Edit229") << "|" << t.text("Edit230") << "|" << t.text("Edit235") << "|" << t.text("Edit231")<< t.text("Edit232") << "\n";
  for (auto& m : t.takeMessages()) std::cout << m.text << "\n";
}
}
