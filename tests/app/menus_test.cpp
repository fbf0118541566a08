// The Tools, EDA Resources, Help and contact menus: items, separators and
// their order as the user sees them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/test_program.h"

namespace cq::test {
namespace {

std::vector<std::string> itemCaptions(const Control& menu) {
  std::vector<std::string> out;
  for (const Control* item : menu.children()) out.push_back(item->caption());
  return out;
}

TEST(Menus, ItemsInOrderWithTheirAcceleratorsAndSeparators) {
  TestProgram p;
  struct Row {
    const char* menu;
    std::vector<std::string> items;
  };
  const Row rows[] = {
      {"F1", {"Printer &Setup", "&Print Form", "-", "&Exit"}},
      {"ool1", {"&Calculator", "&ASCII Editor", "-", "&Program Options"}},
      {"Resources1", {"&Resources"}},
      {"Help1",
       {"&Help Topics", "-", "&Program Disclaimer", "Program &References", "-", "&About Cirquet", "&EULA",
        "Re&install Registry Keys"}},
      {"Feedback1",
       {"&Send Program Feedback To Quillonex PCB Design, Inc.",
        "-",
        "&Contact Quillonex PCB Design, Inc.",
        "-",
        "Request a PCB Design &Quote!",
        "Request a PC&B Manufacturing Quote!",
        "Request a &PCB Assembly Quote!",
        "Request a Product Development Q&uote!",
        "-",
        "&PCB Design Services",
        "&Electronic Engineering Services",
        "S&oftware Development Services",
        "Consultin&g Services",
        "RF Engineer&ing Services",
        "PCB &Assembly Services",
        "PCB &Manufacturing Services",
        "-",
        "Follow Quillonex PCB Design on &Facebook",
        "Follow Quillonex PCB Design on &Twitter",
        "Follow Quillonex PCB Design on &LinkedIn",
        "&Follow Quillonex PCB Design on &YouTube",
        "-",
        "About &Quillonex PCB Design, Inc."}},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.menu);
    EXPECT_EQ(itemCaptions(p.form().menuItem(r.menu)), r.items);
  }

  // The menu bar: Help, then the disabled divider, then the contact menu.
  const auto& bar = p.form().menu()->children();
  std::vector<std::string> names;
  for (const Control* menu : bar) names.push_back(menu->name());
  EXPECT_EQ(names, (std::vector<std::string>{"F1", "Function1", "ool1", "Resources1", "Help1", "N7", "Feedback1"}));
  // The divider is shown, greyed.
  EXPECT_TRUE(p.form().menuItem("N7").visible());
  EXPECT_FALSE(p.form().menuItem("N7").enabled());
  EXPECT_TRUE(p.form().menuItem("N7").children().empty());
  // The separator above About is disabled as well.
  EXPECT_FALSE(p.form().menuItem("N1").enabled());
}

TEST(Menus, EveryItemButTheSeparatorsDoesSomething) {
  TestProgram p;
  for (const char* menu : {"ool1", "Resources1", "Help1", "Feedback1"})
    for (const Control* item : p.form().menuItem(menu).children()) {
      SCOPED_TRACE(item->name());
      EXPECT_EQ(static_cast<bool>(item->OnClick), item->caption() != "-");
    }
}

}  // namespace
}  // namespace cq::test
