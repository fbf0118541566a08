#include "options/substrate_selection.h"

#include "app/calculator_page.h"
#include "app/working_values.h"
#include "options/substrate_table.h"
#include "platform/errors.h"

namespace cq {

void SubstrateSelection::registerHandlers(HandlerRegistry& handlers) {
  handlers.add("TForm1.ComboBox1Change", this, &SubstrateSelection::ComboBox1Change);
  handlers.add("TForm1.Edit7Click", this, &SubstrateSelection::Edit7Click);
  handlers.add("TForm1.Edit66Click", this, &SubstrateSelection::Edit66Click);
  handlers.add("TForm1.Edit7Exit", this, &SubstrateSelection::Edit7Exit);
  handlers.add("TForm1.Edit66Exit", this, &SubstrateSelection::Edit66Exit);
}

void SubstrateSelection::attach(Form& form) {
  materials_ = &form.comboBox("ComboBox1");
  er_ = &form.edit("Edit7");
  tg_ = &form.edit("Edit66");
  // The list's items index the table; they must be the same materials.
  const auto& items = materials_->items();
  const auto& table = SubstrateTable();
  bool same = items.size() == table.size();
  for (size_t i = 0; same && i < items.size(); ++i) same = items[i] == table[i].item;
  if (!same) throw DescriptionError("ComboBox1: items differ from the substrate table");
}

void SubstrateSelection::apply(const SubstrateRow& row, bool decimalComma) {
  er_->setText(std::string(row.erText(decimalComma)));
  tg_->setText(std::string(row.tg));
  main_.values().SubstrateModifier = row.modifier;
}

void SubstrateSelection::ComboBox1Change(Control* sender) {
  // Any decimal mode but the comma writes the point form, as every other
  // number text of the program does.
  const bool comma = main_.decimalComma();
  const int selected = materials_->itemIndex();
  if (const SubstrateRow* row = MaterialValues(selected)) apply(*row, comma);
  const CalculatorPage* active = main_.activePage();
  if (selected == kAirSubstrate && active != nullptr && !active->acceptsAirSubstrate()) {
    main_.app().dialogs().showInfo("Air cannot be selected for this calculator");
    materials_->setItemIndex(kDefaultSubstrate);
    apply(SubstrateTable()[kDefaultSubstrate], comma);
  }
  main_.solve(sender);
}

// Selections made here are the program's: the list's change handler does
// not run, so the other box and the factor stay and nothing solves.
void SubstrateSelection::showCustom(Edit& box) {
  box.setText("");
  materials_->setItemIndex(kCustomSubstrate);
}

void SubstrateSelection::Edit7Click(Control*) { showCustom(*er_); }

void SubstrateSelection::Edit66Click(Control*) { showCustom(*tg_); }

void SubstrateSelection::Edit7Exit(Control*) {
  if (!er_->text().empty()) return;
  materials_->setItemIndex(kDefaultSubstrate);
  er_->setText(std::string(SubstrateTable()[kDefaultSubstrate].erText(main_.decimalComma())));
}

void SubstrateSelection::Edit66Exit(Control*) {
  if (!tg_->text().empty()) return;
  materials_->setItemIndex(kDefaultSubstrate);
  tg_->setText(std::string(SubstrateTable()[kDefaultSubstrate].tg));
}

}  // namespace cq
