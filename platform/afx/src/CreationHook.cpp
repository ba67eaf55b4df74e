#include "CreationHook.h"

#include <string>

namespace {

// The innermost creation in progress on this thread; creations nest when a WM_CREATE
// handler creates children.
thread_local CreationHook* innermost = nullptr;

const ATOM kDialogClassAtom = 0x8002;

ATOM AtomOfClass(HINSTANCE instance, LPCSTR className) {
    if (!className)
        return 0;
    if (IS_INTRESOURCE(className))
        return static_cast<ATOM>(reinterpret_cast<UINT_PTR>(className));
    WNDCLASSEXA info{};
    info.cbSize = sizeof info;
    ATOM atom = static_cast<ATOM>(::GetClassInfoExA(instance, className, &info));
    if (!atom) // a system class
        atom = static_cast<ATOM>(::GetClassInfoExA(nullptr, className, &info));
    return atom;
}

// Steps over a name-or-ordinal field of a dialog template; sets ordinal or name.
const WORD* ReadNameOrOrdinal(const WORD* field, WORD& ordinal, std::wstring& name) {
    ordinal = 0;
    name.clear();
    if (*field == 0)
        return field + 1;
    if (*field == 0xFFFF) {
        ordinal = field[1];
        return field + 2;
    }
    for (; *field; ++field)
        name.push_back(static_cast<wchar_t>(*field));
    return field + 1;
}

} // namespace

ExpectedWindow ExpectedWindow::ForClass(HWND parent, HINSTANCE instance, LPCSTR className) {
    return ExpectedWindow{parent, AtomOfClass(instance, className)};
}

ExpectedWindow ExpectedWindow::ForDialog(HWND parent, HINSTANCE instance, LPCDLGTEMPLATEA dialogTemplate) {
    const WORD* words = reinterpret_cast<const WORD*>(dialogTemplate);
    const bool extended = words[0] == 1 && words[1] == 0xFFFF;
    // The header of DLGTEMPLATEEX is 26 bytes, that of DLGTEMPLATE 18.
    const WORD* field = words + (extended ? 13 : 9);
    WORD ordinal = 0;
    std::wstring name;
    field = ReadNameOrOrdinal(field, ordinal, name); // menu
    ReadNameOrOrdinal(field, ordinal, name);         // class
    if (ordinal)
        return ExpectedWindow{parent, ordinal};
    if (name.empty())
        return ExpectedWindow{parent, kDialogClassAtom};
    std::string narrow(name.size() * 2 + 1, '\0');
    const int length = ::WideCharToMultiByte(CP_ACP, 0, name.c_str(), -1, &narrow[0],
                                             static_cast<int>(narrow.size()), nullptr, nullptr);
    narrow.resize(length > 0 ? static_cast<size_t>(length - 1) : 0);
    return ExpectedWindow{parent, AtomOfClass(instance, narrow.c_str())};
}

CreationHook::CreationHook(CWnd* pending, const ExpectedWindow& expected)
    : pending_(pending), expected_(expected), outer_(innermost),
      hook_(::SetWindowsHookExA(WH_CBT, &CreationHook::Filter, nullptr, ::GetCurrentThreadId())) {
    innermost = this;
}

CreationHook::~CreationHook() {
    innermost = outer_;
    if (hook_)
        ::UnhookWindowsHookEx(hook_);
}

bool CreationHook::Expects(HWND handle, const CREATESTRUCTA& cs) const {
    if (cs.hwndParent != expected_.parent)
        return false;
    const ATOM atom = static_cast<ATOM>(::GetClassWord(handle, GCW_ATOM));
    if (expected_.classAtom)
        return atom == expected_.classAtom;
    char name[16] = {};
    ::GetClassNameA(handle, name, sizeof name);
    return lstrcmpiA(name, "IME") != 0;
}

LRESULT CALLBACK CreationHook::Filter(int code, WPARAM wParam, LPARAM lParam) {
    CreationHook* current = innermost;
    if (code == HCBT_CREATEWND && current && current->pending_) {
        HWND handle = reinterpret_cast<HWND>(wParam);
        const CBT_CREATEWNDA* creation = reinterpret_cast<const CBT_CREATEWNDA*>(lParam);
        if (creation && creation->lpcs && current->Expects(handle, *creation->lpcs)) {
            CWnd* wnd = current->pending_;
            current->pending_ = nullptr;
            if (wnd->Attach(handle)) {
                wnd->PreSubclassWindow();
                wnd->InstallProcedure();
                current->caught_ = true;
            }
        }
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}
