// One set of process services for the procedures' net; it never takes the instance lock,
// so it is free to exist beside the program's own.
#include "platform/win32/win32_proc_net.h"

#include "platform/win32/win32_services.h"

Services& ProcNetServices() {
  static Win32Services services;
  return services;
}
