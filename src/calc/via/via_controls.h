#pragma once
// The controls of the Via Properties page that its handlers and both of its
// solves (single vias, a differential pair) read and write, bound once when
// the window is built. A field the two layouts use for different things is
// named for both.
#include <array>

#include "app/layouts/page_layout.h"
#include "calc/via/via_selection_layouts.h"
#include "platform/form.h"

namespace cq {

struct ViaControls {
  Form& f;
  PageLayout selection{f, ViaSelectionLayouts(), kViaSelectionCount};
  RadioGroup& layerSet = f.radio("RadioGroup3");
  // " Property Selection ": single vias or a differential pair.
  RadioGroup& property = f.radio("RadioGroup5");
  CheckBox& fullPlane = f.checkBox("CheckBox5");

  Edit& hole = f.edit("Edit3");
  Edit& pad = f.edit("Edit4");
  // The plane opening: its diameter, or a pair's height H.
  Edit& opening = f.edit("Edit5");
  // The via's height, or a pair's plane opening width W.
  Edit& heightOrOpeningWidth = f.edit("Edit6");
  Edit& plating = f.edit("Edit9");
  Edit& platingUnit = f.edit("Edit56");
  Edit& er = f.edit("Edit7");
  Edit& viaCount = f.edit("Edit227");
  Edit& spacing = f.edit("Edit335");
  Edit& anisotropy = f.edit("Edit206");
  Edit& baudRate = f.edit("Edit209");
  Edit& pairImpedance = f.edit("Edit386");
  std::array<Control*, 3> heightRow = {&heightOrOpeningWidth, &f.label("Label8"), &f.edit("Edit55")};

  // Results of single vias; those named for two are a pair's results too.
  Edit& crossSectionOrDifferential = f.edit("Edit8");
  Edit& currentOrEffectiveEr = f.edit("Edit10");
  Edit& capacitance = f.edit("Edit11");
  Edit& inductance = f.edit("Edit12");
  Edit& stepResponseOrInsertionLoss = f.edit("Edit13");
  Edit& resonance = f.edit("Edit14");
  Edit& impedance = f.edit("Edit42");
  Edit& resistanceOrMaxStub = f.edit("Edit49");
  Edit& powerOrOddMode = f.edit("Edit50");
  Label& powerDbm = f.label("Label56");
  Label& thermal = f.label("Label110");
  Label& thermalCount = f.label("Label285");
  Label& voltageDrop = f.label("Label72");
  Label& aspectRatio = f.label("Label350");
  Label& aspectWarning = f.label("Label402");

  Image& fullOpening = f.image("Image64");
  Image& ownOpenings = f.image("Image46");
  Label& ipcMode = f.label("Label187");
};

}  // namespace cq
