// The differential-via layout of the via page: item 1 of the " Property
// Selection " radio. The pair always runs through Multi Layer planes, so the
// layer radio is set there and locked while this layout is in force.
#include "app/main_window.h"
#include "calc/via/single_via_model.h"
#include "calc/via/via_page.h"

namespace cq {

void ViaPage::differentialViaLayout() {
  Form& f = *form_;
  auto& layerSet = f.radio("RadioGroup3");
  // Runs the Multi Layer layout when the item changes.
  layerSet.setItemIndex(kViaMultiLayer);
  // Edit6 holds the opening width here, whatever the IPC mode.
  enable({"Edit6", "Label8", "Edit55"}, true);
  f.checkBox("CheckBox5").setVisible(true);

  caption("Label5", "Drill Hole Diameter");
  hint("Edit3", "Enter the drill diameter of the via.");
  enable({"Label350", "Label349", "Label55", "Label56", "Edit1"}, false);
  show({"Edit335"}, true);
  show({"Edit9", "Edit56"}, false);
  show({"Edit336"}, true);
  enable({"Edit2", "GroupBox3", "GroupBox4"}, false);
  show({"Image7", "Image2", "Image20", "Label159", "Label160", "Label161", "Label164"}, false);
  show({"Image65"}, true);
  showOpeningPicture();
  layerSet.setEnabled(false);

  show({"Label187", "Edit11", "Edit12", "Edit42", "Edit14", "Label13", "Label14", "Label42", "Label16"}, false);
  show({"Edit49", "Edit13", "Edit50", "Label83", "Label15", "Label84"}, true);
  show({"Label102", "Edit206", "Edit208", "Edit209", "Edit210", "Label105"}, true);
  show({"Label6", "Edit4", "Edit53"}, false);
  enable({"Label106", "Label110", "Label284", "Edit227", "UpDown6", "Label285", "Label41", "Label72"}, false);
  show({"Label383", "Edit386", "Edit387"}, true);

  caption("Label7", "Ref Plane Opening H");
  caption("Label8", "Ref Plane Opening W");
  hint("Edit5", "Enter the internal reference plane opening H of the via.");
  hint("Edit6", "Enter the internal reference plane opening W of the via.");
  hint("Edit50", "Odd mode impedance based on via structure.");
  caption("Label84", "Odd Mode Impedance");
  caption("Label12", "Er Effective");
  caption("Label10", "Differential Impedance");
  caption("Label83", "Maximum Stub Length");
  hint("Edit8", "Differential impedance based on via structure.");
  hint("Edit10", "Effective dielectric constant based on via structure.");
  hint("Edit49", "Maximum stub length of via to avoid unwanted resonant frequency nulls.");
  caption("Label15", "Insertion Loss");
  caption("Label11", "Via Spacing S");
  hint("Edit13", "Insertion loss based on differential calculations.");

  show({"BitBtn7", "BitBtn9", "BitBtn10"}, true);
  show({"Label402"}, false);
}

}  // namespace cq
