#pragma once
// The controls of the Conductor Properties page and of the Options panel
// that its handlers and its solve read and write, bound once when the
// window is built. The page and its solver share them.
#include <array>

#include "calc/conductor/conductor_cross_section.h"
#include "calc/conductor/copper_choices.h"
#include "platform/form.h"
#include "settings/etch_factor_display.h"

namespace cq {

struct ConductorPropertiesControls {
  Form& f;
  // The Options panel and the shared layer and plane radios.
  CopperControls copper{f};
  RadioGroup& layer = f.radio("RadioGroup3");
  RadioGroup& planeWeight = f.radio("RadioGroup5");

  RadioGroup& solveFor = f.radio("RadioGroup8");
  RadioGroup& parallel = f.radio("RadioGroup15");
  RadioGroup& planePresent = f.radio("RadioGroup2");
  CheckBox& dc = f.checkBox("CheckBox1");

  // A width or a current, as " Solve For " says.
  Edit& widthOrCurrent = f.edit("Edit15");
  Edit& widthOrCurrentUnit = f.edit("Edit57");
  Edit& length = f.edit("Edit18");
  Edit& pcbThickness = f.edit("Edit126");
  Edit& count = f.edit("Edit128");
  Edit& frequency = f.edit("Edit130");
  Edit& frequencyUnit = f.edit("Edit131");
  Edit& planeDistance = f.edit("Edit132");

  Edit& crossSection = f.edit("Edit16");
  // The current or the width: the other one of Edit15.
  Edit& currentOrWidth = f.edit("Edit17");
  Edit& resistance = f.edit("Edit20");
  Edit& power = f.edit("Edit48");
  Edit& voltage = f.edit("Edit78");
  Edit& powerDbm = f.edit("Edit135");
  Edit& skinDepth = f.edit("Edit129");
  Edit& skinPercent = f.edit("Edit134");
  Label& copperThickness = f.label("Label56");
  Label& information1 = f.label("Label110");
  Label& information2 = f.label("Label285");

  Label& widthOrCurrentCaption = f.label("Label17");
  Label& resultCaption = f.label("Label19");
  Label& crossSectionCaption = f.label("Label18");
  Label& ipcMode = f.label("Label243");
  Control& help = f.control("BitBtn1");

  // Rows shown and hidden as one.
  std::array<Control*, 3> etchNote = {&f.label("Label339"), &f.label("Label340"), &f.control("BitBtn2")};
  std::array<Control*, 2> countRow = {&f.label("Label236"), &count};
  std::array<Control*, 3> planeRow = {&planeDistance, &f.edit("Edit133"), &f.label("Label37")};
  std::array<Control*, 4> skinDepthRow = {&skinDepth, &skinPercent, &f.label("Label237"), &f.label("Label239")};

  // The inputs only the IPC-2152 modifiers read.
  std::array<Control*, 9> modifiers = {&f.label("Label235"), &f.label("Label37"),  &f.label("Label236"),
                                       &pcbThickness,         &f.edit("Edit127"), &planeDistance,
                                       &f.edit("Edit133"),    &count,             &planePresent};

  // The etch factor's pictures, items "1:1", "2:1" and "None".
  EtchFactorPage etchFactor{f, "Label126", {"Image68", "Image73", "Image69"}};
  ConductorCrossSection crossSectionPicture{f, layer, parallel, planePresent};
};

}  // namespace cq
