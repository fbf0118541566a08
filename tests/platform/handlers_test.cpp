// Handlers registered as member functions run on their object, also when
// the function is the base class's, and a name still registers once.
#include "platform/handlers.h"

#include <gtest/gtest.h>

#include "platform/controls.h"
#include "platform/errors.h"

namespace cq {
namespace {

struct Base {
  Control* clicked = nullptr;
  void Click(Control* sender) { clicked = sender; }
};

struct Window : Base {
  bool asked = false;
  void CloseQuery(Form*, bool& canClose) {
    asked = true;
    canClose = false;
  }
};

TEST(HandlerRegistry, MemberFunctionsRunOnTheirObject) {
  HandlerRegistry handlers;
  Window window;
  handlers.add("TForm1.Button1Click", &window, &Window::Click);
  handlers.add("TForm1.FormCloseQuery", &window, &Window::CloseQuery);

  Button button("Button1");
  handlers.get<NotifyEvent>("TForm1.Button1Click")(&button);
  EXPECT_EQ(window.clicked, &button);

  bool canClose = true;
  handlers.get<CloseQueryEvent>("TForm1.FormCloseQuery")(nullptr, canClose);
  EXPECT_TRUE(window.asked);
  EXPECT_FALSE(canClose);

  EXPECT_THROW(handlers.get<CloseQueryEvent>("TForm1.Button1Click"), DescriptionError);
  EXPECT_THROW(handlers.add("TForm1.Button1Click", &window, &Window::Click), DescriptionError);
}

}  // namespace
}  // namespace cq
