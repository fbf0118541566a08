#include "calc/tline/impedance/impedance_controls.h"

namespace cq {

ImpedanceControls::ImpedanceControls(Form& f)
    : er(f.edit("Edit7")),
      width(f.edit("Edit67")),
      height(f.edit("Edit68")),
      second(f.edit("Edit74")),
      frequency(f.edit("Edit226")),
      zo(f.edit("Edit70")),
      tpd(f.edit("Edit77")),
      co(f.edit("Edit76")),
      lo(f.edit("Edit73")),
      totalCopper(f.label("Label56")),
      erEffective(f.label("Label290")),
      restriction1(f.label("Label85")),
      restriction2(f.label("Label86")),
      restriction3(f.label("Label246")),
      widthRowCaption(f.label("Label107")),
      widthRow(f.label("Label108")),
      heightRowCaption(f.label("Label111")),
      heightRow(f.label("Label112")),
      impedanceRow(f.label("Label261")),
      mode(f.label("Label116")),
      equalHeightsNote(f.label("Label188")),
      equalHeightsHint(f.label("Label191")),
      formula(f.radio("RadioGroup24")),
      structure(f.radio("RadioGroup3")),
      plating(f.radio("RadioGroup1")),
      baseCopper(f.radio("RadioGroup4")),
      copper(f) {
  // Captions the solve never writes: a missing one fails here, not later.
  for (const char* name : {"Label100", "Label101", "Label103", "Label104", "Label54", "Label114", "Label115"})
    f.label(name);
}

}  // namespace cq
