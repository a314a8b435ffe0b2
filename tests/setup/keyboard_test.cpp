// The setup windows with the keyboard and the mouse as a Windows user works them: the option
// group's arrows, the focus kept across message boxes, the modal dialog
// and other windows, Enter and Alt keys, and links that open only on a full click.
#include "tests/setup/setup_fixture.h"

namespace {

constexpr int kTab = 9, kEnter = 13, kUp = 38, kDown = 40, kShift = 1;

using KeyboardTest = SetupTest;

// The Tab cycles themselves are the focus rules' to test, and the Wine suite's with the
// real designs; here, what the options dialog's group does with the arrows.
TEST_F(KeyboardTest, TheOptionsDialogsArrowsSelectInTheGroupAndLeaveTheCheckBoxAlone) {
  app.windows.Click("Command1");
  EXPECT_EQ(app.windows.FocusedControl(), "Option1") << "the selected option has the focus first";
  app.windows.KeyDown(kDown);
  EXPECT_EQ(app.windows.FocusedControl(), "Option2");
  EXPECT_TRUE(Shown("Form2", "Option2").checked);
  EXPECT_FALSE(Shown("Form2", "Option1").checked);
  app.windows.KeyDown(kDown);
  EXPECT_EQ(app.windows.FocusedControl(), "Option1") << "the arrows wrap round the group";
  app.windows.KeyDown(kUp);
  EXPECT_TRUE(Shown("Form2", "Option2").checked);

  app.windows.KeyDown(kTab);
  app.windows.KeyDown(kTab);
  app.windows.KeyDown(' ');
  app.windows.KeyDown(kDown);
  EXPECT_EQ(app.windows.FocusedControl(), "Check1") << "arrows do not leave the check box";
}

TEST_F(KeyboardTest, ClicksOnTheInformationWindowsTextLeaveTheFocusOnItsButton) {
  app.windows.Click("Command6");
  EXPECT_EQ(app.windows.FocusedControl(), "Command1");
  app.windows.Click("Label2");
  app.windows.Click("Label1");
  app.windows.KeyDown(kEnter);
  EXPECT_EQ(app.windows.FindForm("Form4"), nullptr) << "Enter after clicking the text presses OK!";
}

TEST_F(KeyboardTest, TypingAfterTheDelayMessageGoesOnInTheDelayBox) {
  app.windows.Click("Command1");
  app.windows.KeyDown(kTab);
  app.windows.TypeInto("Text1", "");
  app.windows.TypeCharacter('1');
  app.windows.PressAccelerator('o');
  ASSERT_EQ(app.services.message_boxes.back().title, "Zorbel Joke Screensaver Error!");
  EXPECT_EQ(app.windows.FocusedControl(), "Text1") << "Alt+O pressed OK without taking the focus";
  app.windows.TypeCharacter('5');
  EXPECT_EQ(Shown("Form2", "Text1").text, "15");
  app.windows.KeyDown(kEnter);
  EXPECT_TRUE(app.windows.FindForm("Form2") != nullptr) << "Enter in the text box presses nothing";
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
  EXPECT_TRUE(app.services.shell_requests.empty()) << "a press cancelled by a lost mouse";
  app.windows.Click("Label18");
  ASSERT_EQ(app.services.shell_requests.size(), 1u);
  EXPECT_EQ(app.services.shell_requests[0].file, Address("/zorbel/bounce.cgi?where=home"));

  app.windows.Press("Command5");
  app.windows.Release("Command8");
  app.windows.Press("Command5");
  app.windows.LoseMouse();
  app.windows.Release("Command5");
  EXPECT_EQ(app.services.shell_requests.size(), 1u) << "a button slid off or cancelled is not clicked either";

  app.windows.Click("Command1");
  app.windows.Press("Label13");
  app.windows.Release("Label12");
  EXPECT_EQ(app.services.message_boxes.size(), 1u) << "only the beta notice";
}

}  // namespace
