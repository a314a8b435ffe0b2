// The translation of foreign exceptions into the program's failure codes.
#include "ui/failure_in_flight.h"

#include <new>
#include <system_error>

Failure FailureInFlight() {
  using namespace failure_code;
  try {
    throw;
  } catch (const ProgramEnding&) {
    throw;
  } catch (const Failure& failure) {
    return failure;
  } catch (const std::bad_alloc&) {
    return MakeFailure(kOutOfMemory);
  } catch (const std::system_error& error) {
    // Windows refuses a window mostly for want of memory or of its own handles.
    const bool memory = error.code() == std::errc::not_enough_memory;
    return MakeFailure(memory ? kOutOfMemory : kCannotLoadObject);
  } catch (...) {
    return MakeFailure(kInternalError);
  }
}
