// The four texts of the start-up failure report.
#include "startup/startup_report.h"

#include "startup/web_endpoints.h"

std::string StartupReportText(const Failure& failure) {
  const std::string home = endpoints::ProductPageAddress();
  switch (failure.code) {
    case failure_code::kFileNotFound:
      return "Jokes database could not be found. \r\n\r\nYou may not have installed the "
             "screensaver properly. Please review the installation instructions provided, or "
             "check out our web site at \r\n" +
             home;
    case failure_code::kBadFileName:
    case failure_code::kPathNotFound:
      return "There was a problem accessing the Joke database or the directory that contains "
             "the joke database. Contact us. See our web site for details. ";
    case failure_code::kInputPastEndOfFile:
      return "D'oh!\r\nThe Jokes database is corrupted. You may have editted it and destroyed "
             "the format. Please download a new version from our web site at " +
             home;
    default:
      return "There was an error, but the screensaver does not know what to do. Please e-mail "
             "the information below to us and tell us what you were doing at the time (or "
             "anything that may have caused the error).\r\nError code: " +
             std::to_string(failure.code) + "\r\nError description: " + failure.description +
             "\r\nError source: " + failure.source + "\r\n\r\nSee our web site at " + home +
             " for our e-mail address.";
  }
}
