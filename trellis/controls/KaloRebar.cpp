#include "KaloRebar.h"

BOOL KaloRebar::Create(const char* name, DWORD style, const RECT& rect, CWnd* parent, UINT id,
                       CCreateContext* context) {
    return CWnd::Create("ReBarWindow32", name, style, rect, parent, id, context);
}
