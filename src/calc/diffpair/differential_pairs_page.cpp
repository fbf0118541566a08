#include "calc/diffpair/differential_pairs_page.h"

#include "app/working_values.h"
#include "calc/diffpair/differential_layouts.h"
#include "calc/diffpair/differential_pairs_controls.h"
#include "calc/diffpair/differential_pairs_solve.h"
#include "calc/diffpair/diffpair_tables.h"
#include "platform/format.h"

namespace cq {

namespace {
constexpr int kDifferentialViasItem = 1;
constexpr int kDefaultProtocolItem = 0;
}  // namespace

void DifferentialPairsPage::registerHandlers(HandlerRegistry& handlers) {
  handlers.add("TForm1.TrackBar1Change", this, &DifferentialPairsPage::TrackBar1Change);
  handlers.add("TForm1.ComboBox5Change", this, &DifferentialPairsPage::ComboBox5Change);
  handlers.add("TForm1.Edit151Click", this, &DifferentialPairsPage::Edit151Click);
  handlers.add("TForm1.Edit151Exit", this, &DifferentialPairsPage::Edit151Exit);
  handlers.add("TForm1.Button18Click", this, &DifferentialPairsPage::Button18Click);
}

void DifferentialPairsPage::attach(Form& form) { c_.bind(form); }

const LayoutTable* DifferentialPairsPage::structureLayouts() const { return &DifferentialLayouts(); }

void DifferentialPairsPage::solve(Control* sender) { SolveDifferentialPairs(page(), *c_, sender); }

void DifferentialPairsPage::showTolerance() {
  const ZdiffToleranceStep& step = ZdiffTolerance(c_->tolerance.position());
  c_->toleranceCaption.setCaption(page().decimalComma() ? step.commaCaption : step.caption);
}

void DifferentialPairsPage::TrackBar1Change(Control* sender) {
  showTolerance();
  page().solve(sender);
}

void DifferentialPairsPage::ComboBox5Change(Control* sender) {
  const int item = c_->protocol.itemIndex();
  if (item >= 0 && item < kDifferentialProtocolCount)
    if (const char* target = DifferentialProtocol(item).target) c_->target.setText(target);
  page().solve(sender);
}

void DifferentialPairsPage::Edit151Click(Control* /*sender*/) {
  // Typing a target of one's own makes the protocol "Custom"; no solve.
  c_->target.setText("");
  c_->protocol.setItemIndex(kCustomProtocolItem);
}

void DifferentialPairsPage::Edit151Exit(Control* /*sender*/) {
  if (!c_->target.text().empty()) return;
  c_->protocol.setItemIndex(kDefaultProtocolItem);
  c_->target.setText(DifferentialProtocol(kDefaultProtocolItem).target);
}

void DifferentialPairsPage::Button18Click(Control* sender) {
  page().activate(CalculatorId::ViaProperties, sender);
  // The selection runs the radio's click: the differential-via layout and a solve.
  c_->viaSelection.setItemIndex(kDifferentialViasItem);
  page().show(c_->viaPairImpedance, "%.3f", page().values().DifferentialImpedance);
  page().solve(sender);
}

}  // namespace cq
