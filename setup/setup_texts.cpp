// The setup windows' texts, assembled from their parts; addresses and names come from the
// one place that holds the maker's endpoints.
#include "setup/setup_texts.h"

#include <cctype>

#include "startup/settings_vocabulary.h"
#include "startup/web_endpoints.h"

namespace setup_text {

namespace {
constexpr const char* kCrLf = "\r\n";
}  // namespace

std::string BrandedDomain() {
  std::string branded = endpoints::kMakerDomain;
  bool part_start = true;
  for (char& c : branded) {
    if (part_start) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    part_start = c == '.';
  }
  return branded;
}

void ShowBox(Services& services, const Box& box, MessageBoxKind kind, std::function<void()> closed) {
  services.ShowMessageBox(box.title, box.text, kind, std::move(closed));
}

Box BetaNotice() {
  return {"Welcome to beta",
          std::string("This is a BETA edition of Version 4 of the Zorbel Joke Screensaver. ") + kCrLf +
              kCrLf +
              "It is not fully complete, and may have: unimplemented features, bugs and general "
              "mistakes. YOU ARE ENCOURGED TO REPORT THESE, through Tarnwick's online Faultwatch "
              "service which can be accessed at " +
              endpoints::ProductPageAddress()};
}

Box UpgradeNotice() {
  return {"Upgrade - for *FREE*!",
          "The Screen Saver will now connect to " + BrandedDomain() +
              " to check for new versions. " + kCrLf + kCrLf +
              "You can download new versions of the screensaver, or MORE JOKES for the "
              "screensaver, FREE of charge!" +
              kCrLf + kCrLf +
              "Your web browser will open and you should then follow the online instructions. " +
              kCrLf + kCrLf + "CLICK OK TO UPGRADE YOUR SCREENSAVER"};
}

Box HomePageNotice() {
  return {"VISIT OUR WEB SITE!",
          std::string("Visit the Zorbel Joke Screensaver Web Site to ") + kCrLf + kCrLf +
              "- find out more about the screensaver. " + kCrLf + "- find MORE FREE screensavers" +
              kCrLf + "- get lots of zorbel jokes" + kCrLf +
              "- take part in the Zorbel Joke Screensaver development by giving us your own "
              "zorbel jokes!" +
              kCrLf + kCrLf + "Click OK below and our web site will open in your browser!"};
}

Box JokesPageNotice() {
  return {"Zorbel Joke SS",
          "The Zorbel Joke Screensaver will now open your web browser and connect to our zorbel "
          "jokes page. "};
}

Box AppealNotice() {
  return {"Visit our sites!",
          std::string("Please visit our web sites. ") + kCrLf + kCrLf +
              "At our web sites you can find jokes, celebrity pictures, Daily jokes by web and "
              "e-mail, more screensavers, " +
              kCartoonSeries + " and much more!" + kCrLf + kCrLf +
              "Please come to our sites today! Just enter " + endpoints::kMakerDomain +
              " into your browser!" + kCrLf + kCrLf +
              "When you come to our site and support our sponsors (who generously fund the "
              "Screen Saver) you can be assured of more versions of the screensaver in the "
              "future!"};
}

Box SisterProductNotice() {
  return {"Upgrade - for *FREE*!",
          "You will now be taken to the web site of our sister-product, the Velmora Jokes "
          "Screensaver."};
}

Box InvalidDelayError() {
  return {"Zorbel Joke Screensaver Error!",
          "You entered an invalid delay. You must enter a time between " +
              std::to_string(kShortestDelaySeconds) + " seconds and " +
              std::to_string(kLongestDelaySeconds) + " seconds"};
}

Box MedicalNeedsRudeError() {
  return {"Zorbel Saver Error",
          "You can only be shown Zorbel Medical terminology if you have selected rude jokes. This "
          "is because some of the medical terminology is rude and explicit!"};
}

InformationTopic AboutTheSaver() {
  return {"About the SS", "About the SS!",
          std::string("The screensaver is a FREE product. Please tell your friends about it. "
                      "Please ask them to download it at ") +
              endpoints::kMakerDomain +
              " - since we give the screensaver away for FREE, we need visitors to come to our "
              "site so our sponsors can continue to generously fund development. " +
              kCrLf + "Please send comments to " + endpoints::SupportEmail() + kCrLf + kCrLf +
              "Copyright (c) 2026 Ned Hollis, Tarnwick Entertainment Company. All rights "
              "reserved."};
}

InformationTopic AboutFreeUpgrades() {
  return {"Free Upgrades", "How Free Upgrades work!",
          std::string(
              "Since Version 4, you can UPGRADE FREE automatically. Just click the 'Check for "
              "upgrade' button, and Zorbel SS will connect to a special program at Tarnwick's "
              "site. The Zorbel SS will tell the program at Tarnwick what version of the "
              "screensaver you are using and what version of JOKES you are using, and will then "
              "tell you if upgrades are available! YOU CAN DOWNLOAD THESE *FREE*!") +
              kCrLf + kCrLf +
              "You can download either an upgrade to the screensaver SOFTWARE, or a JOKES upgrade "
              "- in other words, you can get a new and updated jokes database with MORE zorbel "
              "jokes!"};
}

}  // namespace setup_text
