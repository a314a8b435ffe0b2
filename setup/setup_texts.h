// The texts the setup windows show in message boxes and in the information window, and
// the names of the maker's sites and shows that their labels mention.
#pragma once

#include <functional>
#include <string>

#include "ui/services.h"

namespace setup_text {

// Names of the maker's world that the advertising labels use.
inline constexpr const char* kCartoonSeries = "Bumblesnoot";
inline constexpr const char* kSecondCartoonSeries = "Gizmo Gang";
inline constexpr const char* kActresses[] = {"Marla Quince", "Dessa Lorne", "Juniper Vale"};

// The maker's domain written as a brand: each part of the name with a capital.
std::string BrandedDomain();

struct Box {
  std::string title;
  std::string text;
};

// Shows the box with an OK button and the icon of `kind`; `closed` runs once the user has
// closed it.
void ShowBox(Services& services, const Box& box, MessageBoxKind kind, std::function<void()> closed = {});

Box BetaNotice();
Box UpgradeNotice();
Box HomePageNotice();
Box JokesPageNotice();
Box AppealNotice();
Box SisterProductNotice();
Box InvalidDelayError();
Box MedicalNeedsRudeError();

struct InformationTopic {
  std::string caption;
  std::string title;
  std::string body;
};

InformationTopic AboutTheSaver();
InformationTopic AboutFreeUpgrades();

}  // namespace setup_text
