// About, References and EDA links: how they open and close, what they show
// and what their links open.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "app/calculator_table.h"
#include "support/test_program.h"

namespace cq::test {
namespace {

using Opened = std::vector<std::pair<std::string, std::string>>;

TEST(SmallWindowFrames, CaptionsSizesAndBordersAsDesigned) {
  TestProgram p;
  struct Row {
    const char* form;
    const char* caption;
    int width, height;
    BorderStyle border;
    bool minimize;
    bool handCursor;  // over the whole window
  };
  const Row rows[] = {
      {"Form2", "About Quillonex PCB Design, Inc. - Cirquet", 556, 299, BorderStyle::Dialog, false, false},
      {"Form5", "Program References", 551, 287, BorderStyle::Dialog, false, false},
      {"Form9", "EDA Resources (This form is a \"work in progress\" resource.)", 757, 611, BorderStyle::Single, true,
       true},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.form);
    Form& f = p.form(r.form);
    EXPECT_EQ(f.caption(), r.caption);
    EXPECT_EQ(f.clientWidth(), r.width);
    EXPECT_EQ(f.clientHeight(), r.height);
    EXPECT_EQ(f.borderStyle(), r.border);
    EXPECT_FALSE(f.maximizeBox());
    EXPECT_EQ(f.minimizeBox(), r.minimize);
    EXPECT_EQ(f.handCursor(), r.handCursor);
    EXPECT_TRUE(f.centered());
    // Created at start, hidden until an opener shows it.
    EXPECT_FALSE(f.visible());
  }
}

// Every way of closing About and References enables the main window again.
TEST(WindowsOverTheMainWindow, DisableItWhileShownAndEnableItHoweverTheyClose) {
  struct Row {
    const char* opener;
    const char* form;
    const char* how;
    std::function<void(TestProgram&)> close;
  };
  const Row rows[] = {
      {"About1", "Form2", "Close button", [](TestProgram& p) { p.click("Form2.Button1"); }},
      {"About1", "Form2", "close box", [](TestProgram& p) { p.closeWindow("Form2"); }},
      {"References1", "Form5", "close box", [](TestProgram& p) { p.closeWindow("Form5"); }},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(std::string(r.form) + " by its " + r.how);
    TestProgram p;
    p.chooseMenu(r.opener);
    EXPECT_TRUE(p.form(r.form).visible());
    EXPECT_FALSE(p.form().enabled());
    // The main window takes no input meanwhile.
    p.chooseMenu("HelpTopics1");
    p.click("Image6");
    EXPECT_TRUE(p.fakes.shell.opened.empty());

    r.close(p);
    EXPECT_FALSE(p.form(r.form).visible());
    EXPECT_TRUE(p.form().enabled());
    EXPECT_EQ(p.takeSolves(), 0);
    EXPECT_EQ(p.messages(), std::vector<Message>{});
    // Opened again, it disables the main window again.
    p.chooseMenu(r.opener);
    EXPECT_TRUE(p.form(r.form).visible());
    EXPECT_FALSE(p.form().enabled());
  }
}

TEST(AboutWindow, EachLinkOpensItsTarget) {
  TestProgram p;
  p.chooseMenu("About1");
  const std::pair<const char*, const char*> rows[] = {
      {"Form2.Button2", "https://www.quillonex.example/cirquet/feedback"},
      {"Form2.Button3", "https://linkedin.example/in/marek-tallis-ondrey"},
      {"Form2.Button4", "mailto:sales@quillonex.example"},
      {"Form2.Button5", "https://www.quillonex.example"},
      {"Form2.Image4", "https://payments.example/donate?to=quillonex-cirquet"},
      {"Form2.Image2", "https://facebook.example/QuillonexPCBDesign"},
      {"Form2.Image77", "https://instagram.example/quillonexpcbdesign"},
      {"Form2.Image3", "https://linkedin.example/company/quillonex-pcb-design"},
      {"Form2.Image55", "https://twitter.example/QuillonexPCB"},
      {"Form2.Image7", "https://youtube.example/@QuillonexPCBDesign"},
  };
  for (const auto& [control, target] : rows) {
    SCOPED_TRACE(control);
    p.fakes.shell.opened.clear();
    p.click(control);
    EXPECT_EQ(p.fakes.shell.opened, (Opened{{target, ""}}));
  }
  // The links leave the window open over the disabled main window.
  EXPECT_TRUE(p.form("Form2").visible());
  EXPECT_FALSE(p.form().enabled());
  EXPECT_EQ(p.messages(), std::vector<Message>{});
}

TEST(AboutWindow, TheMailButtonShowsTheAddressItMailsTo) {
  TestProgram p;
  p.chooseMenu("About1");
  const std::string address = p.text("Form2.Button4");
  EXPECT_EQ(p.control("Form2.Button4").hint(), "Email " + address);
  p.click("Form2.Button4");
  ASSERT_EQ(p.fakes.shell.opened.size(), 1u);
  EXPECT_EQ(p.fakes.shell.opened[0].first, "mailto:" + address);
}

TEST(ReferencesWindow, ListsTheReferencesInOrderAndCannotBeEdited) {
  TestProgram p;
  p.chooseMenu("References1");
  auto& memo = p.form("Form5").get<Memo>("Memo1");
  const std::string before = memo.text();
  const std::vector<std::string> inOrder = {
      "IPC-2221", "IPC-2251", "IPC-2152", "IPC-2141", "PEEC Formulation",
      "\"DC Line Resistance and Current Carrying Capacity\"",
      "\"Power Delivery Network (PDN) Tool for Stratix IV Devices\"",
      "Microstrip Transmission Lines\"",
      "\"Fusing Current, When Traces Melt Without a Trace\"",
      "\"Embedded Microstrip, Impedance Formula\"", "(1991)",
      "\"Simple Accurate Expressions for Planar Spiral Inductances\"",
      "IEEE Journal of Solid-State Circuits, vol. 34, no. 10, October 1999", "Hammerstad", "May 1980",
      "\"Choosing the Right Crystal and Caps for your Design\"", "Special thanks to:",
      "\"Choosing the Right Crystal and Caps for your Design\"",
      "Everyone who has helped via the program feedback form, thank you all :)"};
  size_t at = 0;
  for (const auto& entry : inOrder) {
    SCOPED_TRACE(entry);
    const size_t found = before.find(entry, at);
    ASSERT_NE(found, std::string::npos);
    at = found + entry.size();
  }
  EXPECT_EQ(memo.lines().back(), "Everyone who has helped via the program feedback form, thank you all :)");

  // Enter reaches the memo as nothing; typing cannot change the text.
  ASSERT_TRUE(memo.userFocus());
  EXPECT_EQ(memo.userPressEnter(), 0);
  EXPECT_EQ(memo.userKey('A', 'a'), 'a');
  p.type("Form5.Memo1", "changed");
  EXPECT_EQ(memo.text(), before);
  EXPECT_TRUE(memo.readOnly());
  EXPECT_EQ(p.messages(), std::vector<Message>{});
}

TEST(EdaLinksWindow, TheResourcesMenuIsNeverShownSoTheWindowCannotBeOpened) {
  TestProgram p;
  auto expectUnreachable = [&] {
    EXPECT_FALSE(p.form().menuItem("Resources1").visible());
    p.chooseMenu("Resources2");
    EXPECT_FALSE(p.form("Form9").visible());
  };
  expectUnreachable();
  for (const auto& calculator : Calculators()) {
    SCOPED_TRACE(calculator.menuItem);
    p.chooseMenu(std::string(calculator.menuItem));
    expectUnreachable();
  }
  p.chooseMenu("About1");
  p.click("Form2.Button1");
  expectUnreachable();
}

TEST(EdaLinksWindow, CaptionedItemsOpenTheirPagesAndEmptyItemsDoNothing) {
  TestProgram p;
  // Built all the same: shown here from code, as no menu can.
  p.form("Form9").show();
  p.click("Form9.Button4");
  EXPECT_EQ(p.fakes.shell.opened, (Opened{{"https://www.circuitlab.com", ""}}));
  const struct {
    const char* group;
    int item;
    const char* target;
  } rows[] = {
      {"ButtonGroup1", 0, "https://www.circuitlab.com"},
      {"ButtonGroup1", 1, "https://www.mathcad.com"},
      {"ButtonGroup1", 2, "https://www.multisim.com"},
      {"ButtonGroup1", 3, "https://www.sonnetsoftware.com"},
      {"ButtonGroup1", 4, "https://www.ansys.com/products/electronics/ansys-hfss"},
      {"ButtonGroup1", 5, "https://www.keysight.com"},
      {"ButtonGroup1", 6, "https://www.cadence.com"},
      {"ButtonGroup1", 7, "https://eda.sw.siemens.com/en-US/pcb/hyperlynx/"},
      {"ButtonGroup1", 8, "https://webench.ti.com"},
      {"ButtonGroup1", 9, "https://www.ti.com/tool/PSPICE-FOR-TI"},
      {"ButtonGroup2", 0, "https://www.digikey.com/schemeit"},
      {"ButtonGroup2", 1, "https://www.snapeda.com"},
      {"ButtonGroup3", 0, "https://www.3dcontentcentral.com"},
      {"ButtonGroup4", 0, "https://academy.fedevel.com"},
      {"ButtonGroup4", 1, "https://orsolya-venn.example/si-design-notes"},
      {"ButtonGroup5", 0, "https://www.ipc.org"},
      {"ButtonGroup5", 1, "https://www.ieee.org"},
      {"ButtonGroup5", 2, "https://isbnsearch.org/isbn/9780071833950"},
      {"ButtonGroup5", 3, "https://isbnsearch.org/isbn/9780368246968"},
      {"ButtonGroup6", 0, "https://www.eevblog.com"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.group) + " " + std::to_string(row.item));
    p.fakes.shell.opened.clear();
    p.clickItem(std::string("Form9.") + row.group, row.item);
    EXPECT_EQ(p.fakes.shell.opened, (Opened{{row.target, ""}}));
  }

  p.fakes.shell.opened.clear();
  int empty = 0;
  for (const char* name : {"ButtonGroup1", "ButtonGroup2", "ButtonGroup3", "ButtonGroup4", "ButtonGroup5", "ButtonGroup6"}) {
    const auto captions = p.items(std::string("Form9.") + name);
    for (int i = 0; i < static_cast<int>(captions.size()); ++i) {
      if (!captions[static_cast<size_t>(i)].empty()) continue;
      ++empty;
      p.clickItem(std::string("Form9.") + name, i);
    }
  }
  EXPECT_EQ(empty, 9 + 10 + 7 + 11 + 9 + 10);
  EXPECT_TRUE(p.fakes.shell.opened.empty());

  // Closing it leaves the main window alone.
  p.closeWindow("Form9");
  EXPECT_FALSE(p.form("Form9").visible());
  EXPECT_TRUE(p.form().enabled());
  EXPECT_EQ(p.messages(), std::vector<Message>{});
}

TEST(EdaLinksWindow, ButtonGroupsListTheirItemsInOrder) {
  TestProgram p;
  using Items = std::vector<std::string>;
  auto with = [](Items named, size_t empties) {
    named.resize(named.size() + empties);
    return named;
  };
  EXPECT_EQ(p.items("Form9.ButtonGroup2"), with({"Scheme-it", "Snap EDA"}, 9));
  EXPECT_EQ(p.items("Form9.ButtonGroup3"), with({"3D Content Central"}, 10));
  EXPECT_EQ(p.items("Form9.ButtonGroup5"),
            with({"IPC", "IEEE", "Printed Circuits Handbook, Seventh Edition", "The Hitchhiker's Guide to PCB Design"}, 7));
  EXPECT_EQ(p.items("Form9.ButtonGroup1"), with({"Circuit Lab", "Mathcad", "Multisim", "Sonnet", "Ansys HFSS",
                                                 "PathWave RF Synthesis", "Sigrity Advanced SI", "HyperLynx", "WEBENCH",
                                                 "PSpice for TI"},
                                                11));
  EXPECT_EQ(p.items("Form9.ButtonGroup4").size(), 11u);
  EXPECT_EQ(p.items("Form9.ButtonGroup4")[0], "FEDEVEL Academy");
  EXPECT_EQ(p.items("Form9.ButtonGroup6"), with({"EEVblog "}, 10));
}

// Dragging reorders the items and each keeps its own page; the order is
// not stored, so the next start shows the described order again.
TEST(EdaLinksWindow, DraggedItemsKeepTheirPagesUntilTheNextStart) {
  StartOptions options;
  {
    TestProgram p(options);
    p.form("Form9").show();
    p.dragItem("Form9.ButtonGroup5", 3, 0);  // the second book to the top
    EXPECT_EQ(p.items("Form9.ButtonGroup5"),
              (std::vector<std::string>{"The Hitchhiker's Guide to PCB Design", "IPC", "IEEE",
                                        "Printed Circuits Handbook, Seventh Edition", "", "", "", "", "", "", ""}));
    p.dragItem("Form9.ButtonGroup5", 1, 4);  // "IPC" down among the empty items
    EXPECT_EQ(p.items("Form9.ButtonGroup5"),
              (std::vector<std::string>{"The Hitchhiker's Guide to PCB Design", "IEEE",
                                        "Printed Circuits Handbook, Seventh Edition", "", "IPC", "", "", "", "", "", ""}));
    p.clickItem("Form9.ButtonGroup5", 0);
    p.clickItem("Form9.ButtonGroup5", 4);
    p.clickItem("Form9.ButtonGroup5", 3);  // an empty item, now second to IPC
    EXPECT_EQ(p.fakes.shell.opened, (Opened{{"https://isbnsearch.org/isbn/9780368246968", ""},
                                            {"https://www.ipc.org", ""}}));
    // Out of range or onto itself: nothing moves.
    p.dragItem("Form9.ButtonGroup5", 0, 11);
    p.dragItem("Form9.ButtonGroup5", 2, 2);
    EXPECT_EQ(p.items("Form9.ButtonGroup5")[0], "The Hitchhiker's Guide to PCB Design");
    EXPECT_EQ(p.items("Form9.ButtonGroup5")[2], "Printed Circuits Handbook, Seventh Edition");
    // The next start finds the settings as this run leaves them.
    options.settings = p.fakes.settings.keys[TestProgram::settingsKey()];
  }
  TestProgram again(options);
  EXPECT_EQ(again.items("Form9.ButtonGroup5")[0], "IPC");
  EXPECT_EQ(again.items("Form9.ButtonGroup5")[3], "The Hitchhiker's Guide to PCB Design");
}

}  // namespace
}  // namespace cq::test
