// The seventeen promotional messages, thirteen where there is no setup screen; addresses
// come from the one place that holds them.
#include "saver/promo_messages.h"

#include <cmath>
#include <iterator>

#include "startup/web_endpoints.h"

namespace {

// The lines of one message joined with CR LF; an empty line makes a blank line.
std::string Lines(std::initializer_list<std::string> lines) {
  std::string text;
  for (auto line = lines.begin(); line != lines.end(); ++line) {
    if (line != lines.begin()) text += "\r\n";
    text += *line;
  }
  return text;
}

// The positions of the messages that send the user to the setup screen, in order.
constexpr int kSetupScreenMessages[] = {1, 2, 8, 14};

}  // namespace

std::vector<std::string> BuildPromoMessages(bool has_setup_screen) {
  using namespace endpoints;
  const std::string host = kMakerWebHost;
  const std::string domain = kMakerDomain;
  const std::string page = ProductPageAddress();
  const std::string page_without_scheme = host + "/zorbel/";
  const std::string network_page =
      std::string("http://") + kJokeNetworkHost + "/" + kJokeNetworkPathWord + "/joke/";
  std::vector<std::string> messages = {
      "",
      Lines({"Did you know you can upgrade this screensaver online? - FREE",
             "You can download JOKE and SOFTWARE updates. ", "",
             "Upgrade automatically by clicking 'Check for upgrade' in the setup screen. "}),
      Lines({"-- Get a new Jokes database for the screen saver - FREE! ---",
             "Look at the set up screen!"}),
      Lines({"Be part of the Zorbel SS project!", "",
             "Submit your own zorbel jokes and more at our site: ", page_without_scheme}),
      Lines({"Problems, questions, comments?", "E-mail " + SupportEmail()}),
      Lines({host, "", "Jokes archive - daily jokes - Hot Celebrity Pics - ",
             "Jokes by e-mail - screen savers - The Bumblesnoot Show and more!"}),
      host,
      Lines({"Zorbel Joke Screen Saver site: ",
             "Voted Site of the Day by Clickwell Weekly web magazine!"}),
      "Upgrade - free! See the setup screen!",
      Lines({"More Zorbel Jokes:", page}),
      Lines({"There is also a Velmora Jokes screensaver! ", "See " + host}),
      Lines({"Jokes - screen savers - The Bumblesnoot Show and more!", host}),
      Lines({"Zorbel Joke Network - add zorbels to your site", "", network_page,
             "The number one zorbel joke site in the Quillmoor Web Directory!"}),
      Lines({"Coming soon from Tarnwick Entertainment: a brand new screensaver!",
             "'Open' screensaver - make your own joke files. See " + domain}),
      Lines({"UPGRADE NOW - FREE!!", "See the setup screen or", page}),
      domain,
      "Zorbel Jokes. " + page + " ",
      "Jokes. " + MakerAddress("/jokes/"),
  };
  if (!has_setup_screen) {
    // From the back, so that each position still names its message when it goes.
    for (auto position = std::rbegin(kSetupScreenMessages); position != std::rend(kSetupScreenMessages); ++position) {
      messages.erase(messages.begin() + *position);
    }
  }
  return messages;
}

const std::string& PickPromoMessage(const std::vector<std::string>& messages, double u) {
  const double count = static_cast<double>(messages.size() - 1);
  return messages[1 + static_cast<std::size_t>(std::floor(count * u))];
}
