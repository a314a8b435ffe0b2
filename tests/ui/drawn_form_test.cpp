// The drawn toolkit's forms on a recording canvas: what is painted in what order, in which
// boxes and clips; labels wrapped, aligned and laid out only as far as they show; a window
// that shows its form smaller; and which control a place in the window hits.
#include <gtest/gtest.h>

#include "tests/support/recording_canvas.h"
#include "ui/design_builders.h"
#include "ui/drawn/drawn_form.h"

namespace {

using Calls = std::vector<std::string>;
constexpr Color kNavy{0, 0, 128};
constexpr Color kPale{255, 255, 192};
// 9 points: 12 pixels at 96 dots per inch, a character 6 pixels wide and a line 14 high.
const FontSpec kTwelvePixels{"Arial", 9, false, false};

struct NullSink : FormEventSink {
  void HandleEvent(const UiEvent&) override {}
  bool HandleDialogKey(int, Key, int) override { return false; }
  void HandleFocusArrived(int) override {}
  void HandleActivated() override {}
};

// In pixels at 96 dots per inch (15 twips each): 0 a pale panel 200x100 at 10,10; 1 a round
// box 40x40 at 20,20 in it; 2 a label 200x40 at 0,90 in it, which the panel cuts to 10
// rows; 3 a hidden panel; 4 a label in the hidden panel; 5 a timer.
FormDesign Panels() {
  using namespace design;
  FormDesign form = Window("Panels", "Panels", 9600, 7200, BorderStyle::kNone);
  form.back_color = kNavy;
  form.controls.push_back(Panel("Back", "", {150, 150, 3000, 1500}, kPale));
  form.controls.push_back(Panel("Disc", "Back", {300, 300, 600, 600}, kWhite));
  form.controls.back().round = true;
  form.controls.push_back(design::Label("Caption", "Back", {0, 1350, 3000, 600}, "one two three", kTwelvePixels, kRed));
  form.controls.push_back(Panel("Hidden", "", {0, 0, 1500, 1500}, kGreen));
  form.controls.back().visible = false;
  form.controls.push_back(design::Label("Inside", "Hidden", {0, 0, 1500, 1500}, "never", kTwelvePixels));
  form.controls.push_back(design::Timer("Tick", 100, true));
  return form;
}

// One transparent label 60 pixels wide and `height_twips` high at the form's top left.
FormDesign OneLabel(const std::string& text, TextAlignment alignment, int height_twips = 1500) {
  FormDesign form = design::Window("Label", "Label", 9600, 7200, BorderStyle::kNone);
  form.controls.push_back(design::Label("Text", "", {0, 0, 900, height_twips}, text, kTwelvePixels, design::kBlack, alignment));
  return form;
}

struct Painted {
  explicit Painted(const FormDesign& design, int width = 640, int height = 480, double scale = 1)
      : form(design, sink, 96) {
    form.SetWindowSize(width, height);
    form.SetScale(scale);
  }
  Calls Paint() {
    canvas.calls.clear();
    form.Paint(canvas, text);
    return canvas.calls;
  }
  NullSink sink;
  DrawnForm form;
  RecordingCanvas canvas;
  RecordingText text;
};

TEST(DrawnPainting, TheBackgroundThenEachShownControlInCreationOrderEachClippedByItsContainers) {
  Painted painted(Panels());
  EXPECT_EQ(painted.Paint(), (Calls{
                                 "box (0,0,128) 640x480+0+0",
                                 "box (255,255,192) 200x100+10+10",
                                 "clip 40x40+30+30",
                                 "disc (255,255,255) 40x40+30+30",
                                 "unclip",
                                 // A transparent label fills nothing; the panel cuts it to its last 10 rows.
                                 "clip 200x10+10+100",
                                 "text \"one two three\" (255,0,0) at 10,100",
                                 "unclip",
                             }));
  EXPECT_FALSE(painted.form.dirty);
}

TEST(DrawnPainting, LabelsWrapBetweenWordsAndAlignEachLine) {
  // "aaaa bbbb" is 54 pixels of the label's 60, "cccc" 24.
  EXPECT_EQ(Painted(OneLabel("aaaa bbbb cccc", TextAlignment::kLeft)).Paint(),
            (Calls{"box (255,255,255) 640x480+0+0", "clip 60x100+0+0",
                   "text \"aaaa bbbb\" (0,0,0) at 0,0", "text \"cccc\" (0,0,0) at 0,14", "unclip"}));
  const Calls centred = Painted(OneLabel("aaaa bbbb cccc", TextAlignment::kCenter)).Paint();
  EXPECT_EQ(centred[2], "text \"aaaa bbbb\" (0,0,0) at 3,0");
  EXPECT_EQ(centred[3], "text \"cccc\" (0,0,0) at 18,14");
  const Calls right = Painted(OneLabel("aaaa bbbb cccc", TextAlignment::kRight)).Paint();
  EXPECT_EQ(right[2], "text \"aaaa bbbb\" (0,0,0) at 6,0");
  EXPECT_EQ(right[3], "text \"cccc\" (0,0,0) at 36,14");
  // Line breaks of every kind, and prefix marks: "&&" shows one ampersand.
  const Calls marked = Painted(OneLabel("a&&b\r\n&c\nd", TextAlignment::kLeft)).Paint();
  EXPECT_EQ(Calls(marked.begin() + 2, marked.end() - 1),
            (Calls{"text \"a&b\" (0,0,0) at 0,0", "text \"c\" (0,0,0) at 0,14", "text \"d\" (0,0,0) at 0,28"}));
}

TEST(DrawnPainting, OnlyTheLinesThatShowAreLaidOutAndAnUnchangedLabelIsNotLaidOutAgain) {
  std::string many;
  for (int i = 0; i < 500; ++i) many += "line\r\n";
  // 20 pixels high: the second line starts within it, the third below it.
  Painted painted(OneLabel(many, TextAlignment::kLeft, 300));
  const Calls calls = painted.Paint();
  EXPECT_EQ(std::count_if(calls.begin(), calls.end(), [](const std::string& call) { return call.starts_with("text"); }), 2);
  const int laid_out = painted.text.laid_out;
  EXPECT_LE(laid_out, 4);
  EXPECT_EQ(painted.Paint(), calls);
  EXPECT_EQ(painted.text.laid_out, laid_out);
}

TEST(DrawnPainting, AWindowShowingTheFormSmallerDrawsAMiniatureOfTheSameLayout) {
  const Calls full = Painted(OneLabel("aaaa bbbb cccc", TextAlignment::kCenter)).Paint();
  const Calls small = Painted(OneLabel("aaaa bbbb cccc", TextAlignment::kCenter), 320, 240, 0.5).Paint();
  ASSERT_EQ(small.size(), full.size() + 3);
  EXPECT_EQ(small[0], "box (255,255,255) 320x240+0+0");
  EXPECT_EQ(small[1], "scaled 640x480");
  // Inside the picture everything is as at full size: the text wraps into the same lines.
  EXPECT_EQ(Calls(small.begin() + 2, small.end() - 1), full);
  EXPECT_EQ(small.back(), "end scaled 0.500000");
  EXPECT_EQ(Painted(OneLabel("x", TextAlignment::kLeft), 320, 240, 0.5).form.ClientSize(), (TwipSize{9600, 7200}));
}

TEST(DrawnHitTesting, TheTopmostShownControlWhoseVisiblePartHoldsThePlace) {
  Painted painted(Panels());
  const DrawnForm& form = painted.form;
  EXPECT_EQ(form.HitTest(40, 40), 1);    // the disc's box, over the panel
  EXPECT_EQ(form.HitTest(12, 12), 0);    // the panel
  EXPECT_EQ(form.HitTest(15, 105), 2);   // the label, where the panel shows it
  EXPECT_EQ(form.HitTest(15, 115), UiEvent::kFormItself);  // the label's part the panel cuts off
  EXPECT_EQ(form.HitTest(5, 5), UiEvent::kFormItself);     // the hidden panel and its label
  EXPECT_EQ(form.HitTest(210, 110), UiEvent::kFormItself);  // just past the panel's corner
  Painted small(Panels(), 320, 240, 0.5);
  EXPECT_EQ(small.form.HitTest(20, 20), 1);  // 40,40 of the design
  EXPECT_EQ(small.form.HitTest(105, 55), UiEvent::kFormItself);
}

TEST(DrawnHitTesting, AReleaseBelongsToThePressedControlOnlyWithinItAndPlacesAreInItsTwips) {
  Painted painted(Panels());
  DrawnForm& form = painted.form;
  const UiEvent press = form.PointerPressed(40, 41, 1, 0);
  EXPECT_EQ(press.kind, EventKind::kMouseDown);
  EXPECT_EQ(press.control, 1);
  EXPECT_EQ(press.x, 150);  // 10 pixels into the disc's box
  EXPECT_EQ(press.y, 165);
  EXPECT_EQ(form.PointerReleased(69, 69, 1, 0).control, 1);
  EXPECT_EQ(form.PointerReleased(70, 69, 1, 0).control, UiEvent::kElsewhere);
  form.PointerPressed(300, 300, 2, 0);
  const UiEvent background = form.PointerReleased(600, 20, 2, 0);
  EXPECT_EQ(background.control, UiEvent::kFormItself);
  EXPECT_EQ(background.x, 9000);
  EXPECT_EQ(form.PointerReleased(700, 20, 2, 0).control, UiEvent::kElsewhere);
  const UiEvent move = form.PointerMoved(15, 105, 1, 2);
  EXPECT_EQ(move.control, 2);
  EXPECT_EQ(move.y, 75);
  EXPECT_EQ(move.buttons, 1);
  EXPECT_EQ(move.shift, 2);
}

TEST(DrawnForms, AMiniatureIsTheWindowsShareOfItsMonitorAndNeverLarger) {
  EXPECT_DOUBLE_EQ(MiniatureScale(320, 240, 1024, 768), 0.3125);
  EXPECT_DOUBLE_EQ(MiniatureScale(320, 600, 1024, 768), 0.3125);  // the narrower share
  EXPECT_DOUBLE_EQ(MiniatureScale(1024, 768, 1024, 768), 1);
  EXPECT_DOUBLE_EQ(MiniatureScale(2048, 1536, 1024, 768), 1);
  EXPECT_DOUBLE_EQ(MiniatureScale(0, 240, 1024, 768), 1);
}

TEST(DrawnForms, AWindowIsAMiniatureOfTheMonitorHoldingItsMiddleAndHasAnAreaOnEachMonitorItReaches) {
  Painted preview(OneLabel("x", TextAlignment::kLeft), 320, 240);
  DrawnForm& form = preview.form;
  form.FitToMonitors({{-100, -50, 1024, 768}, {924, 0, 1920, 1080}}, 640, 480);
  EXPECT_DOUBLE_EQ(form.scale(), 0.3125);
  EXPECT_EQ(form.MonitorAreasOf({{-100, -50, 1024, 768}, {924, 0, 1920, 1080}}),
            std::vector<TwipRect>{(TwipRect{0, 0, 15360, 11520})});
  form.FitToMonitors({{-1000, 0, 1024, 768}, {24, 0, 1920, 1080}}, 640, 480);
  EXPECT_DOUBLE_EQ(form.scale(), 320.0 / 1920);  // the narrower share
  form.FitToMonitors({}, 640, 480);
  EXPECT_DOUBLE_EQ(form.scale(), 0.5);
  EXPECT_EQ(form.MonitorAreasOf({}), std::vector<TwipRect>{});

  // A window of its own across two monitors, at full size.
  Painted screen(OneLabel("x", TextAlignment::kLeft), 640, 480);
  EXPECT_EQ(screen.form.MonitorAreasOf({{-100, 0, 400, 480}, {300, 0, 1000, 480}}),
            (std::vector<TwipRect>{{0, 0, 4500, 7200}, {4500, 0, 5100, 7200}}));
}

}  // namespace
