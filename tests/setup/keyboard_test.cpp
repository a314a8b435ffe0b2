// The setup windows with the keyboard and the mouse as a Windows user works them: the Tab
// cycles, the option group's arrows, the focus kept across message boxes, the modal dialog
// and other windows, Enter and Alt keys, and links that open only on a full click.
#include "tests/setup/setup_fixture.h"

namespace {

constexpr int kTab = 9, kEnter = 13, kUp = 38, kDown = 40, kShift = 1;

class KeyboardTest : public SetupTest {
 protected:
  // Where the focus goes over `count` presses of Tab (or Shift+Tab).
  std::vector<std::string> TabCycle(int count, int shift = 0) {
    std::vector<std::string> visited;
    for (int i = 0; i < count; ++i) {
      windows.KeyDown(kTab, shift);
      visited.push_back(windows.FocusedControl());
    }
    return visited;
  }
};

TEST_F(KeyboardTest, TheHubCyclesItsButtonsInCreationOrderBothWays) {
  EXPECT_EQ(windows.FocusedControl(), "Command5") << "the first button has the focus first";
  EXPECT_EQ(TabCycle(9), (std::vector<std::string>{"Command8", "Command1", "Command2", "Command3", "Command4",
                                                   "Command6", "Command7", "Command9", "Command5"}));
  EXPECT_EQ(TabCycle(3, kShift), (std::vector<std::string>{"Command9", "Command7", "Command6"}));
}

TEST_F(KeyboardTest, TheOptionsDialogCyclesWithTheGroupAsOneStopAndArrowsSelect) {
  windows.Click("Command1");
  EXPECT_EQ(windows.FocusedControl(), "Option1") << "the selected option has the focus first";
  EXPECT_EQ(TabCycle(7), (std::vector<std::string>{"Text1", "Check1", "Command1", "Command2", "Command3",
                                                   "Option1", "Text1"}));
  EXPECT_EQ(TabCycle(2, kShift), (std::vector<std::string>{"Option1", "Command3"}));

  windows.KeyDown(kTab);
  windows.KeyDown(kDown);
  EXPECT_EQ(windows.FocusedControl(), "Option2");
  EXPECT_TRUE(Shown("Form2", "Option2").checked);
  EXPECT_FALSE(Shown("Form2", "Option1").checked);
  EXPECT_EQ(TabCycle(1, kShift), (std::vector<std::string>{"Command3"}));
  EXPECT_EQ(TabCycle(1), (std::vector<std::string>{"Option2"})) << "Tab lands on the selected option";
  windows.KeyDown(kDown);
  EXPECT_EQ(windows.FocusedControl(), "Option1") << "the arrows wrap round the group";
  windows.KeyDown(kUp);
  EXPECT_TRUE(Shown("Form2", "Option2").checked);

  windows.KeyDown(kTab);
  windows.KeyDown(kTab);
  windows.KeyDown(' ');
  windows.KeyDown(kDown);
  EXPECT_EQ(windows.FocusedControl(), "Check1") << "arrows do not leave the check box";
}

TEST_F(KeyboardTest, TheInformationWindowKeepsTheFocusOnItsButton) {
  windows.Click("Command6");
  EXPECT_EQ(windows.FocusedControl(), "Command1");
  EXPECT_EQ(TabCycle(2), (std::vector<std::string>{"Command1", "Command1"}));
  EXPECT_EQ(TabCycle(1, kShift), (std::vector<std::string>{"Command1"}));
  windows.Click("Label2");
  windows.Click("Label1");
  windows.KeyDown(kEnter);
  EXPECT_EQ(windows.FindForm("Form4"), nullptr) << "Enter after clicking the text presses OK!";
}

TEST_F(KeyboardTest, TypingAfterTheDelayMessageGoesOnInTheDelayBox) {
  windows.Click("Command1");
  windows.KeyDown(kTab);
  windows.TypeInto("Text1", "");
  windows.TypeCharacter('1');
  windows.PressAccelerator('o');
  ASSERT_EQ(services.message_boxes.back().title, "Zorbel Joke Screensaver Error!");
  EXPECT_EQ(windows.FocusedControl(), "Text1") << "Alt+O pressed OK without taking the focus";
  windows.TypeCharacter('5');
  EXPECT_EQ(Shown("Form2", "Text1").text, "15");
  windows.KeyDown(kEnter);
  EXPECT_TRUE(windows.FindForm("Form2") != nullptr) << "Enter in the text box presses nothing";
}

TEST_F(KeyboardTest, TheFocusComesBackWhenABoxTheDialogOrAnotherWindowCloses) {
  windows.KeyDown(kTab, kShift);
  windows.KeyDown(kEnter);  // Command9: its message box, then the page
  EXPECT_EQ(services.message_boxes.back().title, "Zorbel Joke SS");
  EXPECT_EQ(windows.FocusedControl(), "Command9");

  windows.Click("Command1");
  windows.Click("Command3");
  EXPECT_EQ(windows.ActiveFormName(), "Form3");
  EXPECT_EQ(windows.FocusedControl(), "Command1") << "the button that opened the dialog";

  windows.Click("Command7");
  EXPECT_EQ(windows.ActiveFormName(), "Form4");
  windows.Activate("Form3");
  EXPECT_EQ(windows.FocusedControl(), "Command7");
  windows.Activate("Form4");
  EXPECT_EQ(windows.FocusedControl(), "Command1");
  windows.KeyDown(kEnter);
  EXPECT_EQ(windows.ActiveFormName(), "Form3");
  EXPECT_EQ(windows.FocusedControl(), "Command7");
}

TEST_F(KeyboardTest, ALinkOpensOnlyWhenPressedAndReleasedOnIt) {
  windows.Press("Label18");
  windows.Release("Label17");
  windows.Press("Label18");
  windows.Release();
  windows.Press("Label17");
  windows.Release("Label18");
  EXPECT_TRUE(services.shell_requests.empty());
  windows.Click("Label18");
  ASSERT_EQ(services.shell_requests.size(), 1u);
  EXPECT_EQ(services.shell_requests[0].file, Address("/zorbel/bounce.cgi?where=home"));

  windows.Press("Command5");
  windows.Release("Command8");
  EXPECT_EQ(services.shell_requests.size(), 1u) << "a button slid off is not clicked either";

  windows.Click("Command1");
  windows.Press("Label13");
  windows.Release("Label12");
  EXPECT_EQ(services.message_boxes.size(), 1u) << "only the beta notice";
}

}  // namespace
