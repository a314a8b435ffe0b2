// Writing the checker's text with fwrite: the report buffered as stdout is, the trouble
// at once, after the report so far, so that where both reach one terminal or file they
// come in the order they were made. A report that failed once is not written further.
#include "platform/posix/checker/standard_streams_output.h"

void StandardStreamsOutput::Report(std::string_view text) {
  if (!std::ferror(report_)) std::fwrite(text.data(), 1, text.size(), report_);
}

void StandardStreamsOutput::Trouble(std::string_view text) {
  std::fflush(report_);
  std::fwrite(text.data(), 1, text.size(), trouble_);
  std::fflush(trouble_);
}

bool StandardStreamsOutput::ReportDelivered() { return std::fflush(report_) == 0 && !std::ferror(report_); }
