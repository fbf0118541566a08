#pragma once
// One model window on fake services, for tests of a single view.
#include <memory>

#include "platform/application.h"
#include "platform/form.h"
#include "support/fake_services.h"

namespace cq::test {

struct SmallForm {
  SmallForm() : form(app.addForm(std::make_unique<Form>(app, "Form1", "TForm1"))) {
    form.setBounds({0, 0, 400, 300});
  }
  FakeServices fakes;
  Application app{fakes.services()};
  Form& form;
};

}  // namespace cq::test
