// The progress window: while a package is extracted it shows the percentage and the file
// just written. Owned by the main window, not modal; closed by the report of 100.
#pragma once

#include "DesignedWindow.h"

namespace toolbox {

DesignedWindow& ProgressWindow();
// The window's unzip unit, whose progress event goes to OnUnzipProgress.
Element& PackageUnzipUnit();
void OnUnzipProgress(int percent);

} // namespace toolbox
