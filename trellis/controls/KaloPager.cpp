#include "KaloPager.h"

BOOL KaloPager::Create(const char* name, DWORD style, const RECT& rect, CWnd* parent, UINT id,
                       CCreateContext* context) {
    return CWnd::Create("SysPager", name, style, rect, parent, id, context);
}
