// Message texts for the terminal: Windows' line ends made into a terminal's.
#include "platform/x11/terminal_report.h"

std::string ReportForTerminal(std::string_view text) {
  std::string lines;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    lines += text[i];
  }
  if (lines.empty() || lines.back() != '\n') lines += '\n';
  return lines;
}
