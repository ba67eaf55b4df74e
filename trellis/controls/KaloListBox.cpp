#include "KaloListBox.h"

#include "KaloFlatBorder.h"

BEGIN_MESSAGE_MAP(KaloListBox, CListBox)
ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

LRESULT KaloListBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    // The flat border replaces the default frame altogether.
    if (message == WM_NCPAINT && KaloDrawFlatBorder(*this, nullptr, GetBorderColor(), GetBackColor())) {
        return 0;
    }
    return CListBox::WindowProc(message, wParam, lParam);
}
