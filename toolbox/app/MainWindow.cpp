#include "MainWindow.h"

namespace toolbox {

namespace {

WindowDesign MainDesign() {
    WindowDesign design;
    design.title = "tumbra常用工具箱";
    design.box = {50, 50, 387, 324};
    return design;
}

} // namespace

DesignedWindow& MainWindow() {
    static DesignedWindow window(MainDesign());
    return window;
}

} // namespace toolbox
