#pragma once

#include <memory>

#include "framework/picture.h"

namespace x_ChartSmall {

// The chart picture of the simulator and splash windows, loaded by name from
// the application's resources on first use and kept for the rest of the run.
// Nil while it cannot be had; each call then asks the resources again.
std::shared_ptr<fw::Picture> ChartSmall();

}  // namespace x_ChartSmall
