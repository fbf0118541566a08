#include "support/test_program.h"

#include <stdexcept>

#include "platform/button_group.h"
#include "platform/errors.h"
#include "settings/default_settings.h"

namespace cq::test {

const char* TestProgram::settingsKey() { return "Software\\Quillonex PCB Design, Inc.\\Cirquet"; }

TestProgram::TestProgram(StartOptions options) {
  fakes.locale.separator = options.decimalSeparator;
  fakes.settings.refuseCreate = options.storeRefusesNewKeys;
  fakes.settings.readOnly = options.readOnlyStore;
  if (!options.currentDirectory.empty()) fakes.process.directory = options.currentDirectory;
  if (!options.settings.empty()) fakes.settings.keys[settingsKey()] = options.settings;
  program_ = std::make_unique<Program>(fakes.services());
  program_->createWindows();
  // Every solve runs the pre-solve steps once; a last step counts them.
  program_->mainWindow().addPreSolveStep([this] { ++solves_; });
  if (options.showMainWindow) showMainWindow();
}

void TestProgram::showMainWindow() {
  program_->showMainWindow();
  startUp_ = {takeSolves(), fakes.loop.sleeps, fakes.loop.now};
  fakes.loop.sleeps = 0;
  fakes.loop.now = 0;
  fakes.loop.messageRounds = 0;
}

std::map<std::string, std::string> TestProgram::installedSettings() {
  std::map<std::string, std::string> values;
  for (const auto& v : DefaultSettings()) values[v.name] = v.text;
  return values;
}

TestProgram::~TestProgram() = default;

Control& TestProgram::control(const std::string& path) {
  auto dot = path.find('.');
  if (dot == std::string::npos) return form().control(path);
  return form(path.substr(0, dot)).control(path.substr(dot + 1));
}

namespace {
template <typename T>
T& as(Control& c) {
  if (auto* t = dynamic_cast<T*>(&c)) return *t;
  throw DescriptionError(c.name() + " is a " + c.type());
}
}  // namespace

void TestProgram::chooseMenu(const std::string& item) { as<MenuItem>(control(item)).userChoose(); }
void TestProgram::chooseTab(int index) { as<TabControl>(control("TabControl1")).userSelect(index); }

void TestProgram::type(const std::string& field, const std::string& text) {
  Control& c = control(field);
  // Typing into a field the user cannot reach would prove nothing.
  if (!c.userFocus()) throw std::runtime_error(field + " cannot take the focus");
  as<Edit>(c).userSetText(text);
}

void TestProgram::pressEnter(const std::string& field) {
  Control& c = control(field);
  c.userFocus();
  if (auto* check = dynamic_cast<CheckBox*>(&c))
    check->userKeyPress('\r');
  else
    as<KeyControl>(c).userPressEnter();
}

void TestProgram::pressKey(const std::string& field, char ch) {
  Control& c = control(field);
  c.userFocus();
  as<KeyControl>(c).userKey(static_cast<unsigned char>(ch), ch);
}

void TestProgram::click(const std::string& name) { control(name).userClick(); }
void TestProgram::selectRadio(const std::string& name, int index) { as<RadioGroup>(control(name)).userSelect(index); }
void TestProgram::selectCombo(const std::string& name, int index) { as<ComboBox>(control(name)).userSelect(index); }
void TestProgram::moveTrackBar(const std::string& name, int position) {
  as<TrackBar>(control(name)).userSetPosition(position);
}
void TestProgram::arrow(const std::string& upDown, bool up) {
  as<UpDown>(control(upDown)).userClick(up ? UpDownButton::Up : UpDownButton::Down);
}
void TestProgram::clickItem(const std::string& group, int index) {
  as<ButtonGroup>(control(group)).userClickItem(index);
}
void TestProgram::dragItem(const std::string& group, int from, int to) {
  as<ButtonGroup>(control(group)).userMoveItem(from, to);
}
void TestProgram::focus(const std::string& name) { control(name).userFocus(); }
void TestProgram::closeWindow(const std::string& formName) { form(formName).userClose(); }

void TestProgram::tick() {
  for (const auto& f : program_->app().forms())
    for (Control* c : f->allControls())
      if (auto* t = dynamic_cast<Timer*>(c)) t->tick();
}

std::string TestProgram::text(const std::string& name) { return control(name).caption(); }
bool TestProgram::showing(const std::string& name) { return control(name).showing(); }
bool TestProgram::enabled(const std::string& name) { return control(name).effectivelyEnabled(); }
Color TestProgram::fontColor(const std::string& name) { return control(name).fontColor(); }

std::vector<std::string> TestProgram::items(const std::string& name) {
  Control& c = control(name);
  if (auto* r = dynamic_cast<RadioGroup*>(&c)) return r->items();
  if (auto* g = dynamic_cast<ButtonGroup*>(&c)) return g->captions();
  return as<ComboBox>(c).items();
}

int TestProgram::itemIndex(const std::string& name) {
  Control& c = control(name);
  if (auto* r = dynamic_cast<RadioGroup*>(&c)) return r->itemIndex();
  return as<ComboBox>(c).itemIndex();
}

std::vector<Message> TestProgram::takeMessages() {
  const auto& all = fakes.dialogs.shown;
  if (taken_ > all.size()) taken_ = 0;
  std::vector<Message> out(all.begin() + static_cast<std::ptrdiff_t>(taken_), all.end());
  taken_ = all.size();
  return out;
}

int TestProgram::takeSolves() {
  int n = solves_;
  solves_ = 0;
  return n;
}

std::string TestProgram::setting(const std::string& name) {
  return fakes.settings.readValue(settingsKey(), name).value_or("<missing>");
}

}  // namespace cq::test
