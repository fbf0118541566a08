#include "calc/via/via_layouts.h"

namespace cq {

const LayoutTable& ViaLayouts() {
  using P = LayoutProperty;
  //                                        "2 Layer"  "Multi Layer"  "Microvia"
  static const LayoutTable table = Rows({
      OneShownPerItem({"Image2", "Image7", "Image20"}),
      {
          {P::Visible, {"Label159", "Label160", "Label161", "Label164"}, {0, 0, 1}},
          {P::Visible, {"Label6", "Edit4", "Edit53"}, {0, 1, 0}},
          {P::Caption, {"Label6"}, {"External Pad Diameter", "Internal Pad Diameter", K}},
          {P::Visible, {"Label7", "Edit5", "Edit54"}, {0, 1, 0}},
          {P::Caption, {"Label7"}, {K, "Ref Plane Opening Diam", K}},
          // Without the pad and opening rows, height and plating move up.
          {P::Top, {"Label8"}, {80, 208, 80}},
          {P::Top, {"Edit6"}, {104, 232, 104}},
          {P::Top, {"Edit55"}, {108, 236, 108}},
          {P::Top, {"Label11"}, {144, 272, 144}},
          {P::Top, {"Edit9"}, {168, 296, 168}},
          {P::Top, {"Edit56"}, {172, 300, 172}},
          {P::Visible, {"Label13", "Edit11", "Label42", "Edit42", "Label16", "Edit14", "Label15", "Edit13"}, {0, 1, 0}},
          {P::Visible, {"Label14", "Edit12"}, {1, 1, 0}},
          {P::Left, {"Label14", "Edit12"}, {208, 16, 16}},
          {P::Visible, {"Label83", "Edit49"}, {1, 1, 0}},
          {P::Visible, {"Label84", "Edit50"}, {1, 1, 1}},
          {P::Caption, {"Label8"}, {"Via Height", "Via Height", "Via Height"}},
          {P::Caption, {"Label11"}, {"Via Plating Thickness", "Via Plating Thickness", "Via Plating Thickness"}},
          {P::Caption, {"Label10"}, {"Conductor Cross Section", "Conductor Cross Section", "Conductor Cross Section"}},
          {P::Caption, {"Label12"}, {"Via Current", "Via Current", "Via Current"}},
      },
  });
  return table;
}

}  // namespace cq
