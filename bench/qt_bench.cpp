// The cost of the Qt views: rounds of 100 property writes, headless
// (argument 0) and with the views attached, shown offscreen and repainted
// after each round (argument 1).
#ifdef CIRQUET_BENCH_QT
#include <QApplication>
#include <benchmark/benchmark.h>
#include <algorithm>
#include <cstdio>
#include <memory>

#include "program/program.h"
#include "support/fake_services.h"
#include "ui_qt/embedded_fonts.h"
#include "ui_qt/form_view.h"
#include "ui_qt/front_end.h"
#include "ui_qt/qt_styles.h"

namespace cq::test {
namespace {

// The offscreen screen cannot raise windows and says so at every showing.
QtMessageHandler previousHandler = nullptr;
void quietOffscreenNotes(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type == QtWarningMsg && message.startsWith(QLatin1String("This plugin does not support"))) return;
  if (previousHandler)
    previousHandler(type, context, message);
  else
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

QApplication& qtApplication() {
  static int argc = 1;
  static char name[] = "cirquet_bench";
  static char* argv[] = {name, nullptr};
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // Never destroyed: at exit it would go after Qt's own statics and crash.
  static auto* app = [] {
    auto* created = new QApplication(argc, argv);
    ui::UseEmbeddedFonts();
    return created;
  }();
  static bool quiet = false;
  if (!quiet) previousHandler = qInstallMessageHandler(quietOffscreenNotes);
  quiet = true;
  return *app;
}

// The program on fake services, with or without its views.
struct Running {
  // styles: the colour styles to use in place of the fake (which changes
  // no look).
  explicit Running(bool withViews, Styles* styles = nullptr)
      : services{fakes.dialogs, fakes.settings, fakes.shell,  fakes.locale, fakes.loop,
                 fakes.clock,   fakes.printer,  styles ? *styles : fakes.styles, fakes.process},
        program(services) {
    qtApplication();
    program.createWindows();
    if (withViews) frontEnd = std::make_unique<ui::FrontEnd>(program);
    program.showMainWindow();
    QApplication::processEvents();
  }
  ~Running() { frontEnd.reset(); }

  // Up to count controls of the main window of type T that run no handler
  // when written, so the round measures the writes and not the solvers.
  template <typename T, typename Quiet>
  std::vector<T*> controls(size_t count, Quiet quiet) {
    std::vector<T*> out;
    for (Control* c : program.form("Form1").allControls())
      if (auto* t = dynamic_cast<T*>(c); t && quiet(*t) && out.size() < count) out.push_back(t);
    return out;
  }

  FakeServices fakes;
  Services services;
  Program program;
  std::unique_ptr<ui::FrontEnd> frontEnd;
};

void endRound() { QApplication::processEvents(); }

// Attaching (and dropping) the views of all seven windows, with the
// widgets of what the main window shows and an image of it.
void QtAttachViews(benchmark::State& state) {
  Running run(false);
  for (auto _ : state) {
    ui::FrontEnd views(run.program);
    benchmark::DoNotOptimize(views.view("Form1")->grabClientArea().size());
  }
}
BENCHMARK(QtAttachViews)->Unit(benchmark::kMillisecond);

void QtLabelCaptions(benchmark::State& state) {
  Running run(state.range(0) != 0);
  auto labels = run.controls<Label>(100, [](Label&) { return true; });
  int round = 0;
  for (auto _ : state) {
    const std::string text = (++round % 2) ? "12.3456 mils" : "0.0254 mm";
    for (Label* l : labels) l->setCaption(text);
    endRound();
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(labels.size()));
}
BENCHMARK(QtLabelCaptions)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void QtEditTexts(benchmark::State& state) {
  Running run(state.range(0) != 0);
  auto edits = run.controls<Edit>(100, [](Edit& e) { return !e.OnChange; });
  int round = 0;
  for (auto _ : state) {
    const std::string text = (++round % 2) ? "1.2345" : "67.89";
    for (Edit* e : edits) e->setText(text);
    endRound();
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(edits.size()));
}
BENCHMARK(QtEditTexts)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The main window's option radios all solve when clicked; a window of 100
// quiet radio groups measures the writes alone.
void QtRadioIndexes(benchmark::State& state) {
  qtApplication();
  FakeServices fakes;
  Application app(fakes.services());
  Form& form = app.addForm(std::make_unique<Form>(app, "Form1", "TForm1"));
  form.setBounds({0, 0, 1000, 800});
  std::vector<RadioGroup*> radios;
  for (int i = 0; i < 100; ++i) {
    auto& r = form.create<RadioGroup>("RadioGroup" + std::to_string(i + 1));
    r.setBounds({(i % 10) * 100, (i / 10) * 80, 95, 75});
    r.setItems({"Imperial", "Metric", "Other"});
    radios.push_back(&r);
  }
  std::unique_ptr<ui::FormView> view;
  if (state.range(0) != 0) view = std::make_unique<ui::FormView>(form);
  form.show();
  QApplication::processEvents();
  int round = 0;
  for (auto _ : state) {
    const int index = ++round % 3;
    for (RadioGroup* r : radios) r->setItemIndex(index);
    endRound();
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(radios.size()));
}
BENCHMARK(QtRadioIndexes)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// A user's switch to a painted frame of the main window: the model's
// handlers and solves, the views' updates and a full repaint.
template <typename Switch>
void switchToPaintedFrame(benchmark::State& state, Switch userSwitch) {
  Running run(true);
  ui::FormView* view = run.frontEnd->view("Form1");
  int round = 0;
  for (auto _ : state) {
    userSwitch(run.program.form("Form1"), ++round % 2);
    QApplication::processEvents();
    view->repaint();
  }
}

void QtUnitsSwitchFrame(benchmark::State& state) {
  switchToPaintedFrame(state, [](Form& main, int units) { main.get<RadioGroup>("RadioGroup6").userSelect(units); });
}
BENCHMARK(QtUnitsSwitchFrame)->Unit(benchmark::kMillisecond);

// Between Via Properties and Conductor Properties; the first switch to a
// page also builds its widgets.
void QtTabSwitchFrame(benchmark::State& state) {
  switchToPaintedFrame(state, [](Form& main, int other) {
    main.get<TabControl>("TabControl1").userSelect(other ? 2 : 16);
  });
}
BENCHMARK(QtTabSwitchFrame)->Unit(benchmark::kMillisecond);

// The first switch to a page after start, which builds its widgets.
void QtFirstTabSwitchFrame(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    auto run = std::make_unique<Running>(true);
    state.ResumeTiming();
    run->program.form("Form1").get<TabControl>("TabControl1").userSelect(2);
    QApplication::processEvents();
    run->frontEnd->view("Form1")->repaint();
    state.PauseTiming();
    run.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(QtFirstTabSwitchFrame)->Iterations(10)->Unit(benchmark::kMillisecond);

// A colour theme chosen in Program Options once every page has been
// visited, to the repainted main window: between a carried dark style and
// the platform's own.
void QtThemeSwitchFrame(benchmark::State& state) {
  ui::QtStyles styles([](const std::string&) {});
  Running run(true, &styles);
  Form& main = run.program.form("Form1");
  auto& tabs = main.get<TabControl>("TabControl1");
  for (int tab = 0; tab < static_cast<int>(tabs.tabs().size()); ++tab) {
    tabs.userSelect(tab);
    QApplication::processEvents();
  }
  Form& options = run.program.form("Form6");
  auto& themes = options.comboBox("cbxVclStyles");
  const auto indexOf = [&](const std::string& theme) {
    const auto& items = themes.items();
    return static_cast<int>(std::find(items.begin(), items.end(), theme) - items.begin());
  };
  const int themeIndexes[] = {indexOf("Charcoal Dark Slate"), indexOf("Windows")};
  ui::FormView* view = run.frontEnd->view("Form1");
  int round = 0;
  for (auto _ : state) {
    state.PauseTiming();
    options.show();
    QApplication::processEvents();
    state.ResumeTiming();
    const int chosen = themeIndexes[++round % 2];
    themes.userSelect(chosen);
    QApplication::processEvents();
    view->repaint();
    if (styles.activeStyle() != themes.items()[static_cast<size_t>(chosen)]) {
      state.SkipWithError("the theme was not switched");
      break;
    }
  }
}
BENCHMARK(QtThemeSwitchFrame)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace cq::test
#endif  // CIRQUET_BENCH_QT
