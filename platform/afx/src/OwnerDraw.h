// Owner-draw requests a parent reflects to a list or combo box, routed to its virtuals.
#pragma once

#include <afxwin.h>

template <class Control> BOOL RouteOwnerDraw(Control* control, UINT message, LPARAM lParam, LRESULT* result) {
    switch (message) {
    case WM_DRAWITEM:
        control->DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
        break;
    case WM_MEASUREITEM:
        control->MeasureItem(reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
        break;
    case WM_COMPAREITEM:
        *result = control->CompareItem(reinterpret_cast<LPCOMPAREITEMSTRUCT>(lParam));
        return TRUE;
    case WM_DELETEITEM:
        control->DeleteItem(reinterpret_cast<LPDELETEITEMSTRUCT>(lParam));
        break;
    default:
        return FALSE;
    }
    *result = TRUE;
    return TRUE;
}
