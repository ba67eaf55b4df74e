// The toolbox's start routine, called by the runtime once it has set the working
// directory to the program directory.
#pragma once

namespace toolbox {

void StartRoutine();

} // namespace toolbox
