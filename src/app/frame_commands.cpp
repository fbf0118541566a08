#include "app/frame_commands.h"

namespace cq {

void FrameCommands::registerHandlers(HandlerRegistry& handlers) {
  handlers.add("TForm1.Button2Click", this, &FrameCommands::Button2Click);
  handlers.add("TForm1.Print1Click", this, &FrameCommands::Button2Click);
  handlers.add("TForm1.PrinterSetup1Click", this, &FrameCommands::PrinterSetup1Click);
  handlers.add("TForm1.Exit1Click", this, &FrameCommands::Exit1Click);
  handlers.add("TForm1.FormCloseQuery", this, &FrameCommands::FormCloseQuery);
}

void FrameCommands::attach(Form& form) {
  form_ = &form;
  printing_ = &form.label("Label29");
  progress_ = &form.get<ProgressBar>("ProgressBar3");
}

void FrameCommands::Button2Click(Control*) {
  auto& services = app_.services();
  if (!services.dialogs.askYesNo("Print form data?", "Print...")) return;
  printing_->setVisible(true);
  services.loop.processMessages();
  progress_->setVisible(true);
  // About a second of progress; the window does not react meanwhile.
  for (int step = 0; step <= 100; ++step) {
    progress_->setPosition(step);
    services.loop.sleep(10);
  }
  printing_->setVisible(false);
  progress_->setPosition(0);
  progress_->setVisible(false);
  services.printer.printForm(*form_);
}

void FrameCommands::PrinterSetup1Click(Control*) { app_.services().printer.setupDialog(); }

void FrameCommands::Exit1Click(Control*) { app_.services().process.exit(0); }

void FrameCommands::FormCloseQuery(Form*, bool&) {
  // Closing the main window is always allowed.
}

}  // namespace cq
