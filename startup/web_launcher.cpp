// Opening WebAddress through the shell.
#include "startup/web_launcher.h"

void OpenWebAddress(const SharedState& state, Services& services) {
  services.OpenWithShell(ShellRequest{.owner_window = 0,
                                     .verb = "Open",
                                     .file = state.WebAddress,
                                     .parameters = "",
                                     .directory = services.ProgramDirectory(),
                                     .show_command = 1});
}

void OpenPage(SharedState& state, Services& services, const std::string& address) {
  state.WebAddress = address;
  OpenWebAddress(state, services);
}
