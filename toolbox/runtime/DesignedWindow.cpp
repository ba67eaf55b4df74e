#include "DesignedWindow.h"

namespace toolbox {

namespace {

const char kWindowClass[] = "ToolboxDesignedWindow";
const int kFirstControlId = 100;
const COLORREF kLinkColour = RGB(0, 0, 255);

int loadedWindows = 0;
bool quitWhenLastCloses = false;

} // namespace

bool DesignedWindow::RegisterWindowClass() {
    static ATOM atom = 0;
    if (atom)
        return true;
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = &DesignedWindow::WindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = kWindowClass;
    atom = RegisterClassExA(&windowClass);
    return atom != 0;
}

DesignedWindow::DesignedWindow(WindowDesign design) : design_(std::move(design)) {
    for (const ElementDesign& element : design_.elements)
        elements_.emplace_back(element);
}

DesignedWindow::~DesignedWindow() {
    Close();
}

void DesignedWindow::QuitWhenLastWindowCloses(bool quit) {
    quitWhenLastCloses = quit;
}

int DesignedWindow::LoadedCount() {
    return loadedWindows;
}

bool DesignedWindow::Load(HWND owner) {
    if (IsLoaded()) {
        SetForegroundWindow(handle_);
        return true;
    }
    if (!RegisterWindowClass())
        return false;
    const Box& box = design_.box;
    HWND window =
        CreateWindowExA(0, kWindowClass, design_.title.c_str(),
                        WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN, box.left,
                        box.top, box.width, box.height, owner, nullptr, GetModuleHandleA(nullptr), this);
    if (!window)
        return false;
    if (!CreateElements()) {
        Close();
        return false;
    }
    if (design_.onCreated)
        design_.onCreated();
    // The created handler may have closed the window already.
    if (IsLoaded()) {
        ShowWindow(handle_, SW_SHOWNORMAL);
        UpdateWindow(handle_);
    }
    return true;
}

bool DesignedWindow::CreateElements() {
    const FontDesign& font = design_.font;
    font_.Reset(CreateFontA(-font.height, 0, 0, 0, font.weight, FALSE, FALSE, FALSE, font.charset,
                            OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                            DEFAULT_PITCH | FF_DONTCARE, font.face.c_str()));
    for (size_t index = 0; index < elements_.size(); ++index)
        if (!elements_[index].Create(handle_, kFirstControlId + static_cast<int>(index), font_.Get()))
            return false;
    return true;
}

void DesignedWindow::Close() {
    if (IsLoaded())
        DestroyWindow(handle_);
}

Text DesignedWindow::Title() const {
    if (!IsLoaded())
        return design_.title;
    Text title(static_cast<size_t>(GetWindowTextLengthA(handle_)) + 1, '\0');
    title.resize(static_cast<size_t>(GetWindowTextA(handle_, &title[0], static_cast<int>(title.size()))));
    return title;
}

void DesignedWindow::SetTitle(const Text& title) {
    if (IsLoaded())
        SetWindowTextA(handle_, title.c_str());
}

Element& DesignedWindow::Item(const Text& name) {
    for (Element& element : elements_)
        if (element.Name() == name)
            return element;
    static Element none{ElementDesign()};
    return none;
}

Element* DesignedWindow::ElementOf(HWND control) {
    for (Element& element : elements_)
        if (control && element.Handle() == control)
            return &element;
    return nullptr;
}

LRESULT CALLBACK DesignedWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* created =
            reinterpret_cast<DesignedWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        created->handle_ = window;
        ++loadedWindows;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
    }
    auto* self = reinterpret_cast<DesignedWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self)
        return DefWindowProcA(window, message, wParam, lParam);
    return self->HandleMessage(message, wParam, lParam);
}

LRESULT DesignedWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    HWND window = handle_;
    switch (message) {
    case WM_COMMAND:
        OnCommand(wParam, lParam);
        return 0;
    case WM_DRAWITEM:
        if (OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)))
            return TRUE;
        break;
    case WM_CTLCOLORSTATIC:
        return OnControlColour(wParam, lParam);
    case WM_CLOSE:
        if (design_.onClose && !design_.onClose())
            return 0;
        break;
    case WM_SETCURSOR:
        if (OnSetCursor(reinterpret_cast<HWND>(wParam)))
            return TRUE;
        break;
    case WM_DESTROY:
        OnDestroy();
        break;
    case WM_NCDESTROY:
        OnFinalDestroy();
        break;
    default:
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void DesignedWindow::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (Element* element = ElementOf(reinterpret_cast<HWND>(lParam)))
        element->OnCommand(HIWORD(wParam));
}

bool DesignedWindow::OnDrawItem(const DRAWITEMSTRUCT& item) {
    Element* element = ElementOf(item.hwndItem);
    if (!element || element->Kind() != ElementKind::ColourPicker)
        return false;
    element->Draw(item);
    return true;
}

LRESULT DesignedWindow::OnControlColour(WPARAM wParam, LPARAM lParam) {
    auto dc = reinterpret_cast<HDC>(wParam);
    Element* element = ElementOf(reinterpret_cast<HWND>(lParam));
    if (element && element->Kind() == ElementKind::Hyperlink)
        SetTextColor(dc, kLinkColour);
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

bool DesignedWindow::OnSetCursor(HWND control) {
    Element* element = ElementOf(control);
    if (!element || !element->IsHyperlink(control))
        return false;
    SetCursor(LoadCursorA(nullptr, IDC_HAND));
    return true;
}

void DesignedWindow::OnDestroy() {
    // Before the window goes, so activation returns to the owner instead of another program.
    if (disabledOwner_) {
        EnableWindow(disabledOwner_, TRUE);
        disabledOwner_ = nullptr;
    }
}

void DesignedWindow::OnFinalDestroy() {
    SetWindowLongPtrA(handle_, GWLP_USERDATA, 0);
    handle_ = nullptr;
    for (Element& element : elements_)
        element.Forget();
    font_.Reset();
    if (--loadedWindows == 0 && quitWhenLastCloses)
        PostQuitMessage(0);
}

} // namespace toolbox
