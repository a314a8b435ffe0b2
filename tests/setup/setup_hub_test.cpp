// The setup hub on the headless platform: the beta notice before the hub shows, each
// button's message and page, the information window's reuse, and the ways the hub ends.
#include "tests/setup/setup_fixture.h"

#include "setup/setup_texts.h"
#include "setup/upgrade_request.h"
#include "startup/web_endpoints.h"

namespace {

TEST(SetupStart, TheBetaNoticeComesBeforeTheHubShows) {
  TempFolder folder;
  folder.Write("jokes.txt", "\"db\",3,4\r\n");
  HeadlessProgram app("/c", folder.path());
  bool hub_shown_under_box = true;
  app.services.while_box_shows = [&](const MessageBoxRecord&) { hub_shown_under_box = app.windows.IsShown("Form3"); };
  app.RunMain();

  ASSERT_EQ(app.services.message_boxes.size(), 1u);
  const MessageBoxRecord& notice = app.services.message_boxes[0];
  EXPECT_EQ(notice.title, "Welcome to beta");
  EXPECT_EQ(notice.kind, MessageBoxKind::kInformation);
  EXPECT_TRUE(notice.text.ends_with(" accessed at " + endpoints::ProductPageAddress())) << notice.text;
  EXPECT_FALSE(hub_shown_under_box);
  EXPECT_TRUE(app.windows.IsShown("Form3"));
  EXPECT_EQ(app.windows.ActiveFormName(), "Form3");
}

TEST_F(SetupTest, EachButtonShowsItsMessageThenOpensItsPage) {
  const struct {
    const char* control;
    std::vector<std::string> sequence;
  } cases[] = {
      {"Command3",
       {"box: Upgrade - for *FREE*!",
        "open: " + Address("/zorbel/upgrade.cgi?jokesversion=3&appversion=4beta1&compatible=4")}},
      {"Command4", {"box: VISIT OUR WEB SITE!", "open: " + Address("/zorbel/bounce.cgi?where=home")}},
      {"Command5", {"open: " + Address("/zorbel/bounce.cgi?where=dotcom")}},
      {"Command9", {"box: Zorbel Joke SS", "open: " + Address("/zorbel/bounce.cgi?where=zorbeljokes")}},
      {"Label18", {"open: " + Address("/zorbel/bounce.cgi?where=home")}},
      {"Label20", {"box: Visit our sites!"}},
      {"Command8", {}},
      {"Label13", {}},
      {"Label21", {}},
  };
  for (const auto& each : cases) {
    app.services.sequence.clear();
    app.services.message_boxes.clear();
    app.windows.Click(each.control);
    EXPECT_EQ(app.services.sequence, each.sequence) << each.control;
    for (const MessageBoxRecord& box : app.services.message_boxes) EXPECT_EQ(box.kind, MessageBoxKind::kInformation) << each.control;
    if (!app.services.opened_addresses.empty()) {
      EXPECT_EQ(app.program.state.WebAddress, app.services.opened_addresses.back());
    }
  }
  EXPECT_EQ(app.services.opened_addresses.back(), Address("/zorbel/bounce.cgi?where=home"));
  EXPECT_TRUE(app.windows.IsShown("Form3"));
  EXPECT_NE(setup_text::UpgradeNotice().text.find("connect to " + setup_text::BrandedDomain() + " to check"),
            std::string::npos);
}

TEST(UpgradeRequest, NumbersPlainAndTextsEncodedSoNothingAddsAKey) {
  SharedState state;
  state.AppVersion = " 4beta1 ";
  state.JokesVersion = 3.5;
  state.JokesCompatible = 4.0;
  const std::string base = endpoints::MakerAddress("/zorbel/upgrade.cgi?jokesversion=");
  EXPECT_EQ(UpgradeRequestAddress(state), base + "3.5&appversion=4beta1&compatible=4");
  state.JokesVersion = -0.25;
  state.JokesCompatible = 1e21;
  EXPECT_EQ(UpgradeRequestAddress(state),
            base + "-0.25&appversion=4beta1&compatible=1000000000000000000000");
  state.JokesVersion = FieldValue();
  state.JokesCompatible = std::string("4&admin=1 #x");
  EXPECT_EQ(UpgradeRequestAddress(state), base + "&appversion=4beta1&compatible=4%26admin%3D1%20%23x");
}

TEST_F(SetupTest, OneInformationWindowServesBothTopicsAndStartsAfreshAfterOk) {
  EXPECT_EQ(Noted("Form4 created"), 0) << "made on first use";
  app.windows.Click("Command6");
  EXPECT_EQ(app.windows.ActiveFormName(), "Form4");
  EXPECT_EQ(app.windows.FindForm("Form4")->caption, "About the SS");
  EXPECT_EQ(Shown("Form4", "Label1").text, "About the SS!");
  EXPECT_NE(Shown("Form4", "Label2").text.find("Please send comments to " + endpoints::SupportEmail() + "\r\n\r\n"),
            std::string::npos);

  app.windows.ClickIn("Form3", "Command7");
  EXPECT_EQ(Noted("Form4 created"), 1) << "the open window is reused";
  EXPECT_EQ(app.windows.FindForm("Form4")->caption, "Free Upgrades");
  EXPECT_EQ(Shown("Form4", "Label1").text, "How Free Upgrades work!");
  EXPECT_EQ(Shown("Form4", "Label2").text, setup_text::AboutFreeUpgrades().body);
  EXPECT_EQ(app.windows.ActiveFormName(), "Form4") << "brought forward";

  const FontSpec title_font{"Arial", 14.25, false, false};
  EXPECT_EQ(Shown("Form4", "Label1").bounds,
            (TwipRect{0, 0, app.windows.MeasureText(title_font, "How Free Upgrades work!").width,
                      app.windows.MeasureText(title_font, "x").height}))
      << "the title sizes itself on one line";
  EXPECT_EQ(app.windows.FindForm("Form4")->focused, "Command1");

  app.windows.Click("Command1");
  EXPECT_EQ(app.windows.FindForm("Form4"), nullptr);
  EXPECT_TRUE(app.windows.IsShown("Form3"));
  app.windows.Click("Command6");
  EXPECT_EQ(Noted("Form4 created"), 2);
  EXPECT_EQ(app.windows.FindForm("Form4")->caption, "About the SS");

  app.windows.Close("Form4");
  EXPECT_EQ(app.windows.FindForm("Form4"), nullptr) << "the close box unloads it too";
}

TEST_F(SetupTest, ReturnToControlPanelEndsTheProgramWithEveryWindow) {
  app.windows.Click("Command6");
  app.windows.ClickIn("Form3", "Command2");
  EXPECT_TRUE(app.windows.program_ended());
  EXPECT_EQ(app.windows.FindForm("Form3"), nullptr);
  EXPECT_TRUE(app.services.ended);
  EXPECT_EQ(app.services.ended_with, exit_status::kSucceeded);
}

TEST_F(SetupTest, TheHubsCloseBoxClosesOnlyTheHub) {
  app.windows.Click("Command6");
  app.windows.Close("Form3");
  EXPECT_EQ(app.windows.FindForm("Form3"), nullptr);
  EXPECT_TRUE(app.windows.IsShown("Form4"));
  EXPECT_FALSE(app.windows.program_ended());
  app.windows.Close("Form4");
  EXPECT_EQ(app.windows.ActiveFormName(), "") << "no window is left";
}

TEST_F(SetupTest, TheOptionsDialogIsModalOverTheHub) {
  app.windows.Click("Command1");
  EXPECT_EQ(app.windows.ActiveFormName(), "Form2");
  EXPECT_EQ(Noted("Form2 is modal over Form3"), 1);
  app.windows.ClickIn("Form3", "Command5");
  app.windows.ClickIn("Form3", "Command6");
  EXPECT_TRUE(app.services.opened_addresses.empty()) << "the hub takes no input";
  EXPECT_EQ(app.windows.FindForm("Form4"), nullptr);
  app.windows.Click("Command3");
  EXPECT_EQ(app.windows.FindForm("Form2"), nullptr);
  app.windows.ClickIn("Form3", "Command5");
  EXPECT_EQ(app.services.opened_addresses.size(), 1u);
}

}  // namespace
