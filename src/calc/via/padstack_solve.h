#pragma once
// SolvePadstack, the solve of the Padstack Calculator (calculator 11):
// checks the inputs of the chosen pad type, corrects them (solving again
// where the correction must count at once) and writes the results.
#include "app/page_context.h"
#include "calc/via/padstack_controls.h"

namespace cq {

// What the solve keeps between solves: program-wide, so a nested solve hands
// its reading back to the solve that started it.
struct PadstackReadings {
  // A length read in one solve, remembered with the unit system it was read in.
  struct Remembered {
    double value = 0;
    bool metric = false;
  };
  Remembered lastAnnularRing;
  Remembered lastIsolationWidth;
  double hole = 0;
  double landPitch = 0, land = 0, landSpacing = 0;
  double sideA = 0, sideB = 0;
};

void SolvePadstack(const PageContext& page, PadstackControls& c, PadstackReadings& r, Control* sender);

}  // namespace cq
