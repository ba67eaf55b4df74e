#include "PackageInstaller.h"

#include "Files.h"
#include "MainWindow.h"
#include "Messages.h"
#include "Program.h"
#include "ProgressWindow.h"
#include "Unzip.h"

#include <utility>

namespace toolbox {

namespace {

bool installing = false;
DesignedWindow* closeAfterInstall = nullptr;

Text ResultMessage(int result) {
    switch (result) {
    case -1:
        return "参数错误!";
    case 1:
        return "成功!";
    default:
        return "失败!未知错误!";
    }
}

int Extract(const Text& name) {
    installing = true;
    if (!IsWindowLoaded(ProgressWindow()))
        LoadWindow(ProgressWindow(), &MainWindow(), false);
    int result = Unzip(ProgramDirectory() + "\\datas\\" + name, ProgramDirectory(), PackageUnzipUnit());
    installing = false;
    return result;
}

} // namespace

void InstallPackage(const Text& name) {
    if (installing)
        return;
    ShowMessage(ResultMessage(Extract(name)), kMessagePlain);
    if (DesignedWindow* window = std::exchange(closeAfterInstall, nullptr))
        CloseWindow(*window);
}

bool IsInstalling() {
    return installing;
}

bool MayCloseDuringInstall(DesignedWindow& window) {
    if (!installing)
        return true;
    closeAfterInstall = &window;
    return false;
}

} // namespace toolbox
