// Uses the installed headers, an exported function, an exported class and the ZC_* data.
#include <Trellis.h>

int main() {
    KaloControl control;
    const bool themed = GetKaloColor(ZC_MENUBACK) == RGB(51, 51, 51) && control.GetFlags() == 0;
    ZC_MENUBACK = 2;
    return themed && GetKaloColor(ZC_MENUBACK) == RGB(65, 65, 65) ? 0 : 1;
}
