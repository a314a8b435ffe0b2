// The failure net of the procedures and of the program they run, on a set of process
// services of its own; these never take the instance lock, so they are free to exist beside
// the program's.
#include "platform/win32/win32_proc_net.h"

#include "platform/win32/win32_services.h"

FailureNet& ProcFailureNet() {
  static Win32Services services;
  static FailureNet failure_net(services);
  return failure_net;
}
