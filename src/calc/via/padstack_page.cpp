#include "calc/via/padstack_page.h"

#include <array>
#include <vector>

#include "calc/via/bga_land_table.h"
#include "calc/via/padstack_layout.h"
#include "calc/via/padstack_model.h"
#include "calc/via/padstack_solver.h"
#include "platform/format.h"
#include "platform/numbers.h"

namespace cq {

namespace {
constexpr int kBgaLand = static_cast<int>(PadType::BgaLand);

std::vector<Edit*> DefaultFields(Form& f) {
  std::vector<Edit*> fields;
  for (const auto& type : PadstackDefaults())
    for (const auto& d : type) fields.push_back(&f.edit(d.control));
  return fields;
}
}  // namespace

// The type's defaults go to these fields by name.
struct PadstackPage::Controls {
  Form& f;
  PageLayout layout{f, PadstackLayouts(), kPadstackTypeCount};
  RadioGroup& padType = f.radio("RadioGroup14");
  RadioGroup& padStyle = f.radio("RadioGroup7");
  ComboBox& holeType = f.comboBox("ComboBox2");
  ComboBox& ball = f.comboBox("ComboBox4");
  Edit& hole = f.edit("Edit33");
  Edit& ring = f.edit("Edit34");
  Edit& isolation = f.edit("Edit35");
  Edit& land = f.edit("Edit36");
  Edit& variation = f.edit("Edit37");
  std::array<Edit*, 5> results = {&land, &variation, &f.edit("Edit38"), &f.edit("Edit39"), &f.edit("Edit40")};
  Label& landCaption = f.label("Label55");
  Label& variationCaption = f.label("Label56");
  Label& decimalMode = f.label("Label165");
  std::array<Memo*, 2> notes = {&f.get<Memo>("Memo3"), &f.get<Memo>("Memo5")};
  // The fields of PadstackDefaults(), type after type.
  std::vector<Edit*> defaults = DefaultFields(f);
};

PadstackPage::PadstackPage(PageContext context)
    : PageOf(context), solver_(std::make_unique<PadstackSolver>(context)) {}

PadstackPage::~PadstackPage() = default;

void PadstackPage::solve(Control* sender) { solver_->SolvePadstack(sender); }

bool PadstackPage::solveEnabled() const { return c_->padType.itemIndex() != kBgaLand; }

void PadstackPage::registerHandlers(HandlerRegistry& handlers) {
  handlers.add("TForm1.RadioGroup14Click", this, &PadstackPage::RadioGroup14Click);
  handlers.add("TForm1.ComboBox2Change", this, &PadstackPage::ComboBox2Change);
  handlers.add("TForm1.ComboBox4Change", this, &PadstackPage::ComboBox4Change);
  handlers.add("TForm1.RadioGroup7Click", this, &PadstackPage::RadioGroup7Click);
}

void PadstackPage::attach(Form& form) {
  solver_->attach(form);
  c_.bind(form);
}

bool PadstackPage::metric() const { return page().metric(); }

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
  const std::string& mode = c_->decimalMode.caption();
  if (mode != "0" && mode != "1") return;
  const bool comma = mode == "1";
  std::vector<std::string> balls;
  for (const auto& row : BgaLandTable()) balls.push_back(BgaText(row.ball, comma));
  c_->ball.setText(balls.front());
  c_->ball.setItems(std::move(balls));
}

void PadstackPage::RadioGroup14Click(Control* sender) {
  for (Memo* note : c_->notes) note->setVisible(false);
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
    c_->land.setText(BgaText(first.land, comma));
    c_->variation.setText(BgaText(first.variation, comma));
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
  c_->hole.setEnabled(preset.editable);
  const int unit = page().unitsIndex();
  if (unit == 0) c_->hole.setText(preset.imperialHole);
  if (unit == 1) c_->hole.setText(LocalizeDecimalPoint(preset.metricHole, page().decimalComma()));
  if (row > 0) {
    c_->ring.setText("N/A");
    c_->isolation.setText("N/A");
  }
  page().solve(sender);
}

void PadstackPage::ComboBox4Change(Control*) {
  c_->landCaption.setCaption("Land Diameter");
  c_->variationCaption.setCaption("Larger land variation");
  const int row = c_->ball.itemIndex();
  const std::string& mode = c_->decimalMode.caption();
  if (row < 0 || row >= kBgaLandCount || (mode != "0" && mode != "1")) return;
  const BgaLand& land = BgaLandTable()[static_cast<size_t>(row)];
  c_->land.setText(BgaText(land.land, mode == "1"));
  c_->variation.setText(BgaText(land.variation, mode == "1"));
}

std::string PadstackPage::restored(const SavedText& saved) const {
  const bool nowMetric = metric();
  // Saved in the other unit system: shown converted, as the Units switch
  // converted every other length on the page.
  if (saved.metric != nowMetric) {
    if (const auto value = TryNormalizeDecimalInput(saved.text))
      return page().localize(
          Format(nowMetric ? "%0.4f" : "%0.2f", LengthInUnits(*value, saved.metric, nowMetric)));
  }
  return page().localize(saved.text);
}

void PadstackPage::RadioGroup7Click(Control* sender) {
  const int style = c_->padStyle.itemIndex();
  if (style == 1) {
    const bool inMetric = metric();
    const char* format = inMetric ? "%0.4f" : "%0.2f";
    savedAnnularRing_ = {Format(format, ParseLocaleFloat(c_->ring.text())), inMetric};
    savedIsolationWidth_ = {Format(format, ParseLocaleFloat(c_->isolation.text())), inMetric};
  } else if (style == 0) {
    c_->ring.setText(restored(savedAnnularRing_));
    c_->isolation.setText(restored(savedIsolationWidth_));
  }
  page().solve(sender);
}

}  // namespace cq
