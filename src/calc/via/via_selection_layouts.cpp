#include "calc/via/via_selection_layouts.h"

namespace cq {

const LayoutTable& ViaSelectionLayouts() {
  using P = LayoutProperty;
  //                                        single   differential
  static const LayoutTable table = {
      // The height row's state for single vias follows the IPC mode.
      {P::Enabled, {"Edit6", "Label8", "Edit55"}, {K, 1}},
      {P::Visible, {"CheckBox5"}, {0, 1}},
      {P::Caption, {"Label5"}, {"Via Hole Diameter", "Drill Hole Diameter"}},
      {P::Hint, {"Edit3"}, {"Enter the finished hole diameter of the via.", "Enter the drill diameter of the via."}},
      {P::Enabled, {"Label350", "Label349", "Label55", "Label56", "Edit1", "Edit2", "GroupBox3", "GroupBox4"}, {1, 0}},
      {P::Visible, {"Edit335", "Edit336"}, {0, 1}},
      {P::Visible, {"Edit9", "Edit56"}, {1, 0}},
      {P::Visible, {"Image7"}, {1, 0}},
      {P::Visible, {"Image2", "Image20", "Label159", "Label160", "Label161", "Label164"}, {0, 0}},
      // The pair's opening picture follows CheckBox5.
      {P::Visible, {"Image46", "Image64"}, {0, K}},
      {P::Visible, {"Image65"}, {0, 1}},
      // The pair always runs through Multi Layer planes.
      {P::Enabled, {"RadioGroup3"}, {1, 0}},
      {P::Visible,
       {"Label187", "Edit11", "Edit12", "Edit42", "Edit14", "Label13", "Label14", "Label42", "Label16"},
       {1, 0}},
      {P::Visible, {"Edit49", "Edit13", "Edit50", "Label83", "Label15", "Label84"}, {1, 1}},
      {P::Visible, {"Label102", "Edit206", "Edit208", "Edit209", "Edit210", "Label105"}, {0, 1}},
      {P::Visible, {"Label6", "Edit4", "Edit53"}, {1, 0}},
      {P::Enabled, {"Label106", "Label110", "Label284", "Edit227", "UpDown6", "Label285", "Label41", "Label72"}, {1, 0}},
      {P::Visible, {"Label383", "Edit386", "Edit387"}, {0, 1}},
      {P::Hint,
       {"Edit5"},
       {"Enter the internal reference plane opening diameter of the via.",
        "Enter the internal reference plane opening H of the via."}},
      {P::Hint, {"Edit6"}, {"Enter the length of the via.", "Enter the internal reference plane opening W of the via."}},
      {P::Caption, {"Label7"}, {"Ref Plane Opening Diam", "Ref Plane Opening H"}},
      {P::Caption, {"Label8"}, {"Via Height", "Ref Plane Opening W"}},
      {P::Caption, {"Label83"}, {"Via DC Resistance", "Maximum Stub Length"}},
      {P::Caption, {"Label84"}, {"Power Dissipation", "Odd Mode Impedance"}},
      {P::Caption, {"Label10"}, {"Conductor Cross Section", "Differential Impedance"}},
      {P::Caption, {"Label12"}, {"Via Current", "Er Effective"}},
      {P::Caption, {"Label11"}, {"Via Plating Thickness", "Via Spacing S"}},
      {P::Caption, {"Label15"}, {"Step Response", "Insertion Loss"}},
      {P::Hint,
       {"Edit49"},
       {"Via DC resistance in Ohms.", "Maximum stub length of via to avoid unwanted resonant frequency nulls."}},
      {P::Hint,
       {"Edit8"},
       {"Approximated equivilent conductor cross section of via.", "Differential impedance based on via structure."}},
      {P::Hint,
       {"Edit10"},
       {"Approximated current that will cause given temprise in via body.",
        "Effective dielectric constant based on via structure."}},
      {P::Hint, {"Edit50"}, {"Via power dissipation in Watts.", "Odd mode impedance based on via structure."}},
      {P::Hint,
       {"Edit13"},
       {"T10-90% step response. Impact on the rise time of a 50 Ohm transmission line.",
        "Insertion loss based on differential calculations."}},
      {P::Visible, {"BitBtn7", "BitBtn9", "BitBtn10"}, {0, 1}},
      {P::Visible, {"Label402"}, {K, 0}},
  };
  return table;
}

}  // namespace cq
