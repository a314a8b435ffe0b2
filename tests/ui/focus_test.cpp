// The focus rules and the dialog keys on made-up designs: which controls are stops and in
// what order, option groups as one stop, what each key does, and clicks that need a press
// and a release over the same control.
#include <gtest/gtest.h>

#include "ui/click_tracker.h"
#include "ui/design_builders.h"
#include "ui/dialog_keys.h"

namespace {

constexpr Key kTab = Key::kTab, kEnter = Key::kEnter, kLeft = Key::kLeft, kUp = Key::kUp, kRight = Key::kRight,
              kDown = Key::kDown;
constexpr int kShift = 1, kCtrl = 2, kAlt = 4;

// 0 Label, 1 Frame, 2 Option A, 3 Option B, 4 Text, 5 Check "&Medical", 6 Button "&Go",
// 7 Button "Stop", 8 Option C in another frame, 9 that Frame.
FormDesign Dialog() {
  using namespace design;
  using design::Control, design::Label;  // the builders, not the live controls
  FormDesign form = Window("Dialog", "Dialog", 4000, 4000, BorderStyle::kSizable);
  auto& c = form.controls;
  c.push_back(Label("Label", "", {}, "&& no key"));
  c.push_back(Control("Frame", ControlKind::kFrame, "", {}));
  c.push_back(Control("OptionA", ControlKind::kOptionButton, "Frame", {}, "A"));
  c.push_back(Control("OptionB", ControlKind::kOptionButton, "Frame", {}, "B"));
  c.push_back(Control("Text", ControlKind::kTextBox, "", {}));
  c.push_back(Control("Check", ControlKind::kCheckBox, "", {}, "&Medical"));
  c.push_back(Control("Go", ControlKind::kCommandButton, "", {}, "&Go"));
  c.push_back(Control("Stop", ControlKind::kCommandButton, "", {}, "Stop"));
  c.push_back(Control("OptionC", ControlKind::kOptionButton, "Other", {}, "C"));
  c.push_back(Control("Other", ControlKind::kFrame, "", {}));
  return form;
}

std::vector<FocusFacts> Facts(int selected_option = 2) {
  std::vector<FocusFacts> facts(Dialog().controls.size());
  facts[selected_option].selected = true;
  return facts;
}

DialogKeyAction Press(int focused, Key key, int shift = 0, const std::vector<FocusFacts>& facts = Facts()) {
  const std::optional<DialogKeyAction> action = DialogKey(Dialog(), facts, focused, key, shift);
  EXPECT_TRUE(action.has_value()) << "key " << static_cast<int>(key) << " from " << focused;
  return action.value_or(DialogKeyAction{-99, -99});
}

TEST(FocusOrder, StopsFollowTabIndexThenCreationAndSkipWhatCannotBeSeen) {
  const FormDesign design = Dialog();
  EXPECT_EQ(FocusStops(design, Facts()),
            (std::vector<std::vector<int>>{{2, 3}, {4}, {5}, {6}, {7}, {8}}))
      << "labels and frames take no focus; one group per container";

  FormDesign reordered = design;
  reordered.controls[7].tab_index = 0;
  reordered.controls[3].tab_index = 1;
  reordered.controls[2].tab_index = 2;
  EXPECT_EQ(FocusStops(reordered, Facts()),
            (std::vector<std::vector<int>>{{4}, {5}, {6}, {8}, {7}, {3, 2}}))
      << "unset ones first in creation order, then by tab index; the group where its first option stands";

  std::vector<FocusFacts> facts = Facts();
  facts[6].visible = false;  // Go hidden
  facts[9].visible = false;  // the frame holding Option C hidden
  EXPECT_EQ(FocusStops(design, facts), (std::vector<std::vector<int>>{{2, 3}, {4}, {5}, {7}}));
}

TEST(FocusOrder, TheFirstFocusIsTheFirstStopOnItsSelectedOptionAndAFormWithoutStopsTakesNoKey) {
  EXPECT_EQ(FirstFocus(Dialog(), Facts(2)), 2);
  EXPECT_EQ(FirstFocus(Dialog(), Facts(3)), 3);
  FormDesign labels_only = Dialog();
  labels_only.controls.resize(2);
  EXPECT_EQ(FirstFocus(labels_only, std::vector<FocusFacts>(2)), -1);
  for (Key key : {kTab, kEnter, kDown, LetterKey('G')}) {
    EXPECT_FALSE(DialogKey(labels_only, std::vector<FocusFacts>(2), -1, key, key == LetterKey('G') ? kAlt : 0)) << static_cast<int>(key);
  }
}

TEST(DialogKeys, TabAndShiftTabGoRoundTheStopsBothWays) {
  std::vector<int> forwards{Press(-1, kTab).focus};
  while (forwards.size() < 8) forwards.push_back(Press(forwards.back(), kTab).focus);
  EXPECT_EQ(forwards, (std::vector<int>{2, 4, 5, 6, 7, 8, 2, 4}));
  std::vector<int> backwards{Press(-1, kTab, kShift).focus};
  while (backwards.size() < 8) backwards.push_back(Press(backwards.back(), kTab, kShift).focus);
  EXPECT_EQ(backwards, (std::vector<int>{8, 7, 6, 5, 4, 2, 8, 7}));

  EXPECT_EQ(Press(3, kTab, 0, Facts(3)).focus, 4) << "from a group, on past the whole group";
  EXPECT_EQ(Press(4, kTab, kShift, Facts(3)).focus, 3) << "into a group, onto its selected option";
  EXPECT_EQ(Press(5, kTab).press, -1) << "Tab clicks nothing";
  EXPECT_FALSE(DialogKey(Dialog(), Facts(), 5, kTab, kCtrl)) << "Ctrl+Tab is not Tab";
}

TEST(DialogKeys, ArrowsMoveThroughAnOptionGroupAndSelectButLeaveOtherControls) {
  EXPECT_EQ(Press(2, kDown), (DialogKeyAction{3, 3}));
  EXPECT_EQ(Press(2, kRight), (DialogKeyAction{3, 3}));
  EXPECT_EQ(Press(3, kDown, 0, Facts(3)), (DialogKeyAction{2, 2})) << "wraps round";
  EXPECT_EQ(Press(3, kUp, 0, Facts(3)), (DialogKeyAction{2, 2}));
  EXPECT_EQ(Press(2, kLeft), (DialogKeyAction{3, 3}));
  EXPECT_EQ(Press(8, kDown, 0, Facts(8)), (DialogKeyAction{-1, 8})) << "a group of one stays";
  EXPECT_EQ(Press(6, kDown), (DialogKeyAction{})) << "a button keeps the focus";
  EXPECT_EQ(Press(5, kUp), (DialogKeyAction{}));
  EXPECT_FALSE(DialogKey(Dialog(), Facts(), 4, kLeft, 0)) << "the text box moves its caret";
  EXPECT_FALSE(DialogKey(Dialog(), Facts(), -1, kDown, 0));
}

TEST(DialogKeys, EnterPressesTheFocusedButtonAndAltPressesTheMarkedOne) {
  EXPECT_EQ(Press(7, kEnter), (DialogKeyAction{7, -1}));
  EXPECT_EQ(Press(4, kEnter), (DialogKeyAction{})) << "no default button: Enter in the text box does nothing";
  EXPECT_EQ(Press(4, LetterKey('G'), kAlt), (DialogKeyAction{6, -1})) << "a button is pressed and the focus stays";
  EXPECT_EQ(Press(4, LetterKey('M'), kAlt), (DialogKeyAction{5, 5})) << "the check box takes the focus and is clicked";
  EXPECT_FALSE(DialogKey(Dialog(), Facts(), 4, LetterKey('N'), kAlt)) << "\"&&\" marks no letter";
  EXPECT_FALSE(DialogKey(Dialog(), Facts(), 4, LetterKey('X'), kAlt));
  EXPECT_FALSE(DialogKey(Dialog(), Facts(), 4, LetterKey('G'), kAlt | kCtrl));
}

TEST(ClickTracker, AClickIsAPressAndAReleaseOfOneButtonOverOneControl) {
  ClickTracker tracker;
  auto event = [](EventKind kind, int control, int buttons) {
    UiEvent e{kind, control};
    e.buttons = buttons;
    return e;
  };
  EXPECT_FALSE(tracker.Track(event(EventKind::kMouseDown, 3, 1)));
  const std::optional<UiEvent> click = tracker.Track(event(EventKind::kMouseUp, 3, 1));
  ASSERT_TRUE(click);
  EXPECT_EQ(click->kind, EventKind::kClick);
  EXPECT_EQ(click->control, 3);

  tracker.Track(event(EventKind::kMouseDown, 3, 1));
  EXPECT_FALSE(tracker.Track(event(EventKind::kMouseUp, UiEvent::kElsewhere, 1))) << "slid off";
  EXPECT_FALSE(tracker.Track(event(EventKind::kMouseUp, 3, 1))) << "a release without its press";
  tracker.Track(event(EventKind::kMouseDown, 3, 2));
  EXPECT_FALSE(tracker.Track(event(EventKind::kMouseUp, 3, 1))) << "another button";
}

}  // namespace
