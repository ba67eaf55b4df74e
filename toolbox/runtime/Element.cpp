#include "Element.h"

#include <commctrl.h>
#include <commdlg.h>
#include <shellapi.h>

#include <utility>

namespace toolbox {

namespace {

// Height of a drop-down list's open part, below its selection field.
const int kListDropHeight = 240;
const int kLongPath = 32768;

FontHandle MakeFont(const FontDesign& design, bool underline) {
    return FontHandle(CreateFontA(-design.height, 0, 0, 0, design.weight, FALSE, underline, FALSE,
                                  design.charset, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                  DEFAULT_PITCH | FF_DONTCARE, design.face.c_str()));
}

// "Name|*.ext" as the dialog wants it: NUL-separated pairs ending in two NULs. A "|"
// may be the trail byte of a double-byte character, so characters are stepped as units.
Text DialogFilter(const Text& filter) {
    Text converted = filter;
    for (size_t pos = 0; pos < converted.size(); pos += IsLeadByte(converted[pos]) ? 2 : 1)
        if (converted[pos] == '|')
            converted[pos] = '\0';
    converted.append(2, '\0');
    return converted;
}

Text WindowText(HWND window) {
    Text text(static_cast<size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(window, &text[0], static_cast<int>(text.size()))));
    return text;
}

} // namespace

Element::Element(ElementDesign design)
    : design_(std::move(design)), caption_(design_.caption), colour_(design_.colour) {}

bool Element::Create(HWND parent, int id, HFONT windowFont) {
    parent_ = parent;
    caption_ = design_.caption;
    position_ = 0;
    selection_ = -1;
    colour_ = design_.colour;
    if (Kind() == ElementKind::OpenFileDialog || Kind() == ElementKind::UnzipUnit)
        return true;
    handle_ = CreateControl(parent, id);
    if (!handle_)
        return false;
    HFONT font = windowFont;
    if (design_.ownFont || Kind() == ElementKind::Hyperlink) {
        LOGFONTA base{};
        if (!design_.ownFont)
            GetObjectA(windowFont, sizeof base, &base);
        FontDesign fontDesign =
            design_.ownFont ? design_.font
                            : FontDesign{base.lfFaceName, -base.lfHeight, base.lfWeight, base.lfCharSet};
        font_ = MakeFont(fontDesign, Kind() == ElementKind::Hyperlink);
        font = font_.Get();
    }
    SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (Kind() == ElementKind::ProgressBar)
        SendMessageA(handle_, PBM_SETRANGE32, 0, 100);
    FillList();
    return true;
}

HWND Element::CreateControl(HWND parent, int id) {
    struct ControlClass {
        const char* className;
        DWORD style;
        DWORD exStyle;
    };
    ControlClass control{};
    switch (Kind()) {
    case ElementKind::Label:
        control = {"STATIC", SS_LEFT | SS_NOPREFIX, 0};
        break;
    case ElementKind::Button:
        control = {"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0};
        break;
    case ElementKind::Edit:
        control = {"EDIT", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
        break;
    case ElementKind::DropDownList:
        control = {"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0};
        break;
    case ElementKind::ProgressBar:
        control = {PROGRESS_CLASSA, 0, 0};
        break;
    case ElementKind::ColourPicker:
        control = {"BUTTON", BS_OWNERDRAW | WS_TABSTOP, 0};
        break;
    case ElementKind::Hyperlink:
        control = {"STATIC", SS_LEFT | SS_NOPREFIX | SS_NOTIFY, 0};
        break;
    default:
        return nullptr;
    }
    const Box& box = design_.box;
    int height = Kind() == ElementKind::DropDownList ? box.height + kListDropHeight : box.height;
    return CreateWindowExA(control.exStyle, control.className, caption_.c_str(),
                           WS_CHILD | WS_VISIBLE | control.style, box.left, box.top, box.width, height,
                           parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleA(nullptr), nullptr);
}

void Element::FillList() const {
    if (Kind() != ElementKind::DropDownList)
        return;
    for (const Text& item : design_.items)
        SendMessageA(handle_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

void Element::Forget() {
    handle_ = nullptr;
    parent_ = nullptr;
    font_.Reset();
}

Text Element::Caption() const {
    return handle_ ? WindowText(handle_) : caption_;
}

void Element::SetCaption(const Text& caption) {
    caption_ = caption;
    if (handle_)
        SetWindowTextA(handle_, caption.c_str());
}

int Element::Position() const {
    if (handle_ && Kind() == ElementKind::ProgressBar)
        return static_cast<int>(SendMessageA(handle_, PBM_GETPOS, 0, 0));
    return position_;
}

void Element::SetPosition(int position) {
    position_ = position < 0 ? 0 : position > 100 ? 100 : position;
    if (handle_ && Kind() == ElementKind::ProgressBar)
        SendMessageA(handle_, PBM_SETPOS, static_cast<WPARAM>(position_), 0);
}

int Element::Selection() const {
    if (handle_ && Kind() == ElementKind::DropDownList)
        return static_cast<int>(SendMessageA(handle_, CB_GETCURSEL, 0, 0));
    return selection_;
}

void Element::SetSelection(int index) {
    selection_ = index;
    if (handle_ && Kind() == ElementKind::DropDownList)
        SendMessageA(handle_, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void Element::SetColour(COLORREF colour) {
    colour_ = colour;
    if (handle_)
        InvalidateRect(handle_, nullptr, TRUE);
}

bool Element::ShowOpenDialog() {
    if (Kind() != ElementKind::OpenFileDialog)
        return false;
    Text filter = DialogFilter(design_.filter);
    Text file(kLongPath, '\0');
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = parent_;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = &file[0];
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrInitialDir = initialFolder_.empty() ? nullptr : initialFolder_.c_str();
    dialog.lpstrDefExt = design_.defaultExtension.empty() ? nullptr : design_.defaultExtension.c_str();
    // The dialog would otherwise move the working directory, against which the toolbox
    // resolves its relative names.
    dialog.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (!GetOpenFileNameA(&dialog))
        return false;
    chosenPath_ = file.c_str();
    return true;
}

void Element::RaiseProgress(int percent) const {
    if (design_.onProgress)
        design_.onProgress(percent);
}

void Element::OnCommand(int notification) {
    switch (Kind()) {
    case ElementKind::Button:
        if (notification == BN_CLICKED && design_.onClick)
            design_.onClick();
        break;
    case ElementKind::ColourPicker:
        if (notification == BN_CLICKED)
            PickColour();
        break;
    case ElementKind::Hyperlink:
        if (notification == STN_CLICKED && MayOpen())
            ShellExecuteA(nullptr, "open", design_.address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
        break;
    default:
        break;
    }
}

bool Element::MayOpen() const {
    return !design_.mayOpen || design_.mayOpen();
}

void Element::PickColour() {
    if (!MayOpen())
        return;
    static COLORREF customColours[16] = {};
    CHOOSECOLORA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = parent_;
    dialog.rgbResult = colour_;
    dialog.lpCustColors = customColours;
    dialog.Flags = CC_RGBINIT | CC_FULLOPEN;
    if (!ChooseColorA(&dialog))
        return;
    SetColour(dialog.rgbResult);
    if (design_.onClick)
        design_.onClick();
}

void Element::Draw(const DRAWITEMSTRUCT& item) const {
    RECT swatch = item.rcItem;
    DrawEdge(item.hDC, &swatch, (item.itemState & ODS_SELECTED) ? EDGE_SUNKEN : EDGE_RAISED,
             BF_RECT | BF_ADJUST);
    BrushHandle brush(CreateSolidBrush(colour_));
    FillRect(item.hDC, &swatch, brush.Get());
    if (item.itemState & ODS_FOCUS) {
        InflateRect(&swatch, -2, -2);
        DrawFocusRect(item.hDC, &swatch);
    }
}

} // namespace toolbox
