#include "options/copper_weight_radios.h"

#include "app/setting_writer.h"
#include "options/copper_items.h"
#include "platform/errors.h"
#include "platform/format.h"

namespace cq {

namespace {
// The description carries the point form; the texts that replace it later
// come from the same table, so the two must agree.
void requirePointForm(const RadioGroup& radio, CopperRadio kind) {
  if (radio.items() != CopperItems(kind, CopperForm::Point))
    throw DescriptionError(radio.name() + ": items differ from the copper weight table");
}
}  // namespace

void CopperWeightRadios::registerHandlers(HandlerRegistry& handlers) {
  handlers.add("TForm1.RadioGroup4Click", this, &CopperWeightRadios::RadioGroup4Click);
  handlers.add("TForm1.RadioGroup1Click", this, &CopperWeightRadios::RadioGroup1Click);
}

void CopperWeightRadios::attach(Form& form) {
  base_ = &form.radio("RadioGroup4");
  plating_ = &form.radio("RadioGroup1");
  requirePointForm(*base_, CopperRadio::Base);
  requirePointForm(*plating_, CopperRadio::Plating);
}

void CopperWeightRadios::RadioGroup4Click(Control* sender) { storeAndSolve(*base_, "Base_Weight", baseWeight_, sender); }

void CopperWeightRadios::RadioGroup1Click(Control* sender) {
  storeAndSolve(*plating_, "Plate_Weight", plateWeight_, sender);
}

void CopperWeightRadios::storeAndSolve(const RadioGroup& radio, const std::string& value, std::string& kept,
                                       Control* sender) {
  // A failed write raises and ends the handler: the selection stays, no solve.
  WriteSetting(main_.app().services().settings, value, kept, Format("%i", radio.itemIndex()));
  main_.solve(sender);
}

}  // namespace cq
