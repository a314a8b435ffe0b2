// The toolkit on the headless platform: self-sizing labels, timers and their countdowns,
// handler dispatch, and a form unloaded by its own handler. (One instance per form, made on
// first use and afresh after an unload, is the setup windows' to show.)
#include <gtest/gtest.h>

#include <new>

#include "tests/support/failure_matchers.h"
#include "tests/support/headless_program.h"
#include "ui/design_builders.h"
#include "ui/form.h"
#include "ui/form_slot.h"
#include "ui/form_window.h"

namespace {

FormDesign TestDesign() {
  FormDesign form = design::Window("Test", "", 6000, 4000, BorderStyle::kSizable);
  ControlDesign fitted = design::Label("Fitted", "", {100, 200, 0, 0}, "abc", design::Font("Arial", 10));
  fitted.auto_size = true;
  form.controls = {design::Timer("Tick", 1000, true), fitted,
                   design::Control("Fixed", ControlKind::kLabel, "", {0, 0, 500, 300})};
  return form;
}

class TestForm : public Form {
 public:
  explicit TestForm(UiContext context) : Form(TestDesign(), context) {
    Bind(*this, {
        FORM_HANDLER(TestForm, Tick, Timer),
        FORM_HANDLER(TestForm, Fitted, Click),
        FORM_HANDLER(TestForm, Form, KeyDown),
    });
  }
  void Tick_Timer() { ticks.push_back(now()); }
  void Fitted_Click() {
    clicks.push_back("Fitted");
    if (on_click) on_click();
  }
  void Form_KeyDown(const UiEvent& event) { keys.push_back(event.key); }
  using Form::Bind;

  Label& Fitted() { return label("Fitted"); }
  Label& Fixed() { return label("Fixed"); }
  Timer& Tick() { return timer("Tick"); }

  std::function<long long()> now;
  std::vector<long long> ticks;
  std::vector<std::string> clicks;
  std::vector<Key> keys;
  std::function<void()> on_click;
};

// The toolkit may destroy a form's window behind the form's back, as a failure report does
// with every form; the form's window going afterwards must not throw out of its destructor.
TEST(FormWindowDeathTest, AWindowTheToolkitDestroyedAlreadyGoesQuietly) {
  struct QuietSink : FormEventSink {
    void HandleEvent(const UiEvent&) override {}
    bool HandleDialogKey(int, Key, int) override { return false; }
    void HandleFocusArrived(int) override {}
    void HandleActivated() override {}
  };
  EXPECT_EXIT(
      {
        HeadlessPlatform platform("/s", ".");
        QuietSink sink;
        {
          FormWindow window(platform.windows, TestDesign(), sink);
          platform.windows.DestroyForm(window.handle());
        }
        std::exit(0);
      },
      testing::ExitedWithCode(0), "");
}

class ToolkitTest : public ::testing::Test {
 protected:
  ToolkitTest() : form(platform.ui()) {
    form.now = [this] { return platform.windows.now_ms(); };
    form.Show();
  }
  HeadlessPlatform platform{"/s", "."};
  TestForm form;
};

TEST_F(ToolkitTest, SelfSizingLabelsFollowTextAndFontOthersKeepTheirDesignSize) {
  EXPECT_EQ(form.Fitted().bounds(), (TwipRect{100, 200, 300, 240}));
  form.Fitted().SetText("wide line\r\nx");
  EXPECT_EQ(form.Fitted().width(), 900) << "the widest line";
  EXPECT_EQ(form.Fitted().height(), 480) << "two lines";
  FontSpec font = form.Fitted().font();
  font.bold = true;
  form.Fitted().SetFont(font);
  EXPECT_EQ(form.Fitted().width(), 990);
  font.size_points = 20;
  form.Fitted().SetFont(font);
  EXPECT_EQ(form.Fitted().bounds(), (TwipRect{100, 200, 1980, 960}));
  form.Fitted().SetText("");
  EXPECT_EQ(form.Fitted().width(), 0);
  EXPECT_EQ(form.Fitted().height(), 480) << "an empty text is one line high";

  form.Fixed().SetText("a much longer text than fits");
  EXPECT_EQ(form.Fixed().bounds(), (TwipRect{0, 0, 500, 300}));
  EXPECT_EQ(platform.windows.ControlOf("Test", "Fitted").bounds, form.Fitted().bounds());
  EXPECT_EQ(platform.windows.ControlOf("Test", "Fixed").text, "a much longer text than fits");
}

TEST_F(ToolkitTest, ATextMeasuresByItsCharactersNotItsBytes) {
  form.Fitted().SetText("zorbel");
  const int latin = form.Fitted().width();
  for (const char* same_length :
       {"Z\u00F6rb\u00E9l", "\u0396\u03BF\u03C1\u03BC\u03C0\u03BB", "\u7B11\u8BDD\u7B11\u8BDD\u7B11\u8BDD",
        "\U0001F600\U0001F601\U0001F602abc", "zor\xFF\xFEl"}) {
    form.Fitted().SetText(same_length);
    EXPECT_EQ(form.Fitted().width(), latin) << same_length;
  }
  form.Fitted().SetText("\u00E9\u00E9\r\nabc");
  EXPECT_EQ(form.Fitted().width(), 300) << "the line with more characters, not more bytes";
}

TEST_F(ToolkitTest, SettingTheIntervalRestartsTheCountdownAndZeroNeverTicks) {
  platform.windows.Advance(2500);
  EXPECT_EQ(form.ticks, (std::vector<long long>{1000, 2000}));
  form.Tick().SetInterval(700);
  platform.windows.Advance(1500);
  EXPECT_EQ(form.ticks, (std::vector<long long>{1000, 2000, 3200, 3900}));
  form.Tick().SetInterval(0);
  platform.windows.Advance(100000);
  EXPECT_EQ(form.ticks.size(), 4u);
  form.Tick().SetEnabled(false);
  form.Tick().SetInterval(100);
  platform.windows.Advance(1000);
  EXPECT_EQ(form.ticks.size(), 4u) << "a disabled timer does not tick";
  form.Tick().SetEnabled(true);
  platform.windows.Advance(250);
  EXPECT_EQ(form.ticks.back(), platform.windows.now_ms() - 50);
}

TEST_F(ToolkitTest, IntervalsOutsideTheTimersRangeAreFailure380) {
  EXPECT_EQ(FailureCodeOf([&] { form.Tick().SetInterval(65535.4); }), 0);
  EXPECT_EQ(form.Tick().interval(), 65535);
  EXPECT_EQ(FailureCodeOf([&] { form.Tick().SetInterval(65535.6); }), 380);
  EXPECT_EQ(FailureCodeOf([&] { form.Tick().SetInterval(-1); }), 380);
}

TEST_F(ToolkitTest, EventsReachTheirHandlersAndOthersLeaveNoTrace) {
  platform.windows.Click("Fitted");
  platform.windows.Click("Fixed");
  platform.windows.Click();
  platform.windows.KeyDown(Key::kShift);
  platform.windows.MoveMouse("Fitted");
  EXPECT_EQ(form.clicks, (std::vector<std::string>{"Fitted"}));
  EXPECT_EQ(form.keys, (std::vector<Key>{Key::kShift}));
  EXPECT_FALSE(platform.windows.program_ended());
}

TEST(FormSlot, AFormUnloadedByItsOwnHandlerLivesUntilTheHandlerReturns) {
  HeadlessPlatform platform{"/c", "."};
  auto destroyed = std::make_shared<int>(0);
  struct CountedForm : TestForm {
    CountedForm(UiContext context, std::shared_ptr<int> destroyed)
        : TestForm(context), destroyed(std::move(destroyed)) {}
    ~CountedForm() override { ++*destroyed; }
    std::shared_ptr<int> destroyed;
  };
  FormSlot<CountedForm> slot([&] { return std::make_unique<CountedForm>(platform.ui(), destroyed); });
  CountedForm& first = slot.Get();
  first.Show();
  first.on_click = [&] {
    first.Unload();
    slot.Get().Show();  // opened again from its own handler
    EXPECT_EQ(*destroyed, 0) << "the form whose handler runs is still there";
    first.clicks.push_back("after");
  };
  platform.windows.ClickIn("Test", "Fitted");
  EXPECT_EQ(first.clicks, (std::vector<std::string>{"Fitted", "after"}));
  EXPECT_EQ(*destroyed, 0);
  slot.Get();
  EXPECT_EQ(*destroyed, 1) << "freed at the next use, once its handler has returned";
}

// A toolkit that runs out of memory measuring a label's text, as a control is being built.
class MeasureFailingWindows : public HeadlessWindowSystem {
 public:
  TwipSize MeasureText(const FontSpec&, const std::string&) override { throw std::bad_alloc(); }
};

TEST(FormLifetime, AFormWhoseControlCannotBeBuiltLeavesNoWindowBehind) {
  HeadlessMachine machine;
  HeadlessServices services{machine, "."};
  MeasureFailingWindows windows;
  FailureNet net{services};
  EXPECT_THROW(TestForm{(UiContext{windows, services, net})}, std::bad_alloc);
  EXPECT_EQ(windows.FindForm("Test"), nullptr) << "no window left whose events go nowhere";
  windows.Advance(5000);  // the timer built before the label ticks for no one
}

TEST(HandlerTable, AMisspeltControlOrAnEventTheControlNeverRaisesFailsWhenTheFormIsBuilt) {
  HeadlessPlatform platform{"/c", "."};
  TestForm form(platform.ui());
  EXPECT_THROW(form.Bind(form, {HandlerBinding<TestForm>("Fited", EventKind::kClick, &TestForm::Fitted_Click)}),
               std::logic_error);
  EXPECT_THROW(form.Bind(form, {HandlerBinding<TestForm>("Fitted", EventKind::kTimer, &TestForm::Fitted_Click)}),
               std::logic_error);
  EXPECT_THROW(form.Bind(form, {HandlerBinding<TestForm>("Tick", EventKind::kClick, &TestForm::Tick_Timer)}),
               std::logic_error);
  EXPECT_THROW(form.Bind(form, {HandlerBinding<TestForm>("Fitted", EventKind::kKeyDown, &TestForm::Form_KeyDown)}),
               std::logic_error);
  EXPECT_NO_THROW(form.Bind(form, {FORM_HANDLER(TestForm, Form, KeyDown)}));
}

}  // namespace
