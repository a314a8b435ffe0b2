// The procedures' net finds the program's failure net through the window's form.
#include "platform/win32/win32_proc_net.h"

void EndOnEscapedExceptionIn(HWND window) {
  const auto* form = reinterpret_cast<const Win32Form*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (form == nullptr) ExitProcess(exit_status::kFailed);
  form->failure_net->EndOnEscapedException();
}
