#pragma once
// The whole program with its Qt views on fake services (no box, no sleep,
// no real settings); a test may swap in a Qt service of its own.
#include <memory>
#include <string>

#include "program/program.h"
#include "support/fake_services.h"
#include "ui_qt/front_end.h"
#include "ui_qt/form_view.h"

namespace cq::test {

class ProgramWithViews {
 public:
  // With printer set, printing goes there instead of the fake; separator is
  // the locale's decimal separator the program starts with.
  explicit ProgramWithViews(Printer* printer = nullptr, const std::string& separator = ".")
      : services_{fakes.dialogs, fakes.settings, fakes.shell,  fakes.locale, fakes.loop,
                  fakes.clock,   printer ? *printer : fakes.printer, fakes.styles, fakes.process},
        program_(services_) {
    fakes.locale.separator = separator;
    program_.createWindows();
    frontEnd_ = std::make_unique<ui::FrontEnd>(program_);
  }

  FakeServices fakes;
  Program& program() { return program_; }
  ui::FrontEnd& frontEnd() { return *frontEnd_; }
  Form& form(const std::string& name = "Form1") { return program_.form(name); }
  ui::FormView& view(const std::string& name = "Form1") { return *frontEnd_->view(name); }

 private:
  Services services_;
  Program program_;
  std::unique_ptr<ui::FrontEnd> frontEnd_;
};

}  // namespace cq::test
