#include "calc/via/padstack_page.h"

#include <vector>

#include "calc/via/bga_land_table.h"
#include "calc/via/padstack_layout.h"
#include "calc/via/padstack_model.h"
#include "platform/format.h"
#include "platform/numbers.h"

namespace cq {

namespace {
constexpr int kBgaLand = static_cast<int>(PadType::BgaLand);
}  // namespace

void PadstackPage::solve(Control* sender) { SolvePadstack(page(), *c_, readings_, sender); }

bool PadstackPage::solveEnabled() const { return c_->padType.itemIndex() != kBgaLand; }

void PadstackPage::registerHandlers(HandlerRegistry& handlers) {
  handlers.add("TForm1.RadioGroup14Click", this, &PadstackPage::RadioGroup14Click);
  handlers.add("TForm1.ComboBox2Change", this, &PadstackPage::ComboBox2Change);
  handlers.add("TForm1.ComboBox4Change", this, &PadstackPage::ComboBox4Change);
  handlers.add("TForm1.RadioGroup7Click", this, &PadstackPage::RadioGroup7Click);
}

void PadstackPage::attach(Form& form) { c_.bind(form); }

void PadstackPage::writeDefaults(int type) {
  if (!page().unitsChosen()) return;
  const bool metric = page().metric();
  const bool comma = page().decimalComma();
  size_t field = 0;
  for (int t = 0; t < type; ++t) field += PadstackDefaults()[static_cast<size_t>(t)].size();
  for (const auto& d : PadstackDefaults().at(static_cast<size_t>(type)))
    c_->defaults[field++]->setText(metric ? LocalizeDecimalPoint(d.metric, comma) : std::string(d.imperial));
}

void PadstackPage::fillBallList() {
  const DecimalMode mode = page().decimalMode();
  if (mode == DecimalMode::Unknown) return;
  const bool comma = mode == DecimalMode::Comma;
  std::vector<std::string> balls;
  for (const auto& row : BgaLandTable()) balls.push_back(BgaText(row.ball, comma));
  c_->ball.setText(balls.front());
  c_->ball.setItems(std::move(balls));
}

void PadstackPage::RadioGroup14Click(Control* sender) {
  for (Memo* warning : c_->warnings) warning->setVisible(false);
  for (Edit* result : c_->results) result->setFontColor(colors::Navy);
  const int type = c_->padType.itemIndex();
  if (type < 0 || type >= kPadstackTypeCount) return;
  c_->layout.apply(type);
  writeDefaults(type);
  if (type == static_cast<int>(PadType::ThruHole)) c_->holeType.setItemIndex(0);
  if (type == kBgaLand) {
    fillBallList();
    const BgaLand& first = BgaLandTable().front();
    const bool comma = page().decimalComma();
    c_->result1.setText(BgaText(first.land, comma));
    c_->result2.setText(BgaText(first.variation, comma));
    ComboBox4Change(sender);
    return;
  }
  page().solve(sender);
}

void PadstackPage::ComboBox2Change(Control* sender) {
  const int row = c_->holeType.itemIndex();
  if (row < 0 || row >= kHoleTypePresetCount) return;
  const HoleTypePreset& preset = HoleTypePresets()[static_cast<size_t>(row)];
  // Changing the pad style saves or restores the ring texts and solves.
  c_->padStyle.setItemIndex(preset.padStyle);
  c_->padStyle.setEnabled(preset.editable);
  c_->input1.setEnabled(preset.editable);
  const int unit = page().unitsIndex();
  if (unit == 0) c_->input1.setText(preset.imperialHole);
  if (unit == 1) c_->input1.setText(LocalizeDecimalPoint(preset.metricHole, page().decimalComma()));
  if (row > 0) {
    c_->input2.setText("N/A");
    c_->input3.setText("N/A");
  }
  page().solve(sender);
}

void PadstackPage::ComboBox4Change(Control*) {
  c_->infoCaption.setCaption("Land Diameter");
  c_->infoValue.setCaption("Larger land variation");
  const int row = c_->ball.itemIndex();
  const DecimalMode mode = page().decimalMode();
  if (row < 0 || row >= kBgaLandCount || mode == DecimalMode::Unknown) return;
  const BgaLand& land = BgaLandTable()[static_cast<size_t>(row)];
  const bool comma = mode == DecimalMode::Comma;
  c_->result1.setText(BgaText(land.land, comma));
  c_->result2.setText(BgaText(land.variation, comma));
}

void PadstackPage::showRestored(Edit& field, const SavedText& saved) const {
  const bool nowMetric = page().metric();
  // Saved in the other unit system: shown converted, as the Units switch
  // converted every other length on the page.
  if (saved.metric != nowMetric) {
    if (const auto value = TryNormalizeDecimalInput(saved.text)) {
      page().show(field, nowMetric ? "%0.4f" : "%0.2f", LengthInUnits(*value, saved.metric, nowMetric));
      return;
    }
  }
  page().showFormatted(field, saved.text);
}

void PadstackPage::RadioGroup7Click(Control* sender) {
  const int style = c_->padStyle.itemIndex();
  if (style == 1) {
    const bool inMetric = page().metric();
    const char* format = inMetric ? "%0.4f" : "%0.2f";
    savedAnnularRing_ = {Format(format, ParseLocaleFloat(c_->input2.text())), inMetric};
    savedIsolationWidth_ = {Format(format, ParseLocaleFloat(c_->input3.text())), inMetric};
  } else if (style == 0) {
    showRestored(c_->input2, savedAnnularRing_);
    showRestored(c_->input3, savedIsolationWidth_);
  }
  page().solve(sender);
}

}  // namespace cq
