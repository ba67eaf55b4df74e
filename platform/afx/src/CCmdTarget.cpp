#include <afxwin.h>

namespace {

const AFX_MSGMAP_ENTRY* FindEntry(const AFX_MSGMAP* map, UINT message, UINT code, UINT id) {
    for (; map; map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* entry = map->lpEntries; entry && entry->pfn; ++entry) {
            if (entry->nMessage == message && entry->nCode == code && id >= entry->nID &&
                id <= entry->nLastID)
                return entry;
        }
    }
    return nullptr;
}

} // namespace

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap() {
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, nullptr}};
    static const AFX_MSGMAP map = {nullptr, entries};
    return &map;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const {
    return GetThisMessageMap();
}

BOOL CCmdTarget::DispatchToMap(UINT message, UINT code, UINT id, const AFX_MSG_ARGS& args, LRESULT* result) {
    const AFX_MSGMAP_ENTRY* entry = FindEntry(GetMessageMap(), message, code, id);
    return entry && entry->pfn(this, args, result);
}

BOOL CCmdTarget::OnCmdMsg(UINT id, UINT code, WPARAM wParam, LPARAM lParam) {
    LRESULT ignored = 0;
    return DispatchToMap(WM_COMMAND, code, id, AFX_MSG_ARGS{WM_COMMAND, wParam, lParam, id}, &ignored);
}
