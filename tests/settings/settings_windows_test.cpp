// The loader, Program Options and installer windows, and the main-window
// controls of the settings, as the descriptions lay them out before
// anything runs: frames, every fixed text and the design values that the
// loader and the handlers compare with.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/test_program.h"

namespace cq::test {
namespace {

StartOptions builtNotShown() {
  StartOptions options;
  options.settings = TestProgram::installedSettings();
  options.showMainWindow = false;
  return options;
}

TEST(SettingsWindows, FramesAsDesigned) {
  struct Row {
    const char* form;
    const char* caption;
    int width, height;
    BorderStyle border;
    bool white;
    bool closeBox;  // the installer's two buttons are its only way out
  };
  const Row rows[] = {
      {"Form4", nullptr, 761, 609, BorderStyle::None, true, true},
      {"Form6", "Program Options - Cirquet", 805, 365, BorderStyle::Dialog, true, true},
      {"Form8", "Registry Key Install...", 477, 293, BorderStyle::Dialog, false, false},
  };
  TestProgram p(builtNotShown());
  for (const Row& r : rows) {
    SCOPED_TRACE(r.form);
    const Form& f = p.form(r.form);
    if (r.caption) {
      EXPECT_EQ(f.caption(), r.caption);
    }
    EXPECT_EQ(f.clientWidth(), r.width);
    EXPECT_EQ(f.clientHeight(), r.height);
    EXPECT_EQ(f.borderStyle(), r.border);
    EXPECT_FALSE(f.maximizeBox());
    EXPECT_FALSE(f.minimizeBox());
    EXPECT_EQ(f.closeBox(), r.closeBox);
    EXPECT_TRUE(f.centered());
    if (r.white) {
      EXPECT_EQ(f.color(), colors::White);
    }
    EXPECT_FALSE(f.visible());
  }
}

// Each control's caption or text and hint; nullptr: not checked.
struct TextRow {
  const char* control;
  const char* text;
  const char* hint;
};

TEST(SettingsWindows, FixedTextsAndDesignValues) {
  const TextRow rows[] = {
      {"Form4.Label1", "Loading:", nullptr},
      {"Form4.Label3", "Loading program.", nullptr},
      {"Form4.Label2", "Version 8.31", nullptr},
      {"Form6.RadioGroup1", "  IPC version for conductor calc  ", nullptr},
      {"Form6.RadioGroup2", "  Conductor Etch Factor  ", nullptr},
      {"Form6.GroupBox1", " Copper Weight ", nullptr},
      {"Form6.CheckBox1", "Enter copper weight manually", nullptr},
      {"Form6.GroupBox2", " Via Properties ", nullptr},
      {"Form6.Label1", "Aspect Ratio Limit [X:1]", nullptr},
      {"Form6.Label2", "TH", nullptr},
      {"Form6.Edit1", "10", "Through hole via aspect ratio setting."},
      {"Form6.Label3", "uVia", nullptr},
      {"Form6.Edit2", "1", "Microvia aspect ratio setting."},
      {"Form6.CheckBox2", "Disable Via Height for via current", nullptr},
      {"Form6.GroupBox3", "  Color Theme  ", nullptr},
      {"Form6.Button1", "Close", "Close"},
      {"Form6.BitBtn1", nullptr, "Open help on this topic."},
      {"Form8.Button1", "Run ", "Run"},
      {"Form8.Button2", "Cancel", "Cancel"},
      {"Label301", "Registry Error!", "Registry error detected, click to reinstall the keys."},
      {"Label165", "Label165", nullptr},
      {"RadioGroup6", " Units ", "Switch between imperial units and metric units."},
      {"CopperWeight1", "&Program Options", nullptr},
      {"ReinstallRegistryKeys1", "Re&install Registry Keys", nullptr},
      {"BitBtn2", nullptr, "Click to open the options dialog box."},
  };
  TestProgram p(builtNotShown());
  for (const TextRow& r : rows) {
    SCOPED_TRACE(r.control);
    if (r.text) {
      EXPECT_EQ(p.text(r.control), r.text);
    }
    if (r.hint) {
      EXPECT_EQ(p.control(r.control).hint(), r.hint);
    }
  }
  EXPECT_EQ(p.items("RadioGroup6"), (std::vector<std::string>{"Imperial", "Metric"}));
  EXPECT_EQ(p.itemIndex("RadioGroup6"), 0);
  for (const char* hidden : {"Label301", "Label165", "Button3"}) EXPECT_FALSE(p.control(hidden).visible()) << hidden;
  EXPECT_EQ(p.form().label("Label301").font().color, colors::Red);
  EXPECT_FALSE(p.form("Form6").checkBox("CheckBox1").checked());
  EXPECT_FALSE(p.form("Form6").checkBox("CheckBox2").checked());
  EXPECT_TRUE(p.form("Form8").edit("Edit1").readOnly());
}

TEST(SettingsWindows, LoaderPanelAndEtchPictures) {
  TestProgram p(builtNotShown());
  const Form& loader = p.form("Form4");
  EXPECT_EQ(loader.control("Panel1").bounds(), (Bounds{536, 553, 217, 49}));
  const auto& bar = loader.get<ProgressBar>("ProgressBar1");
  EXPECT_EQ(bar.min(), 0);
  EXPECT_EQ(bar.max(), 100);
  EXPECT_EQ(bar.bounds().width, 150);
  EXPECT_EQ(bar.bounds().height, 9);
  // One place, 200 x 200, hidden until the window shows.
  const Bounds first = p.control("Form6.Image3").bounds();
  for (const char* picture : {"Form6.Image3", "Form6.Image4", "Form6.Image2"}) {
    SCOPED_TRACE(picture);
    const Control& c = p.control(picture);
    EXPECT_EQ(c.bounds(), first);
    EXPECT_EQ(c.bounds().width, 200);
    EXPECT_EQ(c.bounds().height, 200);
    EXPECT_FALSE(c.visible());
  }
}

}  // namespace
}  // namespace cq::test
