// Runs a piece of code and yields the code of the failure it threw, or 0.
#pragma once

#include <functional>

#include "ui/failure.h"

inline int FailureCodeOf(const std::function<void()>& body) {
  try {
    body();
  } catch (const Failure& failure) {
    return failure.code;
  }
  return 0;
}
