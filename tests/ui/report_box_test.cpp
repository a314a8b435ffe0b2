// The report box's layout on the recording home: its text wrapped to a share of the window,
// the icon its style asks for, the box centred, and made smaller only where it does not fit.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/support/recording_canvas.h"
#include "ui/design_builders.h"
#include "ui/drawn/report_box.h"
#include "ui/drawn/text_layout.h"
#include "ui/services.h"

namespace {

struct QuietSink : FormEventSink {
  void HandleEvent(const UiEvent&) override {}
  bool HandleDialogKey(int, Key, int) override { return false; }
  void HandleFocusArrived(int) override {}
  void HandleActivated() override {}
};

// The message face is 12 pixels at 96 dots per inch: a character 6 pixels wide.
const std::string kLong =
    "You may not have installed the screensaver properly. Please review the installation instructions provided, "
    "or check out our web site at Salt & Vinegar for the latest copy of the jokes and the program itself.";

struct LaidOut {
  LaidOut(int width, int height, MessageBoxKind kind, const std::string& text = kLong) : form(Report(), sink, 96) {
    form.SetWindowSize(width, height);
    LayOutReportBox(form, {"D'oh! An error occurred", text, kind}, measurer);
  }
  static FormDesign Report() {
    FormDesign window = design::Window("Report", "", 0, 0, BorderStyle::kNone);
    window.back_color = design::kBlack;
    return window;
  }
  const DrawnControl* Find(const std::function<bool(const DrawnControl&)>& wanted) const {
    const auto found = std::find_if(form.controls().begin(), form.controls().end(), wanted);
    return found == form.controls().end() ? nullptr : &*found;
  }
  const DrawnControl& Text() const {
    return *Find([](const DrawnControl& c) { return c.kind == ControlKind::kLabel && c.text.starts_with("You"); });
  }
  QuietSink sink;
  DrawnForm form;
  RecordingText measurer;
};

TEST(ReportBox, TheTextWrapsWithinEightTenthsOfTheWindowAndShowsEveryAmpersand) {
  const LaidOut report(1024, 768, MessageBoxKind::kInformation);
  const std::string& text = report.Text().text;
  const std::vector<std::string_view> lines = SplitLines(text);
  ASSERT_GT(lines.size(), 1u);
  for (const std::string_view line : lines) {
    EXPECT_LE(WithoutPrefixMarks(line).size() * 6, 819u) << line;
  }
  EXPECT_NE(text.find("Salt && Vinegar"), std::string::npos);
  EXPECT_EQ(WithoutPrefixMarks(text).find("Salt & Vinegar") != std::string::npos, true);
  EXPECT_EQ(report.form.scale(), 1);
}

TEST(ReportBox, TheIconIsTheStylesDiscAndAPlainBoxHasNone) {
  const auto disc = [](const DrawnControl& c) { return c.kind == ControlKind::kPictureBox && c.round; };
  const LaidOut information(1024, 768, MessageBoxKind::kInformation);
  ASSERT_NE(information.Find(disc), nullptr);
  EXPECT_EQ(information.Find(disc)->back_color, (Color{0, 120, 215}));
  EXPECT_NE(information.Find([](const DrawnControl& c) { return c.text == "i"; }), nullptr);
  const LaidOut stop(1024, 768, MessageBoxKind::kStop);
  EXPECT_EQ(stop.Find(disc)->back_color, (Color{232, 17, 35}));
  const LaidOut plain(1024, 768, MessageBoxKind::kPlain);
  EXPECT_EQ(plain.Find(disc), nullptr);
  // Without the icon the text starts further left.
  EXPECT_LT(plain.Text().bounds.left, information.Text().bounds.left);
}

TEST(ReportBox, TheBoxIsCentredAndMadeSmallerOnlyWhereItDoesNotFit) {
  const LaidOut full(1024, 768, MessageBoxKind::kStop);
  const DrawnControl& frame = full.form.controls().front();
  const TwipSize client = full.form.ClientSize();
  EXPECT_EQ(frame.bounds.left, (client.width - frame.bounds.width) / 2);
  EXPECT_EQ(frame.bounds.top, (client.height - frame.bounds.height) / 2);

  const LaidOut small(320, 240, MessageBoxKind::kStop);
  ASSERT_LT(small.form.scale(), 1);
  // Drawn smaller, the box takes at most 95 % of the window either way, and touches that
  // margin one way.
  const TwipRect box = small.form.controls().front().bounds;
  const double width_share = small.form.ToPixels(box.width) * small.form.scale() / 320;
  const double height_share = small.form.ToPixels(box.height) * small.form.scale() / 240;
  EXPECT_LE(width_share, 0.951);
  EXPECT_LE(height_share, 0.951);
  EXPECT_GT(std::max(width_share, height_share), 0.94);
  // And it is still centred in the window.
  const PixelBox placed = small.form.BoxOf(0);
  EXPECT_NEAR((placed.left * 2 + placed.width) * small.form.scale(), 320, 2);
  EXPECT_NEAR((placed.top * 2 + placed.height) * small.form.scale(), 240, 2);
}

TEST(ReportBox, LaidOutAgainForANewSizeItKeepsTheFormsBackground) {
  LaidOut report(1024, 768, MessageBoxKind::kStop);
  report.form.SetWindowSize(320, 240);
  LayOutReportBox(report.form, {"Title", "Short", MessageBoxKind::kStop}, report.measurer);
  RecordingCanvas canvas;
  report.form.Paint(canvas, report.measurer);
  EXPECT_EQ(canvas.calls.front(), "box (0,0,0) 320x240+0+0");
  EXPECT_EQ(report.form.scale(), 1);
}

}  // namespace

namespace {

TEST(ReportBox, ShownInPlaceOfEveryFormItIsLaidOutAgainForANewSizeAndAKeyOrAClickClosesItOnce) {
  for (const bool by_key : {false, true}) {
    RecordingHome home;
    home.window_width = 1024;
    home.window_height = 768;
    QuietSink form_sink;
    home.CreateForm(LaidOut::Report(), form_sink);
    int closed = 0;
    const FormHandle box = home.ShowReportBox({"D'oh!", kLong, MessageBoxKind::kStop}, [&] { ++closed; });
    EXPECT_EQ(home.windows, (std::vector<std::string>{"opened 1", "closed 1", "opened 2", "shown 2"}));
    EXPECT_EQ(home.FormAt(box).scale(), 1);
    home.WindowResized(box, 320, 240);
    EXPECT_LT(home.FormAt(box).scale(), 1);
    const TwipRect frame = home.FormAt(box).controls().front().bounds;
    EXPECT_EQ(frame.left, (home.ClientSize(box).width - frame.width) / 2);
    home.PointerMoved(box, 10, 10, 10, 10, 0, 0);
    EXPECT_EQ(closed, 0);
    if (by_key) home.KeyWentDown(box, LetterKey('Q'), 0, 'q');
    else home.PointerPressed(box, 10, 10, 2, 0);
    EXPECT_EQ(closed, 1) << (by_key ? "key" : "click");
    // A second press, or the window going, finds the box closed already.
    home.KeyWentDown(box, Key::kSpace, 0, ' ');
    home.PointerPressed(box, 10, 10, 1, 0);
    home.CloseReportBox();
    EXPECT_EQ(closed, 1) << (by_key ? "key" : "click");
  }
}

TEST(ReportBox, ClosedByTheHomeWhatFollowsRunsOnceAndMayShowAnotherBox) {
  RecordingHome home;
  home.CloseReportBox();  // none open: nothing
  int first = 0;
  int second = 0;
  FormHandle second_box = 0;
  home.ShowReportBox({"First", "One", MessageBoxKind::kPlain}, [&] {
    ++first;
    second_box = home.ShowReportBox({"Second", "Two", MessageBoxKind::kPlain}, [&] { ++second; });
  });
  home.CloseReportBox();
  EXPECT_EQ(first, 1);
  EXPECT_EQ(second, 0);
  // The second box's window hears keys as the first's did.
  ASSERT_NE(second_box, 0);
  home.KeyWentDown(second_box, Key::kEnter, 0, 0);
  home.CloseReportBox();
  EXPECT_EQ(first, 1);
  EXPECT_EQ(second, 1);
}

}  // namespace
