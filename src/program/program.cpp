#include "program/program.h"

#include "app/calculator_switching.h"
#include "app/frame_commands.h"
#include "app/help_notes.h"
#include "app/input_families.h"
#include "app/layer_radio.h"
#include "app/main_window.h"
#include "app/plane_radio.h"
#include "app/temperatures.h"
#include "app/window_links.h"
#include "calc/conductor/conductor_properties_page.h"
#include "calc/conductor/min_spacing_page.h"
#include "calc/conductor/pdn_page.h"
#include "calc/conductor/fusing_current_page.h"
#include "calc/conductor/thermal_management_page.h"
#include "calc/tline/bandwidth_page.h"
#include "calc/tline/conductor_impedance_page.h"
#include "calc/tline/er_effective_page.h"
#include "calc/tline/wavelength_page.h"
#include "calc/electrical/conversion_page.h"
#include "calc/electrical/embedded_resistors_page.h"
#include "calc/electrical/ohms_law_page.h"
#include "calc/electrical/planar_inductors_page.h"
#include "calc/electrical/ppm_xtal_page.h"
#include "calc/electrical/reactance_page.h"
#include "calc/via/mechanical_page.h"
#include "calc/via/padstack_page.h"
#include "calc/via/via_page.h"
#include "calc/diffpair/differential_pairs_page.h"
#include "options/copper_items.h"
#include "options/copper_weight_radios.h"
#include "options/substrate_selection.h"
#include "options/units_switch.h"
#include "platform/checked_math.h"
#include "platform/errors.h"
#include "platform/form_loader.h"
#include "platform/numbers.h"
#include "settings/first_start.h"
#include "settings/loader.h"
#include "settings/program_options_window.h"
#include "settings/settings_script_installer.h"
#include "settings/settings_window_openers.h"
#include "settings/splash.h"
#include "windows/about_window.h"
#include "windows/references_window.h"

namespace cq {

namespace {
// The small windows, in the order they are created after the main window.
constexpr const char* kSmallWindows[] = {"forms/TForm2.json", "forms/TForm4.json", "forms/TForm5.json",
                                         "forms/TForm6.json", "forms/TForm8.json", "forms/TForm9.json"};
}  // namespace

Program::Program(Services services) : app_(services) {}

Program::~Program() { SetMathErrorReporter(nullptr); }

void Program::createWindows() {
  // The framework's number conversion follows the user's decimal separator.
  SetDecimalSeparator(app_.services().locale.decimalSeparator() == "," ? ',' : '.');
  std::string path = app_.services().process.programPath();
  std::string fileName = path.substr(path.find_last_of("/\\") + 1);
  SetMathErrorReporter([this, fileName](const std::string& text) {
    app_.services().dialogs.showMathError(fileName, text);
  });
  // The style's own error dialog reports a failure; the result is not used.
  app_.services().styles.trySetStyle("Charcoal HiRes");
  app_.setTitle(kApplicationTitle);

  // A machine where no installer ever ran gets the installed settings first,
  // so that the windows below start as after an installation.
  InstallSettingsOnFirstStart(app_.services().settings);

  for (const char* description : kSmallWindows) smallWindows_.push_back(std::make_unique<SmallWindow>(description));
  main_ = std::make_unique<MainWindow>(app_);
  auto& loader = smallWindow("forms/TForm4.json").addPart<Loader>(*main_);
  main_->addPart<Splash>(*main_, loader,
                         CommaCopperItems{CopperItems(CopperRadio::Base, CopperForm::Comma),
                                          CopperItems(CopperRadio::Plating, CopperForm::Comma)});
  main_->addPart<FrameCommands>(app_);
  main_->addPart<InputFamilies>(*main_);
  auto& temperatures = main_->addPart<Temperatures>(*main_);
  main_->addPart<CalculatorSwitching>(*main_);
  main_->addPart<LayerRadio>(*main_);
  main_->addPart<PlaneRadio>(*main_);
  main_->addPart<SubstrateSelection>(*main_);
  auto& copperRadios = main_->addPart<CopperWeightRadios>(*main_);
  main_->addPart<UnitsSwitch>(*main_, copperRadios);
  const PageContext page(*main_);
  main_->addPage<ConductorPropertiesPage>(page, temperatures);
  main_->addPage<FusingCurrentPage>(page);
  main_->addPage<ThermalManagementPage>(page, temperatures);
  main_->addPage<MinSpacingPage>(page);
  main_->addPage<PdnPage>(page);
  main_->addPage<PpmXtalPage>(page);
  main_->addPage<XlXcReactancePage>(page);
  main_->addPage<OhmsLawPage>(page);
  main_->addPage<PadstackPage>(page);
  main_->addPage<MechanicalPage>(page);
  main_->addPage<ConversionPage>(page);
  main_->addPage<EmbeddedResistorsPage>(page);
  main_->addPage<PlanarInductorsPage>(page);
  main_->addPage<ViaPage>(page, temperatures);
  main_->addPage<DifferentialPairsPage>(page);
  main_->addPage<BandwidthPage>(page);
  main_->addPage<ConductorImpedancePage>(page);
  auto& wavelength = main_->addPage<WavelengthPage>(page);
  main_->addPage<ErEffectivePage>(page, wavelength);
  auto& openers = main_->addPart<SettingsWindowOpeners>();
  smallWindow("forms/TForm6.json").addPart<ProgramOptionsWindow>(*main_);
  smallWindow("forms/TForm8.json").addPart<SettingsScriptInstaller>(app_);
  main_->addPart<WindowLinks>(app_, "TForm1");
  main_->addPart<HelpNoteButtons>(app_);
  smallWindow("forms/TForm2.json").addPart<AboutWindow>(app_);
  smallWindow("forms/TForm2.json").addPart<WindowLinks>(app_, "TForm2");
  smallWindow("forms/TForm5.json").addPart<ReferencesWindow>(app_);
  smallWindow("forms/TForm9.json").addPart<WindowLinks>(app_, "TForm9");
  main_->create();

  for (auto& window : smallWindows_) window->create(app_);
  openers.bindWindows(app_.form("Form6"), app_.form("Form8"));
}

SmallWindow& Program::smallWindow(const std::string& description) {
  for (auto& window : smallWindows_)
    if (window->description() == description) return *window;
  throw DescriptionError("no window description " + description);
}

Form& Program::form(const std::string& name) { return app_.form(name); }

void Program::showMainWindow() { main_->form().show(); }

int RunProgram(Services services, const std::function<void(Program&)>& frontEnd) {
  Program program(services);
  try {
    program.createWindows();
    frontEnd(program);
  } catch (const std::exception& e) {
    services.dialogs.showError(ErrorMessage(e));
  } catch (...) {
    // Not a framework error: shown with an empty message.
    services.dialogs.showError("");
  }
  return 0;
}

}  // namespace cq
