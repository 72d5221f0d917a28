#include "conversion/control_access.h"

const char* nameOf(ControlName control) {
  static const char* const kNames[] = {
#define QUENLITH_CONTROL_NAME(name) #name,
      QUENLITH_CONTROLS(QUENLITH_CONTROL_NAME)
#undef QUENLITH_CONTROL_NAME
  };
  static_assert(sizeof kNames / sizeof kNames[0] == kControlCount);
  return kNames[static_cast<size_t>(control)];
}
