#include "calc/via/padstack_page.h"

#include <algorithm>

#include "app/main_window.h"
#include "calc/via/bga_land_table.h"
#include "calc/via/padstack_layout.h"
#include "calc/via/padstack_model.h"
#include "calc/via/padstack_solver.h"
#include "platform/format.h"
#include "platform/numbers.h"

namespace cq {

namespace {
constexpr int kBgaLand = static_cast<int>(PadType::BgaLand);
}  // namespace

PadstackPage::PadstackPage(PageContext context)
    : CalculatorPage(context), main_(context.main()), solver_(std::make_unique<PadstackSolver>(context.main())) {}

PadstackPage::~PadstackPage() = default;

void PadstackPage::solve(Control* sender) { solver_->SolvePadstack(sender); }

bool PadstackPage::solveEnabled() const { return padType_->itemIndex() != kBgaLand; }

void PadstackPage::registerHandlers(HandlerRegistry& handlers) {
  handlers.add("TForm1.RadioGroup14Click", [this](Control* sender) { RadioGroup14Click(sender); });
  handlers.add("TForm1.ComboBox2Change", [this](Control* sender) { ComboBox2Change(sender); });
  handlers.add("TForm1.ComboBox4Change", [this](Control* sender) { ComboBox4Change(sender); });
  handlers.add("TForm1.RadioGroup7Click", [this](Control* sender) { RadioGroup7Click(sender); });
}

void PadstackPage::attach(Form& form) {
  solver_->attach(form);
  form_ = &form;
  units_ = &form.radio("RadioGroup6");
  padType_ = &form.radio("RadioGroup14");
  padStyle_ = &form.radio("RadioGroup7");
  holeType_ = &form.comboBox("ComboBox2");
  ball_ = &form.comboBox("ComboBox4");
  hole_ = &form.edit("Edit33");
  ring_ = &form.edit("Edit34");
  isolation_ = &form.edit("Edit35");
  decimalMode_ = &form.label("Label165");
  // Every control a layout names must exist before the first click.
  for (const char* name : PadstackToggledControls()) form.control(name);
  for (const char* name : PadstackPictures()) form.image(name);
}

bool PadstackPage::metric() const { return units_->itemIndex() == 1; }

void PadstackPage::layOut(int type) {
  Form& f = *form_;
  const PadstackTypeLayout& layout = PadstackTypeLayouts().at(static_cast<size_t>(type));
  for (const char* picture : PadstackPictures())
    f.control(picture).setVisible(std::string_view(picture) == layout.picture);
  for (const char* name : PadstackToggledControls()) {
    const bool shown = std::any_of(layout.shown.begin(), layout.shown.end(),
                                   [name](const char* s) { return std::string_view(s) == name; });
    f.control(name).setVisible(shown);
  }
  for (const auto& c : layout.captions) f.label(c.control).setCaption(c.caption);
  for (const auto& h : layout.hints) f.control(h.control).setHint(h.hint);
  if (layout.enablesInputs)
    for (Edit* input : {hole_, ring_, isolation_}) input->setEnabled(true);
  for (const char* name : layout.widened) f.control(name).setWidth(layout.resultWidth);
  units_->setEnabled(layout.usesUnits);
  f.button("Button1").setEnabled(layout.usesUnits);
}

void PadstackPage::writeDefaults(int type) {
  const PadstackTypeLayout& layout = PadstackTypeLayouts().at(static_cast<size_t>(type));
  const int unit = units_->itemIndex();
  if (unit != 0 && unit != 1) return;
  const bool comma = main_.decimalComma();
  for (const auto& d : layout.defaults)
    form_->edit(d.control).setText(unit == 0 ? std::string(d.imperial) : LocalizeDecimalPoint(d.metric, comma));
}

void PadstackPage::fillBallList() {
  const std::string& mode = decimalMode_->caption();
  if (mode != "0" && mode != "1") return;
  const bool comma = mode == "1";
  std::vector<std::string> balls;
  for (const auto& row : BgaLandTable()) balls.push_back(BgaText(row.ball, comma));
  ball_->setText(balls.front());
  ball_->setItems(std::move(balls));
}

void PadstackPage::RadioGroup14Click(Control* sender) {
  Form& f = *form_;
  f.get<Memo>("Memo3").setVisible(false);
  f.get<Memo>("Memo5").setVisible(false);
  for (const char* result : {"Edit36", "Edit37", "Edit38", "Edit39", "Edit40"}) f.edit(result).setFontColor(colors::Navy);
  const int type = padType_->itemIndex();
  if (type < 0 || type >= kPadstackTypeCount) return;
  layOut(type);
  writeDefaults(type);
  if (type == static_cast<int>(PadType::ThruHole)) holeType_->setItemIndex(0);
  if (type == kBgaLand) {
    fillBallList();
    const BgaLand& first = BgaLandTable().front();
    const bool comma = main_.decimalComma();
    f.edit("Edit36").setText(BgaText(first.land, comma));
    f.edit("Edit37").setText(BgaText(first.variation, comma));
    ComboBox4Change(sender);
    return;
  }
  main_.Button1Click(sender);
}

void PadstackPage::ComboBox2Change(Control* sender) {
  const int row = holeType_->itemIndex();
  if (row < 0 || row >= kHoleTypePresetCount) return;
  const HoleTypePreset& preset = HoleTypePresets()[static_cast<size_t>(row)];
  // Changing the pad style saves or restores the ring texts and solves.
  padStyle_->setItemIndex(preset.padStyle);
  padStyle_->setEnabled(preset.editable);
  hole_->setEnabled(preset.editable);
  const int unit = units_->itemIndex();
  if (unit == 0) hole_->setText(preset.imperialHole);
  if (unit == 1) hole_->setText(LocalizeDecimalPoint(preset.metricHole, main_.decimalComma()));
  if (row > 0) {
    ring_->setText("N/A");
    isolation_->setText("N/A");
  }
  main_.Button1Click(sender);
}

void PadstackPage::ComboBox4Change(Control*) {
  Form& f = *form_;
  f.label("Label55").setCaption("Land Diameter");
  f.label("Label56").setCaption("Larger land variation");
  const int row = ball_->itemIndex();
  const std::string& mode = decimalMode_->caption();
  if (row < 0 || row >= kBgaLandCount || (mode != "0" && mode != "1")) return;
  const BgaLand& land = BgaLandTable()[static_cast<size_t>(row)];
  f.edit("Edit36").setText(BgaText(land.land, mode == "1"));
  f.edit("Edit37").setText(BgaText(land.variation, mode == "1"));
}

std::string PadstackPage::restored(const SavedText& saved) const {
  const bool nowMetric = metric();
  // Saved in the other unit system: shown converted, as the Units switch
  // converted every other length on the page.
  if (saved.metric != nowMetric) {
    if (const auto value = TryNormalizeDecimalInput(saved.text))
      return main_.localize(
          Format(nowMetric ? "%0.4f" : "%0.2f", LengthInUnits(*value, saved.metric, nowMetric)));
  }
  return main_.localize(saved.text);
}

void PadstackPage::RadioGroup7Click(Control* sender) {
  const int style = padStyle_->itemIndex();
  if (style == 1) {
    const bool inMetric = metric();
    const char* format = inMetric ? "%0.4f" : "%0.2f";
    savedAnnularRing_ = {Format(format, ParseLocaleFloat(ring_->text())), inMetric};
    savedIsolationWidth_ = {Format(format, ParseLocaleFloat(isolation_->text())), inMetric};
  } else if (style == 0) {
    ring_->setText(restored(savedAnnularRing_));
    isolation_->setText(restored(savedIsolationWidth_));
  }
  main_.Button1Click(sender);
}

}  // namespace cq
