// Installation of content packages: ZIP archives in the folder "datas" extracted over the
// game directory, with the progress window showing how far it got.
#pragma once

#include "DesignedWindow.h"

namespace toolbox {

// Extracts "datas\<name>" over the program directory and reports the result. Refused
// while another installation runs: the progress reports dispatch window messages, so a
// second command can arrive in the middle of one.
void InstallPackage(const Text& name);
bool IsInstalling();
// Asked when the user closes the window: while a package is being extracted the close
// is put off until the installation has ended (false), so no package is left half
// written; otherwise true.
bool MayCloseDuringInstall(DesignedWindow& window);

} // namespace toolbox
