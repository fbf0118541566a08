#pragma once
// The controls of the Padstack page that its handlers and its solve read
// and write, bound once when the window is built. The rows change meaning
// with the pad-calculator type; the names are those of the rows.
#include <array>
#include <vector>

#include "app/layouts/page_layout.h"
#include "calc/via/padstack_layout.h"
#include "platform/controls.h"
#include "platform/form.h"

namespace cq {

struct PadstackControls {
  Form& f;
  PageLayout layout{f, PadstackLayouts(), kPadstackTypeCount};
  RadioGroup& padType = f.radio("RadioGroup14");
  RadioGroup& padStyle = f.radio("RadioGroup7");
  ComboBox& holeType = f.comboBox("ComboBox2");
  ComboBox& ball = f.comboBox("ComboBox4");
  Edit& input1 = f.edit("Edit33");  // hole, pitch or side a
  Edit& input2 = f.edit("Edit34");  // annular ring, width, land or side b
  Edit& input3 = f.edit("Edit35");  // isolation width or spacing
  Edit& padHole = f.edit("Edit211");
  Edit& padRing = f.edit("Edit213");
  Edit& result1 = f.edit("Edit36");  // pad, land, conductor or corner
  Edit& result2 = f.edit("Edit37");  // pad, ring, land variation or drill
  Edit& result3 = f.edit("Edit38");
  Edit& thermalInner = f.edit("Edit39");
  Edit& spokeWidth = f.edit("Edit40");
  std::array<Edit*, 5> results = {&result1, &result2, &result3, &thermalInner, &spokeWidth};
  Label& infoCaption = f.label("Label55");
  Label& infoValue = f.label("Label56");
  Label& thermalOuterCaption = f.label("Label69");
  Label& spokeCaption = f.label("Label64");
  Label& innerCaption = f.label("Label65");
  Memo& padWarning = f.get<Memo>("Memo3");
  Memo& conductorWarning = f.get<Memo>("Memo5");
  std::array<Memo*, 2> warnings = {&padWarning, &conductorWarning};
  // The fields of PadstackDefaults(), type after type.
  std::vector<Edit*> defaults = PadstackDefaultFields(f);
};

}  // namespace cq
