#pragma once
#include "conversion/control_access.h"

// The convert command. Finds every address of the selected scheme in the
// input box (only those right after the leading marker, when one is typed),
// appends one link line per address to the output box and reports in the
// status label how many links it wrote. All its effects go through window.
void runConversion(ControlAccess& window);
