// The drawn toolkit's window system on a home of the test's own: the focus and the dialog
// keys, a modal form holding its owner's input, timers on the home's clock, a window the
// home refuses, repainting only what changed, and text measured as a label sizes itself.
#include <gtest/gtest.h>

#include "tests/support/recording_canvas.h"
#include "ui/design_builders.h"

namespace {


// Writes down what the form hears; takes Tab as a dialog key, as a dialog would.
struct HeardSink : FormEventSink {
  void HandleEvent(const UiEvent& event) override {
    static const char* kinds[] = {"click", "move", "key", "char", "timer", "close", "down", "up", "lost"};
    heard.push_back(std::string(kinds[static_cast<int>(event.kind)]) + " " + std::to_string(event.control) + " " +
                    std::to_string(event.kind == EventKind::kKeyPress ? event.character : static_cast<int>(event.key)));
    if (on_event) on_event(event);
  }
  bool HandleDialogKey(int focused, Key key, int) override {
    heard.push_back("dialog key " + std::to_string(static_cast<int>(key)) + " at " + std::to_string(focused));
    return key == Key::kTab;
  }
  void HandleFocusArrived(int control) override { heard.push_back("focus " + std::to_string(control)); }
  void HandleActivated() override { heard.push_back("activated"); }
  std::vector<std::string> heard;
  std::function<void(const UiEvent&)> on_event;
};

// 0 a label, 1 a button, 2 and 3 timers.
FormDesign TimedDialog(const char* name) {
  using namespace design;
  FormDesign form = Window(name, name, 4500, 3000, BorderStyle::kFixedDialog);
  form.controls.push_back(design::Label("Label", "", {0, 0, 1500, 300}, "&Name"));
  form.controls.push_back(Control("Go", ControlKind::kCommandButton, "", {1500, 0, 1500, 300}, "Go"));
  form.controls.push_back(design::Timer("Slow", 0, false));
  form.controls.push_back(design::Timer("Fast", 0, false));
  return form;
}

using Heard = std::vector<std::string>;

TEST(DrawnWindowSystem, KeysGoToTheDialogKeysWithTheFocusedControlAndActivationPutsTheFocusOnTheWindow) {
  RecordingHome home;
  HeardSink sink;
  const FormHandle form = home.CreateForm(TimedDialog("Dialog"), sink);
  home.SetFocus(form, 1);
  home.KeyWentDown(form, LetterKey('A'), 0, 'a');
  home.KeyWentDown(form, Key::kTab, 0, '\t');
  home.WindowActivated(form);
  home.KeyWentDown(form, LetterKey('B'), 0, 0);
  EXPECT_EQ(sink.heard, (Heard{"focus 1", "dialog key 65 at 1", "key -1 65", "char -1 97", "dialog key 9 at 1",
                               "activated", "dialog key 66 at -1", "key -1 66"}));
  EXPECT_THROW(home.SetFocus(form, 9), std::out_of_range);
  sink.heard.clear();
  home.SetFocus(form, UiEvent::kFormItself);
  EXPECT_EQ(sink.heard, Heard{});
}

TEST(DrawnWindowSystem, AModalFormKeepsEveryInputFromItsOwnerUntilItGoes) {
  RecordingHome home;
  HeardSink owner_sink;
  HeardSink modal_sink;
  const FormHandle owner = home.CreateForm(TimedDialog("Owner"), owner_sink);
  const FormHandle modal = home.CreateForm(TimedDialog("Modal"), modal_sink);
  home.ShowForm(owner);
  home.ShowModal(modal, owner);
  home.KeyWentDown(owner, LetterKey('A'), 0, 0);
  home.PointerPressed(owner, 5, 5, 1, 0);
  home.PointerMoved(owner, 6, 6, 106, 106, 0, 0);
  home.WindowActivated(owner);
  EXPECT_EQ(owner_sink.heard, Heard{});
  home.KeyWentDown(modal, LetterKey('A'), 0, 0);
  EXPECT_EQ(modal_sink.heard, (Heard{"dialog key 65 at -1", "key -1 65"}));
  home.DestroyForm(modal);
  home.PointerPressed(owner, 5, 5, 1, 0);
  EXPECT_EQ(owner_sink.heard, Heard{"down 0 0"});
  EXPECT_EQ(home.windows, (Heard{"opened 1", "opened 2", "shown 1", "shown 2", "closed 2"}));
  EXPECT_THROW(home.ShowModal(owner, modal), std::logic_error);
}

TEST(DrawnWindowSystem, APointerMovesOnlyWhenItsPlaceOnTheScreenChanges) {
  RecordingHome home;
  HeardSink sink;
  const FormHandle form = home.CreateForm(TimedDialog("Dialog"), sink);
  home.PointerSeenAt(form, 500, 400);
  // The window appearing under the still pointer: a place in the window, the same on the screen.
  home.PointerMoved(form, 20, 10, 500, 400, 0, 0);
  home.PointerMoved(form, 21, 10, 501, 400, 0, 0);
  // The window moved under the pointer: the window's place changed, the screen's did not.
  home.PointerMoved(form, 30, 30, 501, 400, 0, 0);
  home.PointerMoved(form, 101, 10, 581, 400, 1, 0);
  EXPECT_EQ(sink.heard, (Heard{"move 0 0", "move 1 0"}));
}

TEST(DrawnWindowSystem, ALateTimerTicksOnceAndCountsAgainFromThenAndAHandlerMayEndItsForm) {
  RecordingHome home;
  HeardSink sink;
  const FormHandle form = home.CreateForm(TimedDialog("Dialog"), sink);
  EXPECT_EQ(home.MillisecondsToNextTimer(), -1);
  home.SetTimer(form, 2, 100);
  home.now_ms = 40;
  home.SetTimer(form, 3, 30);
  EXPECT_EQ(home.MillisecondsToNextTimer(), 30);
  home.now_ms = 350;
  home.FireDueTimers();
  // In the order they fell due: 3 at 70, then 2 at 100.
  EXPECT_EQ(sink.heard, (Heard{"timer 3 0", "timer 2 0"}));
  EXPECT_EQ(home.MillisecondsToNextTimer(), 30);
  home.SetTimer(form, 3, 0);
  EXPECT_EQ(home.MillisecondsToNextTimer(), 100);
  home.now_ms = 500;
  EXPECT_EQ(home.MillisecondsToNextTimer(), 0);
  // A tick whose handler destroys the form: the form's other due timers tick no more.
  home.SetTimer(form, 3, 10);
  home.now_ms = 600;
  sink.heard.clear();
  sink.on_event = [&](const UiEvent&) { home.DestroyForm(form); };
  home.FireDueTimers();
  EXPECT_EQ(sink.heard, Heard{"timer 2 0"});
  EXPECT_FALSE(home.HasForms());
}

// A wake-up late enough to find both due: the timer due first ticks first even though it
// was created second, so a later one that stops it (a saver arming itself at 3.6 s and
// stopping its intro's end at 3.5 s) cannot keep it from ever ticking.
TEST(DrawnWindowSystem, TimersALateWakeUpFindsDueTickInTheOrderTheyFellDue) {
  RecordingHome home;
  HeardSink sink;
  const FormHandle form = home.CreateForm(TimedDialog("Dialog"), sink);
  home.SetTimer(form, 2, 3600);
  home.SetTimer(form, 3, 3500);
  sink.on_event = [&](const UiEvent& event) {
    if (event.control == 2) {
      home.SetTimer(form, 2, 0);
      home.SetTimer(form, 3, 0);
    }
  };
  home.now_ms = 4000;
  home.FireDueTimers();
  EXPECT_EQ(sink.heard, (Heard{"timer 3 0", "timer 2 0"}));
  EXPECT_EQ(home.MillisecondsToNextTimer(), -1);
}

TEST(DrawnWindowSystem, AWindowTheHomeRefusesLeavesNoFormBehind) {
  RecordingHome home;
  HeardSink sink;
  home.refuse_windows = true;
  EXPECT_THROW(home.CreateForm(TimedDialog("Dialog"), sink), std::runtime_error);
  EXPECT_FALSE(home.HasForms());
  home.refuse_windows = false;
  const FormHandle form = home.CreateForm(TimedDialog("Dialog"), sink);
  EXPECT_EQ(home.ClientSize(form), (TwipSize{9600, 7200}));
  home.DestroyForm(form);
  EXPECT_THROW(home.DestroyForm(form), std::logic_error);
}

TEST(DrawnWindowSystem, OnlyShownFormsThatChangedArePainted) {
  RecordingHome home;
  HeardSink sink;
  const FormHandle shown = home.CreateForm(TimedDialog("Shown"), sink);
  const FormHandle hidden = home.CreateForm(TimedDialog("Hidden"), sink);
  home.ShowForm(shown);
  home.windows.clear();
  home.PaintChangedForms();
  home.PaintChangedForms();
  home.SetControlText(hidden, 0, "changed");
  home.PaintChangedForms();
  home.SetControlVisible(shown, 0, false);
  home.SetTimer(shown, 2, 50);
  home.PaintChangedForms();
  // A hidden control's changes show nothing until it shows again.
  home.SetControlText(shown, 0, "unseen");
  home.SetControlVisible(shown, 0, false);
  home.PaintChangedForms();
  home.SetControlVisible(shown, 0, true);
  home.PaintChangedForms();
  EXPECT_EQ(home.windows, (Heard{"painted 1", "painted 1", "painted 1"}));
  EXPECT_EQ(home.ReadControlText(hidden, 0), "changed");
}

TEST(DrawnWindowSystem, TextIsMeasuredByItsWidestLineAndAllItsLinesWithoutPrefixMarks) {
  RecordingHome home;
  // 12 pixels: "Options" is 42 pixels wide, each line 14 high; 15 twips a pixel.
  const FontSpec font{"Arial", 9, false, false};
  EXPECT_EQ(home.MeasureText(font, "&Options\r\nab"), (TwipSize{630, 420}));
  EXPECT_EQ(home.MeasureText(font, ""), (TwipSize{0, 210}));
  // At 120 dots per inch the same points are 15 pixels, the same text 53 by 34: 636 by 408 twips.
  RecordingHome denser(120);
  EXPECT_EQ(denser.MeasureText(font, "&Options\r\nab"), (TwipSize{636, 408}));
}

}  // namespace
