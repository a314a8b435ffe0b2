// Opening WebAddress in the user's browser.
#include "startup/web_launcher.h"

void OpenWebAddress(const SharedState& state, Services& services) { services.OpenAddress(state.WebAddress); }

void OpenPage(SharedState& state, Services& services, const std::string& address) {
  state.WebAddress = address;
  OpenWebAddress(state, services);
}

std::function<void()> PageOpener(SharedState& state, Services& services, std::string address) {
  return [&state, &services, address = std::move(address)] { OpenPage(state, services, address); };
}
