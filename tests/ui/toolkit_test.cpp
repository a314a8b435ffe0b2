// The toolkit on the headless platform: self-sizing labels, timers and their countdowns,
// handler dispatch with its failure net, and one instance per form.
#include <gtest/gtest.h>

#include "platform/headless/headless_services.h"
#include "platform/headless/headless_window_system.h"
#include "tests/support/failure_matchers.h"
#include "ui/form.h"
#include "ui/form_slot.h"

namespace {

FormDesign TestDesign() {
  FormDesign design;
  design.name = "Test";
  design.client_width = 6000;
  design.client_height = 4000;
  ControlDesign tick;
  tick.name = "Tick";
  tick.kind = ControlKind::kTimer;
  tick.interval_ms = 1000;
  design.controls.push_back(tick);
  ControlDesign fitted;
  fitted.name = "Fitted";
  fitted.auto_size = true;
  fitted.bounds = {100, 200, 0, 0};
  fitted.font = {"Arial", 10, false, false};
  fitted.caption = "abc";
  design.controls.push_back(fitted);
  ControlDesign fixed;
  fixed.name = "Fixed";
  fixed.bounds = {0, 0, 500, 300};
  design.controls.push_back(fixed);
  return design;
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
  void Tick_Timer() {
    ticks.push_back(now());
    if (fail_on_tick) Fail(failure_code::kSubscriptOutOfRange);
  }
  void Fitted_Click() {
    clicks.push_back("Fitted");
    if (on_click) on_click();
  }
  void Form_KeyDown(const UiEvent& event) { keys.push_back(event.key_code); }
  using Form::Bind;

  Label& Fitted() { return label("Fitted"); }
  Label& Fixed() { return label("Fixed"); }
  Timer& Tick() { return timer("Tick"); }

  std::function<long long()> now;
  std::vector<long long> ticks;
  std::vector<std::string> clicks;
  std::vector<int> keys;
  bool fail_on_tick = false;
  std::function<void()> on_click;
};

class ToolkitTest : public ::testing::Test {
 protected:
  ToolkitTest() : form(UiContext{windows, services}) {
    form.now = [this] { return windows.now_ms(); };
    form.Show();
  }
  HeadlessMachine machine;
  HeadlessServices services{machine, "/s", "."};
  HeadlessWindowSystem windows;
  TestForm form;
};

TEST_F(ToolkitTest, SelfSizingLabelsFollowTextAndFontOthersKeepTheirDesignSize) {
  EXPECT_EQ(form.Fitted().bounds(), (TwipRect{100, 200, 300, 240}));
  form.Fitted().SetText("wide line\r\nx");
  EXPECT_EQ(form.Fitted().width(), 900) << "the widest line";
  EXPECT_EQ(form.Fitted().height(), 480) << "two lines";
  form.Fitted().SetBold(true);
  EXPECT_EQ(form.Fitted().width(), 990);
  form.Fitted().SetFontSize(20);
  EXPECT_EQ(form.Fitted().bounds(), (TwipRect{100, 200, 1980, 960}));
  form.Fitted().SetText("");
  EXPECT_EQ(form.Fitted().width(), 0);
  EXPECT_EQ(form.Fitted().height(), 480) << "an empty text is one line high";

  form.Fixed().SetText("a much longer text than fits");
  EXPECT_EQ(form.Fixed().bounds(), (TwipRect{0, 0, 500, 300}));
  EXPECT_EQ(windows.ControlOf("Test", "Fitted").bounds, form.Fitted().bounds());
  EXPECT_EQ(windows.ControlOf("Test", "Fixed").text, "a much longer text than fits");
}

TEST_F(ToolkitTest, SettingTheIntervalRestartsTheCountdownAndZeroNeverTicks) {
  windows.Advance(2500);
  EXPECT_EQ(form.ticks, (std::vector<long long>{1000, 2000}));
  form.Tick().SetInterval(700);
  windows.Advance(1500);
  EXPECT_EQ(form.ticks, (std::vector<long long>{1000, 2000, 3200, 3900}));
  form.Tick().SetInterval(0);
  windows.Advance(100000);
  EXPECT_EQ(form.ticks.size(), 4u);
  form.Tick().SetEnabled(false);
  form.Tick().SetInterval(100);
  windows.Advance(1000);
  EXPECT_EQ(form.ticks.size(), 4u) << "a disabled timer does not tick";
  form.Tick().SetEnabled(true);
  windows.Advance(250);
  EXPECT_EQ(form.ticks.back(), windows.now_ms() - 50);
}

TEST_F(ToolkitTest, IntervalsOutsideTheTimersRangeAreFailure380) {
  EXPECT_EQ(FailureCodeOf([&] { form.Tick().SetInterval(65535.4); }), 0);
  EXPECT_EQ(form.Tick().interval(), 65535);
  EXPECT_EQ(FailureCodeOf([&] { form.Tick().SetInterval(65535.6); }), 380);
  EXPECT_EQ(FailureCodeOf([&] { form.Tick().SetInterval(-1); }), 380);
}

TEST_F(ToolkitTest, EventsReachTheirHandlersAndOthersLeaveNoTrace) {
  windows.Click("Fitted");
  windows.Click("Fixed");
  windows.Click();
  windows.KeyDown(16);
  windows.MoveMouse("Fitted");
  EXPECT_EQ(form.clicks, (std::vector<std::string>{"Fitted"}));
  EXPECT_EQ(form.keys, (std::vector<int>{16}));
  EXPECT_FALSE(windows.program_ended());
}

TEST_F(ToolkitTest, AFailureInAHandlerShowsTheRunTimeErrorAndNothingRunsAfterIt) {
  form.fail_on_tick = true;
  windows.Advance(5000);
  EXPECT_TRUE(windows.program_ended());
  EXPECT_EQ(form.ticks.size(), 1u) << "no tick after the end";
  ASSERT_EQ(services.message_boxes.size(), 1u);
  EXPECT_EQ(services.message_boxes[0],
            (MessageBoxRecord{"Zorbel", "Run-time error '9':\r\n\r\nSubscript out of range", 0}));
  windows.KeyDown(65);
  EXPECT_TRUE(form.keys.empty());
}

TEST(FormSlot, MakesOneInstanceOnFirstUseAndAFreshOneAfterDestroy) {
  HeadlessMachine machine;
  HeadlessServices services{machine, "/c", "."};
  HeadlessWindowSystem windows;
  int made = 0;
  FormSlot<TestForm> slot([&] {
    ++made;
    return std::make_unique<TestForm>(UiContext{windows, services});
  });
  EXPECT_FALSE(slot.exists());
  slot.Get().Fixed().SetText("changed");
  EXPECT_EQ(&slot.Get(), &slot.Get());
  EXPECT_EQ(made, 1);
  slot.Destroy();
  EXPECT_EQ(windows.FindForm("Test"), nullptr);
  EXPECT_EQ(slot.Get().Fixed().text(), "") << "back to its design";
  EXPECT_EQ(made, 2);
}

TEST(FormSlot, AFormUnloadedByItsOwnHandlerLivesUntilTheHandlerReturns) {
  HeadlessMachine machine;
  HeadlessServices services{machine, "/c", "."};
  HeadlessWindowSystem windows;
  auto destroyed = std::make_shared<int>(0);
  struct CountedForm : TestForm {
    CountedForm(UiContext context, std::shared_ptr<int> destroyed)
        : TestForm(context), destroyed(std::move(destroyed)) {}
    ~CountedForm() override { ++*destroyed; }
    std::shared_ptr<int> destroyed;
  };
  FormSlot<CountedForm> slot([&] { return std::make_unique<CountedForm>(UiContext{windows, services}, destroyed); });
  CountedForm& first = slot.Get();
  first.Show();
  first.on_click = [&] {
    first.Unload();
    slot.Get().Show();  // opened again from its own handler
    EXPECT_EQ(*destroyed, 0) << "the form whose handler runs is still there";
    first.clicks.push_back("after");
  };
  windows.ClickIn("Test", "Fitted");
  EXPECT_EQ(first.clicks, (std::vector<std::string>{"Fitted", "after"}));
  EXPECT_EQ(*destroyed, 0);
  slot.Get();
  EXPECT_EQ(*destroyed, 1) << "freed at the next use, once its handler has returned";
}

TEST(HandlerTable, AMisspeltControlOrAnEventTheControlNeverRaisesFailsWhenTheFormIsBuilt) {
  HeadlessMachine machine;
  HeadlessServices services{machine, "/c", "."};
  HeadlessWindowSystem windows;
  TestForm form(UiContext{windows, services});
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
