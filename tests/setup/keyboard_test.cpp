// The setup windows with the keyboard and the mouse as a Windows user works them: the focus
// kept across message boxes, the modal dialog and other windows, Enter after a click on the
// information window's text, and links that open only on a full click.
#include "tests/setup/setup_fixture.h"

namespace {

constexpr Key kTab = Key::kTab, kEnter = Key::kEnter;
constexpr int kShift = 1;

using KeyboardTest = SetupTest;

// The Tab cycles, the option group's arrows and typing on after the delay message are the
// focus rules' to test, and the Wine keyboard suite's with the real designs.
TEST_F(KeyboardTest, ClicksOnTheInformationWindowsTextLeaveTheFocusOnItsButton) {
  app.windows.Click("Command6");
  EXPECT_EQ(app.windows.FocusedControl(), "Command1");
  app.windows.Click("Label2");
  app.windows.Click("Label1");
  app.windows.KeyDown(kEnter);
  EXPECT_EQ(app.windows.FindForm("Form4"), nullptr) << "Enter after clicking the text presses OK!";
}

TEST_F(KeyboardTest, TheFocusComesBackWhenABoxTheDialogOrAnotherWindowCloses) {
  app.windows.KeyDown(kTab, kShift);
  app.windows.KeyDown(kEnter);  // Command9: its message box, then the page
  EXPECT_EQ(app.services.message_boxes.back().title, "Zorbel Joke SS");
  EXPECT_EQ(app.windows.FocusedControl(), "Command9");

  app.windows.Click("Command1");
  app.windows.Click("Command3");
  EXPECT_EQ(app.windows.ActiveFormName(), "Form3");
  EXPECT_EQ(app.windows.FocusedControl(), "Command1") << "the button that opened the dialog";

  app.windows.Click("Command7");
  EXPECT_EQ(app.windows.ActiveFormName(), "Form4");
  app.windows.Activate("Form3");
  EXPECT_EQ(app.windows.FocusedControl(), "Command7");
  app.windows.Activate("Form4");
  EXPECT_EQ(app.windows.FocusedControl(), "Command1");
  app.windows.KeyDown(kEnter);
  EXPECT_EQ(app.windows.ActiveFormName(), "Form3");
  EXPECT_EQ(app.windows.FocusedControl(), "Command7");
}

TEST_F(KeyboardTest, ALinkOpensOnlyWhenPressedAndReleasedOnIt) {
  app.windows.Press("Label18");
  app.windows.Release("Label17");
  app.windows.Press("Label18");
  app.windows.Release();
  app.windows.Press("Label17");
  app.windows.Release("Label18");
  app.windows.Press("Label18");
  app.windows.LoseMouse();
  app.windows.Release("Label18");
  EXPECT_TRUE(app.services.opened_addresses.empty()) << "a press cancelled by a lost mouse";
  app.windows.Click("Label18");
  ASSERT_EQ(app.services.opened_addresses.size(), 1u);
  EXPECT_EQ(app.services.opened_addresses[0], Address("/zorbel/bounce.cgi?where=home"));

  app.windows.Press("Command5");
  app.windows.Release("Command8");
  app.windows.Press("Command5");
  app.windows.LoseMouse();
  app.windows.Release("Command5");
  EXPECT_EQ(app.services.opened_addresses.size(), 1u) << "a button slid off or cancelled is not clicked either";

  app.windows.Click("Command1");
  app.windows.Press("Label13");
  app.windows.Release("Label12");
  EXPECT_EQ(app.services.message_boxes.size(), 1u) << "only the beta notice";
}

}  // namespace
