// Reading each file through the platform's services, so that a file the saver could not
// open gives the checker the same code as the saver.
#include "checker/check_command.h"

#include <algorithm>

#include "checker/joke_file_check.h"
#include "startup/joke_database.h"
#include "ui/failure_in_flight.h"

int RunCheckCommand(const std::vector<std::string>& files, Services& services, std::ostream& out) {
  std::vector<std::string> to_check = files;
  if (to_check.empty()) to_check.push_back(services.OwnFilePlace(OwnFile::kJokes));
  int status = 0;
  for (const std::string& file : to_check) {
    CheckResult result;
    try {
      result = CheckJokeBytes(services.ReadWholeFile(file, kLargestJokeDatabase), services);
    } catch (...) {
      // A file the system will not give, or one larger than memory, as the saver would see it.
      const Failure failure = FailureInFlight();
      result = CannotRead(failure.code, failure.description);
    }
    out << FormatReport(file, result);
    status = std::max(status, result.status());
  }
  out.flush();
  return out ? status : kReportNotWritten;
}
