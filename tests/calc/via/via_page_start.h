#pragma once
// Starting the program on the Via Properties page with the installed
// settings: a rise of 20 C over 22 C ambient, FR-4 (Er 4.6), and the unit
// system, decimal separator and IPC mode a test asks for.
#include <string>

#include "support/page_steps.h"
#include "support/test_program.h"

namespace cq::test {

struct ViaStart {
  bool metric = false;
  bool comma = false;
  int ipc = 0;
};

inline StartOptions ViaStartOptions(const ViaStart& s) {
  StartOptions options = SettingsStart(16, s.metric, s.comma);
  options.settings["IPC_Version"] = std::to_string(s.ipc);
  return options;
}

// The program on Via Properties with one layout of the plane radio (0 the
// single via, 1 the differential pair); what getting there showed and
// solved is forgotten.
class ViaProgram {
 public:
  ViaProgram(const ViaStart& s, int layout) : t(ViaStartOptions(s)) {
    OpenCalculator(t, "ViaProperties1");
    if (layout != 0) t.selectRadio("RadioGroup5", layout);
    t.takeMessages();
    t.takeSolves();
  }
  void enter(const Texts& fields) { EnterAll(t, fields); }
  TestProgram t;
};

}  // namespace cq::test
