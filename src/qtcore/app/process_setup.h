#pragma once

namespace dorvane {

// What every program of the project sets up first in main(), before Qt
// starts: process-wide behaviour that differs between the platforms.
void prepareProcess();

}  // namespace dorvane
