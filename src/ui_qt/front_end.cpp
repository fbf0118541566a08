#include "ui_qt/front_end.h"

#include <QAbstractEventDispatcher>
#include <QEventLoop>

#include "ui_qt/embedded_fonts.h"
#include "ui_qt/form_view.h"
#include "ui_qt/timer_driver.h"

namespace cq::ui {

FrontEnd::FrontEnd(Program& program) : program_(program) {
  UseEmbeddedFonts();
  std::vector<Form*> forms;
  for (const auto& form : program.app().forms()) {
    forms.push_back(form.get());
    views_.push_back(std::make_unique<FormView>(*form));
  }
  timers_ = std::make_unique<TimerDriver>(forms);
}

FrontEnd::~FrontEnd() {
  timers_.reset();
  views_.clear();
}

FormView* FrontEnd::view(const std::string& formName) const {
  for (const auto& v : views_)
    if (v->form().name() == formName) return v.get();
  return nullptr;
}

void FrontEnd::run() {
  Application& app = program_.app();
  program_.showMainWindow();
  if (app.terminated()) return;
  QEventLoop loop;
  // The model ends the program by a flag; it is looked at whenever the
  // loop has handled what was pending.
  const auto check = QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock,
                                      &loop, [&app, &loop] {
                                        if (app.terminated()) loop.quit();
                                      });
  loop.exec();
  QObject::disconnect(check);
}

}  // namespace cq::ui
