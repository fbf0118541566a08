// The frame asks the pages through their contract: who is told of a new IPC
// method, in which order.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/page_of.h"
#include "platform/format.h"
#include "support/fake_services.h"

namespace cq::test {
namespace {

// The two controls the frame itself binds.
constexpr const char* kFrameOnly = R"({"name": "Form1", "class": "TForm1", "controls": [
  {"type": "Label", "name": "Label165", "caption": "0"},
  {"type": "RadioGroup", "name": "RadioGroup6", "items": ["Imperial", "Metric"]}]})";

// A page that writes down how it was told of the IPC method.
template <CalculatorId Id>
class IpcListener : public PageOf<Id> {
 public:
  IpcListener(PageContext context, std::vector<std::string>& told) : PageOf<Id>(context), told_(told) {}
  void attach(Form&) override {}
  void solve(Control*) override {}
  void ipcMethodChanged(int mode, bool active) override {
    told_.push_back(Format("%i:%i%s", Index(Id), mode, active ? " active" : ""));
  }

 private:
  std::vector<std::string>& told_;
};

// The active page goes first: its own effects must be in place before the
// solves that the other pages' effects start.
TEST(PageHooks, EveryPageIsToldOfTheIpcMethodTheActivePageFirst) {
  struct Case {
    int active;
    std::vector<std::string> told;
  };
  const Case cases[] = {
      {16, {"16:1 active", "2:1", "0:1"}},  // registered last, told first
      {2, {"2:1 active", "0:1", "16:1"}},
      {5, {"2:1", "0:1", "16:1"}},          // a calculator without a page
  };
  for (const Case& c : cases) {
    FakeServices fakes;
    Application app(fakes.services());
    MainWindow main(app);
    std::vector<std::string> told;
    const PageContext page(main);
    main.addPage<IpcListener<CalculatorId::ConductorProperties>>(page, told);
    main.addPage<IpcListener<CalculatorId::Bandwidth>>(page, told);
    main.addPage<IpcListener<CalculatorId::ViaProperties>>(page, told);
    main.create("frame only", kFrameOnly);
    main.CurrentCalculator = c.active;
    main.ipcMethodChanged(1);
    EXPECT_EQ(told, c.told) << c.active;
  }
}

}  // namespace
}  // namespace cq::test
