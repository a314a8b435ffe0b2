// The failure net: every kind of exception becomes a failure with a run-time code, a handler
// that throws one shows the run-time error box and ends the program, and the end of the
// program itself passes through every net.
#include <gtest/gtest.h>

#include <new>
#include <stdexcept>
#include <system_error>

#include "tests/support/headless_program.h"
#include "ui/design_builders.h"
#include "ui/failure_in_flight.h"
#include "ui/failure_net.h"
#include "ui/form.h"

namespace {

template <typename Thrown>
Failure TranslationOf(const Thrown& thrown) {
  try {
    throw thrown;
  } catch (...) {
    return FailureInFlight();
  }
}

// The handler net below shows each kind of exception's box; here the other ways memory runs
// out, and the end of the program, which no net stops.
TEST(FailureInFlight, EveryWayOfRunningOutOfMemoryIsCode7AndTheEndOfTheProgramPasses) {
  EXPECT_EQ(TranslationOf(std::bad_alloc()).source, "Zorbel");
  EXPECT_EQ(TranslationOf(std::bad_array_new_length()).code, 7);
  EXPECT_EQ(TranslationOf(std::system_error(std::make_error_code(std::errc::not_enough_memory))).code, 7);
  EXPECT_THROW(TranslationOf(ProgramEnded{}), ProgramEnded);
}

// A form whose one button throws whatever the test puts in `thrower`.
class ThrowingForm : public Form {
 public:
  explicit ThrowingForm(UiContext context) : Form(Design(), context) {
    Bind(*this, {FORM_HANDLER(ThrowingForm, Button, Click)});
  }
  void Button_Click() {
    thrower();
    went_on = true;
  }
  static FormDesign Design() {
    FormDesign form = design::Window("Thrower", "", 0, 0, BorderStyle::kSizable);
    form.controls = {design::Control("Button", ControlKind::kCommandButton, "", {})};
    return form;
  }
  std::function<void()> thrower;
  bool went_on = false;
};

class HandlerNetTest : public ::testing::Test {
 protected:
  // Clicks the button with `thrower` behind it; the one box the user then saw, or "".
  std::string BoxAfterClick(std::function<void()> thrower) {
    HeadlessPlatform platform("/s", ".");
    ThrowingForm form{platform.ui()};
    form.thrower = std::move(thrower);
    form.Show();
    platform.windows.Click("Button");
    EXPECT_FALSE(form.went_on);
    EXPECT_TRUE(platform.windows.program_ended());
    EXPECT_EQ(platform.services.ended_with, exit_status::kFailed) << "the run failed";
    if (platform.services.message_boxes.size() != 1) return "";
    EXPECT_EQ(platform.services.message_boxes[0].title, "Zorbel");
    return platform.services.message_boxes[0].text;
  }
};

TEST_F(HandlerNetTest, EveryExceptionEndsInTheRunTimeErrorBoxAndTheEnd) {
  EXPECT_EQ(BoxAfterClick([] { throw std::bad_alloc(); }), "Run-time error '7':\r\n\r\nOut of memory");
  EXPECT_EQ(BoxAfterClick([] { throw std::system_error(1400, std::system_category()); }),
            "Run-time error '361':\r\n\r\nCan't load or unload this object");
  EXPECT_EQ(BoxAfterClick([] { throw std::logic_error("bug"); }),
            "Run-time error '51':\r\n\r\nInternal error");
  EXPECT_EQ(BoxAfterClick([] { throw "text"; }), "Run-time error '51':\r\n\r\nInternal error");
  EXPECT_EQ(BoxAfterClick([] { Fail(9); }), "Run-time error '9':\r\n\r\nSubscript out of range");
}

TEST_F(HandlerNetTest, AHandlerEndingTheProgramShowsNoBox) {
  HeadlessMachine machine;
  HeadlessServices services{machine, "."};
  FailureNet net{services};
  bool went_on = false;
  RunHeadless([&] {
    net.RunGuarded([&] { services.EndProgram(exit_status::kSucceeded); });
    went_on = true;
  });
  EXPECT_FALSE(went_on);
  EXPECT_TRUE(services.message_boxes.empty());
}

// Services whose message box fails the way a box shown with no memory left would.
class BoxlessServices : public HeadlessServices {
 public:
  using HeadlessServices::HeadlessServices;
  void ShowMessageBox(const std::string&, const std::string&, MessageBoxKind, std::function<void()>) override {
    throw std::bad_alloc();
  }
};

TEST_F(HandlerNetTest, TheProgramEndsEvenWhenTheBoxCannotBeShown) {
  HeadlessMachine machine;
  BoxlessServices services{machine, "."};
  FailureNet net{services};
  bool escaped = false;
  RunHeadless([&] {
    try {
      net.RunGuarded([] { throw std::bad_alloc(); });
    } catch (const std::bad_alloc&) {
      escaped = true;
    }
  });
  EXPECT_FALSE(escaped);
  EXPECT_TRUE(services.ended);
}

TEST_F(HandlerNetTest, AFailureWhileTheBoxIsUpEndsTheProgramWithoutASecondBox) {
  HeadlessMachine machine;
  HeadlessServices services{machine, "."};
  HeadlessServices other_program{machine, "."};
  FailureNet net{services};
  FailureNet other_net{other_program};
  services.while_box_shows = [&](const MessageBoxRecord&) {
    RunHeadless([&] { other_net.RunGuarded([] { Fail(9); }); });
    net.RunGuarded([] { throw std::logic_error("a tick under the box"); });
  };
  RunHeadless([&] { net.RunGuarded([] { throw std::bad_alloc(); }); });
  EXPECT_TRUE(services.ended);
  ASSERT_EQ(services.message_boxes.size(), 1u);
  EXPECT_EQ(services.message_boxes[0].text, "Run-time error '7':\r\n\r\nOut of memory");
  EXPECT_EQ(other_program.message_boxes.size(), 1u) << "another program's net shows its own box";

  services.while_box_shows = nullptr;
  RunHeadless([&] { net.RunGuarded([] { Fail(9); }); });
  EXPECT_EQ(services.message_boxes.size(), 2u) << "a later failure shows its box again";
}

}  // namespace
