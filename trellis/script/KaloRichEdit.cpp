#include "KaloRichEdit.h"

#include "GdiScoped.h"
#include "KaloDefaults.h"

#include <shellapi.h>
#include <tom.h>
#include <windowsx.h>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace {

// Missing from the toolchain's uuid library.
const IID kIidTextDocument = {0x8CC497C0, 0xA1DF, 0x11CE, {0x80, 0x98, 0x00, 0xAA, 0x00, 0x47, 0xBE, 0x5D}};
const int kTabStops = 32;
const int kMaxTabSize = 64;

struct ReleaseCom {
    void operator()(IUnknown* object) const { object->Release(); }
};
template <class T> using ComPtr = std::unique_ptr<T, ReleaseCom>;

struct DestroyMenuHandle {
    void operator()(HMENU menu) const { DestroyMenu(menu); }
};

struct CloseFile {
    void operator()(FILE* file) const { fclose(file); }
};
using FilePtr = std::unique_ptr<FILE, CloseFile>;

DWORD CALLBACK ReadStream(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* done) {
    *done = static_cast<LONG>(fread(buffer, 1, static_cast<size_t>(size), reinterpret_cast<FILE*>(cookie)));
    return 0;
}

DWORD CALLBACK WriteStream(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* done) {
    *done = static_cast<LONG>(fwrite(buffer, 1, static_cast<size_t>(size), reinterpret_cast<FILE*>(cookie)));
    return *done == size ? 0 : 1;
}

// Marks the editor as the author of the text changes made in a scope.
class BusyScope {
public:
    explicit BusyScope(int& busy) : m_busy(busy) { ++m_busy; }
    ~BusyScope() { --m_busy; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    int& m_busy;
};

} // namespace

int KaloRichEdit::DefaultHeight = 12;

BEGIN_MESSAGE_MAP(KaloRichEdit, CRichEditCtrl)
ON_NOTIFY_REFLECT_EX(EN_MSGFILTER, OnMsgfilter)
ON_NOTIFY_REFLECT(EN_DRAGDROPDONE, OnDragDropDone)
ON_NOTIFY_REFLECT(EN_DROPFILES, OnDropFilesNotify)
ON_CONTROL_REFLECT_EX(EN_CHANGE, OnChange)
ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

KaloRichEdit::KaloRichEdit()
    : m_model(*this), m_history(m_syntax.Separators()),
      m_completion(m_model, m_history, m_syntax.Separators()), m_popup(m_completion, m_autoComplete),
      m_filter(m_model, m_history, m_syntax.Separators(), m_popup, m_completion) {
    m_editBrush = KaloCtlGetDefaultEditBrush();
}

KaloRichEdit::~KaloRichEdit() {
    // The window's last messages must not reach the members that go first.
    DestroyWindow();
}

BOOL KaloRichEdit::PreCreateWindow(CREATESTRUCTA& cs) {
    m_creating = true;
    return CRichEditCtrl::PreCreateWindow(cs);
}

void KaloRichEdit::PreSubclassWindow() {
    CRichEditCtrl::PreSubclassWindow();
    // A window being created has no editor behind it before WM_CREATE: set up there.
    if (!m_creating)
        SetUp();
}

void KaloRichEdit::SetUp() {
    ModifyStyle(0, WS_VSCROLL | WS_HSCROLL, SWP_FRAMECHANGED);
    CRect rect;
    GetWindowRect(&rect);
    const int height = (GetStyle() & ES_MULTILINE) ? rect.Height() : DefaultHeight;
    SetWindowPos(nullptr, 0, 0, rect.Width(), height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetEventMask(ENM_KEYEVENTS | ENM_DROPFILES | ENM_DRAGDROPDONE | ENM_CHANGE);
    SetBackgroundColor(FALSE, GetBackColor());
    DragAcceptFiles(TRUE);
    // Lines are paragraphs: indentation and line reads must never see wrapped rows.
    SetTargetDevice(nullptr, 1);
    CHARFORMATA format{};
    format.dwMask = CFM_COLOR;
    format.crTextColor = GetTextColor();
    SetDefaultCharFormat(format);
    SetFont(GetControlFont(), FALSE);
    ApplyTabStops();
    m_history.Rebase(m_model);
    m_popup.Create(*this, GetControlFont());
}

// ---- undo and clipboard ----

int KaloRichEdit::DoUndo() {
    BusyScope busy(m_busy);
    return m_history.Undo(m_model);
}

int KaloRichEdit::DoRedo() {
    BusyScope busy(m_busy);
    return m_history.Redo(m_model);
}

int KaloRichEdit::DoPaste() {
    BusyScope busy(m_busy);
    return m_history.Paste(m_model);
}

int KaloRichEdit::DoCut() {
    BusyScope busy(m_busy);
    m_history.Cut(m_model);
    return 0;
}

void KaloRichEdit::ClearUndo() {
    m_history.Clear();
}

void KaloRichEdit::SetUndoLimit(int limit) {
    m_history.SetLimit(limit);
}

int KaloRichEdit::GetUndoLimit() {
    return m_history.Limit();
}

void KaloRichEdit::CurrentSelectionIsBeingReplaced(int before, int after, const char* text) {
    m_history.Announce(m_model, before != 0, after != 0, text);
}

void KaloRichEdit::ReplaceSelection(const char* text, int before, int after) {
    BusyScope busy(m_busy);
    m_history.ReplaceSelection(m_model, text, before != 0, after != 0);
}

// ---- completion ----

void KaloRichEdit::AddKeyWord(const char* className, const char* word, const char* description) {
    m_completion.AddKeyWord(className, word, description);
}

void KaloRichEdit::AddOwnerType(const char* typeName) {
    m_completion.AddOwnerType(typeName);
}

void KaloRichEdit::AddOwnerSeparator(const char* text) {
    m_completion.AddOwnerSeparator(text);
}

void KaloRichEdit::AddGlobalAssociation(const char* name, const char* typeName) {
    m_completion.AddGlobalAssociation(name, typeName);
}

void KaloRichEdit::ResetAutoComplete() {
    // The list's items point at suggestions of the classes about to go.
    m_popup.Hide(false);
    m_completion.Reset();
}

// ---- reading ----

void KaloRichEdit::GetCurSelString(CoreString& out) {
    const CHARRANGE selection = m_model.Selection();
    m_model.ReadRange(selection.cpMin, selection.cpMax, out);
}

void KaloRichEdit::GetRangeString(CoreString& out, int start, int end) {
    // EM_GETTEXTRANGE reads without touching the selection, so nothing flickers or scrolls.
    m_model.ReadRange(start, end, out);
}

int KaloRichEdit::GetOverTypeMode() {
    return QueryOverTypeMode() ? tomSelOvertype : 0;
}

bool KaloRichEdit::QueryOverTypeMode() {
    ComPtr<IRichEditOle> ole(GetIRichEditOle());
    if (!ole)
        return false;
    ITextDocument* document = nullptr;
    if (FAILED(ole->QueryInterface(kIidTextDocument, reinterpret_cast<void**>(&document))) || !document)
        return false;
    ComPtr<ITextDocument> documentOwner(document);
    ITextSelection* selection = nullptr;
    if (FAILED(document->GetSelection(&selection)) || !selection)
        return false;
    ComPtr<ITextSelection> selectionOwner(selection);
    long flags = 0;
    return SUCCEEDED(selection->GetFlags(&flags)) && (flags & tomSelOvertype);
}

void KaloRichEdit::SelectRow(int line) {
    const long start = m_model.LineStart(line);
    if (start < 0) {
        SetSel(0, 0);
        return;
    }
    const long next = m_model.LineStart(line + 1);
    SetSel(start, next < 0 ? m_model.Length() : next);
}

// ---- tabs, colours, font ----

void KaloRichEdit::SetTabSize(int size) {
    m_tabSize = size < 1 ? 1 : size > kMaxTabSize ? kMaxTabSize : size;
    if (m_hWnd)
        ApplyTabStops();
}

void KaloRichEdit::ApplyTabStops() {
    HDC dc = ::GetDC(m_hWnd);
    SIZE extent{0, 0};
    int dpi = 96;
    {
        CFont* font = GetControlFont();
        ScopedSelection selectFont(dc, font ? font->GetSafeHandle() : nullptr);
        GetTextExtentPoint32A(dc, "a", 1, &extent);
        dpi = GetDeviceCaps(dc, LOGPIXELSX);
    }
    ::ReleaseDC(m_hWnd, dc);
    const long width = MulDiv(extent.cx, 1440, dpi > 0 ? dpi : 96);
    PARAFORMAT format{};
    format.dwMask = PFM_TABSTOPS;
    format.cTabCount = kTabStops;
    for (int k = 0; k < kTabStops; ++k)
        format.rgxTabs[k] = (k + 1) * m_tabSize * width;
    SuspendRedraw();
    const CHARRANGE selection = m_model.Selection();
    SetSel(0, -1);
    SetParaFormat(format);
    SetSel(selection.cpMin, selection.cpMax);
    ResumeRedraw();
}

void KaloRichEdit::SetBackColor(COLORREF color) {
    KaloControl::SetBackColor(color);
    if (m_hWnd)
        SetBackgroundColor(FALSE, color);
}

void KaloRichEdit::SetControlFont(CFont* font) {
    KaloControl::SetControlFont(font);
    if (!m_hWnd)
        return;
    SetFont(GetControlFont());
    ApplyTabStops();
}

HBRUSH KaloRichEdit::CtlColor(CDC* dc, UINT) {
    CFont* font = GetControlFont();
    if (font && GetFont() != font)
        SetFont(font);
    dc->SetTextColor(GetTextColor());
    SetBackgroundColor(FALSE, GetBackColor());
    dc->SetBkColor(GetBackColor());
    CBrush* brush = GetControlBrush();
    return brush ? static_cast<HBRUSH>(brush->GetSafeHandle()) : nullptr;
}

// ---- redraw ----

void KaloRichEdit::SetRedraw(int on) {
    if (on)
        ResumeRedraw();
    else
        SuspendRedraw();
}

void KaloRichEdit::SuspendRedraw() {
    if (m_redrawDepth++ > 0)
        return;
    ModifyFlags(kRedrawSuspended, 0);
    // The view is kept by saving its scroll position rather than by switching automatic
    // scrolling off: on this platform each change of those options re-lays out the whole
    // document while drawing is off, which made a keystroke in a long script take seconds.
    SendMessage(EM_GETSCROLLPOS, 0, reinterpret_cast<LPARAM>(&m_savedScroll));
    m_redrawGuard = std::make_unique<KaloRedrawGuard>(m_hWnd, false);
}

void KaloRichEdit::ResumeRedraw() {
    if (m_redrawDepth == 0 || --m_redrawDepth > 0)
        return;
    ModifyFlags(0, kRedrawSuspended);
    POINT scroll{};
    SendMessage(EM_GETSCROLLPOS, 0, reinterpret_cast<LPARAM>(&scroll));
    // Set only when it moved: setting it re-evaluates the scroll bars while drawing is off.
    if (scroll.x != m_savedScroll.x || scroll.y != m_savedScroll.y)
        SendMessage(EM_SETSCROLLPOS, 0, reinterpret_cast<LPARAM>(&m_savedScroll));
    const bool wasDrawing = m_redrawGuard->Active();
    m_redrawGuard.reset();
    if (wasDrawing)
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_NOERASE | RDW_NOFRAME);
    SendMessage(EM_SCROLLCARET);
}

// ---- colouring ----

void KaloRichEdit::AddColorKeyWord(const char* word, COLORREF color) {
    m_syntax.AddKeyWord(word, color);
}

void KaloRichEdit::RemoveColorKeyWord(const char* word) {
    m_syntax.RemoveKeyWord(word);
}

void KaloRichEdit::RemoveAllColorKeyWords() {
    m_syntax.RemoveAll();
}

void KaloRichEdit::AddColorLineScope(const char* start, COLORREF color) {
    m_syntax.AddLineScope(start, color);
}

void KaloRichEdit::UpdateColors() {
    ColourLines(0, m_model.LineCount() - 1);
    RefreshScrollBars();
}

void KaloRichEdit::RefreshScrollBars() {
    // The rich edit re-evaluates which scroll bars its text needs only when its scrolling options
    // change, and that costs a layout of the whole text: done after whole-text work alone.
    const DWORD options = GetOptions();
    SetOptions(ECOOP_XOR, ECO_AUTOVSCROLL | ECO_AUTOHSCROLL);
    SetOptions(ECOOP_SET, options);
}

void KaloRichEdit::FormatLineRange(int first, int last) {
    const long count = m_model.LineCount();
    ColourLines(first, last <= 0 || last >= count ? count - 1 : last);
}

void KaloRichEdit::ColourDirtyRange() {
    const CHARRANGE dirty = m_history.DirtyRange();
    if (dirty.cpMin == dirty.cpMax)
        return;
    // The range ends after the character that follows the edit: its last position decides.
    ColourLines(m_model.LineFromPosition(dirty.cpMin) - 1,
                m_model.LineFromPosition(std::max(dirty.cpMin, dirty.cpMax - 1)));
}

void KaloRichEdit::ColourLines(long first, long last) {
    m_history.ClearDirty();
    first = std::max(first, 0L);
    last = std::min(last, m_model.LineCount() - 1);
    if (!m_hWnd || first > last)
        return;
    BusyScope busy(m_busy);
    KaloRedrawPause pause(m_model);
    HideSelection(TRUE, FALSE);
    // Both formats carry the colour alone: fonts and sizes the host applied stay.
    CHARFORMAT2A plain{};
    plain.cbSize = sizeof plain;
    SendMessage(EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&plain));
    plain.dwMask = CFM_COLOR;
    CHARFORMAT2A colour = plain;
    colour.dwEffects &= ~static_cast<DWORD>(CFE_AUTOCOLOR);
    const CHARRANGE selection = m_model.Selection();
    const long start = m_model.LineStart(first);
    const long next = m_model.LineStart(last + 1);
    const long end = next < 0 ? m_model.Length() : next;
    // The lines are read at once and return to the plain colour in one call: every formatting
    // call costs the rich edit far more than the walk.
    m_model.ReadRange(start, end, m_rangeBuffer);
    ApplyFormat(start, end, plain);
    const char* text = m_rangeBuffer.CStr();
    const char* const stop = text + m_rangeBuffer.Length();
    long position = start;
    for (long line = first; line <= last; ++line) {
        const char* lineEnd = std::find(text, stop, '\r');
        const long bytes = static_cast<long>(lineEnd - text) + (lineEnd < stop ? 1 : 0);
        ColourRuns(position, text, bytes, colour);
        position += KaloTextPositions(text, bytes);
        text += bytes;
        ++m_colouredLines;
    }
    m_model.Select(selection.cpMin, selection.cpMax);
    HideSelection(FALSE, FALSE);
}

void KaloRichEdit::ColourRuns(long lineStart, const char* text, long bytes, CHARFORMAT2A& colour) {
    KaloColourLine(text, bytes, m_syntax, m_runs);
    for (const KaloColourRun& run : m_runs) {
        colour.crTextColor = run.Color;
        ApplyFormat(lineStart + run.Start, lineStart + run.End, colour);
    }
}

void KaloRichEdit::ApplyFormat(long start, long end, CHARFORMAT2A& format) {
    SetSel(start, end);
    SendMessage(EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
}

// ---- files ----

int KaloRichEdit::Load(const char* path) {
    FilePtr file(fopen(path, "rb"));
    if (!file)
        return 0;
    fseek(file.get(), 0, SEEK_END);
    const long size = ftell(file.get());
    fseek(file.get(), 0, SEEK_SET);
    if (size > GetLimitText())
        LimitText(size);
    BusyScope busy(m_busy);
    EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(file.get()), 0, ReadStream};
    StreamIn(SF_TEXT, stream);
    m_history.Rebase(m_model);
    UpdateColors();
    return 1;
}

int KaloRichEdit::Save(const char* path) {
    FilePtr file(fopen(path, "wb"));
    if (!file)
        return 0;
    EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(file.get()), 0, WriteStream};
    StreamOut(SF_TEXT, stream);
    // A full disk is a failure too, not a saved script.
    const bool written = stream.dwError == 0 && fflush(file.get()) == 0;
    return written ? 1 : 0;
}

int KaloRichEdit::LoadFromDrop(HDROP drop) {
    char path[MAX_PATH] = "";
    if (!DragQueryFileA(drop, 0, path, MAX_PATH))
        return 0;
    return Load(path);
}

void KaloRichEdit::OnDropFilesNotify(NMHDR* header, LRESULT* result) {
    // The control owns the drop handle of its notification; it is not finished here.
    LoadFromDrop(static_cast<HDROP>(reinterpret_cast<ENDROPFILES*>(header)->hDrop));
    *result = 0;
}

// ---- full screen ----

void KaloRichEdit::ToggleFullscreen() {
    if (!m_fullscreen) {
        m_fullscreenParent = ::GetParent(m_hWnd);
        GetWindowRect(&m_fullscreenRect);
        ::MapWindowPoints(nullptr, m_fullscreenParent, reinterpret_cast<POINT*>(&m_fullscreenRect), 2);
        ModifyStyle(WS_CHILD, WS_POPUP);
        ModifyStyleEx(0, WS_EX_TOPMOST | WS_EX_TOOLWINDOW);
        ::SetParent(m_hWnd, nullptr);
        // The parent stays the owner, so notifications still reach it.
        SetWindowLongPtrA(m_hWnd, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(m_fullscreenParent));
        ::SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, GetSystemMetrics(SM_CXSCREEN),
                       GetSystemMetrics(SM_CYSCREEN), SWP_FRAMECHANGED);
        m_fullscreen = true;
        SetFocus();
        return;
    }
    ModifyStyle(WS_POPUP, WS_CHILD);
    ::SetParent(m_hWnd, m_fullscreenParent);
    m_fullscreen = false;
    MoveWindow(&m_fullscreenRect);
}

// ---- menus and commands ----

HMENU KaloRichEdit::BuildContextMenu() const {
    HMENU menu = CreatePopupMenu();
    if (m_history.UndoCount() > 0)
        AppendMenuA(menu, MF_STRING, ID_KALO_EDIT_UNDO, "&Undo");
    if (m_history.RedoCount() > 0)
        AppendMenuA(menu, MF_STRING, ID_KALO_EDIT_REDO, "&Redo");
    if (m_history.UndoCount() > 0 || m_history.RedoCount() > 0)
        AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, ID_KALO_EDIT_PASTE, "&Paste");
    return menu;
}

void KaloRichEdit::OnContextMenu(CPoint point) {
    if (point.x == -1 && point.y == -1) {
        // From the keyboard: at the caret.
        point = PosFromChar(static_cast<UINT>(m_model.Selection().cpMin));
        ClientToScreen(&point);
    }
    std::unique_ptr<std::remove_pointer_t<HMENU>, DestroyMenuHandle> menu(BuildContextMenu());
    TrackPopupMenu(menu.get(), TPM_LEFTALIGN | TPM_RIGHTBUTTON, point.x, point.y, 0, m_hWnd, nullptr);
}

BOOL KaloRichEdit::OnCommandId(UINT id) {
    switch (id) {
    case ID_KALO_EDIT_CUT:
        DoCut();
        return TRUE;
    case ID_KALO_EDIT_COPY:
        Copy();
        return TRUE;
    case ID_KALO_EDIT_PASTE:
        DoPaste();
        return TRUE;
    case ID_KALO_EDIT_UNDO:
        DoUndo();
        return TRUE;
    case ID_KALO_EDIT_REDO:
        DoRedo();
        return TRUE;
    default:
        return FALSE;
    }
}

// ---- notifications ----

KaloKeyState KaloRichEdit::KeysNow() const {
    // GetKeyState: the keys as they were when the message being handled was queued.
    return {GetKeyState(VK_CONTROL) < 0, GetKeyState(VK_SHIFT) < 0, GetKeyState(VK_MENU) < 0};
}

BOOL KaloRichEdit::OnMsgfilter(NMHDR* header, LRESULT* result) {
    const MSGFILTER* filter = reinterpret_cast<const MSGFILTER*>(header);
    if (filter->msg == WM_KEYUP) {
        OnKeyRelease(filter->wParam);
        m_popup.OnKeyRelease(filter->wParam);
        return TRUE;
    }
    BusyScope busy(m_busy);
    *result = m_filter.Filter(filter->msg, filter->wParam, KeysNow()) ? 1 : 0;
    return TRUE;
}

void KaloRichEdit::OnKeyRelease(WPARAM key) {
    // Virtual key 255 is no key: input methods and some keyboards send it. Up and Down walk an
    // open suggestion list, so the text has not changed.
    const bool listKey = (key == VK_UP || key == VK_DOWN) && m_popup.IsVisible();
    if (key != 0xFF && !listKey)
        ColourDirtyRange();
}

BOOL KaloRichEdit::OnChange() {
    // A drag inside the text changes it before EN_DRAGDROPDONE says what happened.
    if (m_busy == 0 && !m_dragArmed)
        m_history.CheckUnannounced(m_model);
    return FALSE; // the parent hears of it too
}

void KaloRichEdit::OnButtonDown() {
    const CHARRANGE selection = m_model.Selection();
    m_dragRange = selection;
    m_dragBaseLength = m_model.Length();
    if (selection.cpMin != selection.cpMax)
        m_model.ReadRange(selection.cpMin, selection.cpMax, m_dragText);
    m_dragArmed = true;
}

void KaloRichEdit::OnDragDropDone(NMHDR*, LRESULT* result) {
    *result = 0;
    const bool ours = m_dragArmed && m_dragRange.cpMin < m_dragRange.cpMax;
    m_dragArmed = false;
    const long grown = m_model.Length() - m_dragBaseLength;
    const long dragged = m_dragRange.cpMax - m_dragRange.cpMin;
    // The rich edit leaves the dropped text selected.
    const CHARRANGE dropped = m_model.Selection();
    // A drop from another program, or one whose lengths do not add up, has no records that
    // could describe it: the history starts again.
    const bool recorded = ours && (grown == 0 || grown == dragged);
    if (recorded)
        m_history.RecordDrop(m_model, m_dragRange.cpMin, m_dragRange.cpMax, m_dragText, grown != 0);
    else
        m_history.Rebase(m_model);
    ColourLines(m_model.LineFromPosition(dropped.cpMin), m_model.LineFromPosition(dropped.cpMax));
    if (recorded && grown == 0) {
        // A move also changed the line it left; that line shifted when the text went before it.
        const long left = m_dragRange.cpMin + (dropped.cpMin < m_dragRange.cpMin ? dragged : 0);
        const long line = m_model.LineFromPosition(left);
        ColourLines(line, line);
    }
}

LRESULT KaloRichEdit::OnKillFocus(HWND gaining) {
    if (!RedrawSuspended())
        Invalidate();
    const HWND self = m_hWnd;
    ::SendMessageA(::GetParent(self), KALO_RICHEDIT_KILLFOCUS, reinterpret_cast<WPARAM>(gaining),
                   static_cast<LPARAM>(GetDlgCtrlID()));
    // The parent may have destroyed the editor in its handler.
    if (!::IsWindow(self) || FromHandlePermanent(self) != this)
        return 0;
    m_popup.OnKillFocus(gaining);
    return Default();
}

void KaloRichEdit::EraseBackground(HDC dc) {
    CRect client;
    GetClientRect(&client);
    ScopedGdiObject<HBRUSH> brush(CreateSolidBrush(GetBackColor()));
    FillRect(dc, &client, brush.Get());
}

void KaloRichEdit::PaintBorder() {
    WINDOWINFO info{};
    info.cbSize = sizeof info;
    if (!GetWindowInfo(m_hWnd, &info) || (info.cxWindowBorders == 0 && info.cyWindowBorders == 0))
        return;
    HDC dc = ::GetWindowDC(m_hWnd);
    const int width = info.rcWindow.right - info.rcWindow.left;
    const int height = info.rcWindow.bottom - info.rcWindow.top;
    const int bx = static_cast<int>(info.cxWindowBorders);
    const int by = static_cast<int>(info.cyWindowBorders);
    ScopedGdiObject<HBRUSH> brush(CreateSolidBrush((m_flags & 0x20) ? GetBorderColor() : GetBackColor()));
    const RECT edges[] = {{0, 0, width, by},
                          {0, height - by, width, height},
                          {0, 0, bx, height},
                          {width - bx, 0, width, height}};
    for (const RECT& edge : edges)
        FillRect(dc, &edge, brush.Get());
    ::ReleaseDC(m_hWnd, dc);
}

LRESULT KaloRichEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: {
        const LRESULT result = CRichEditCtrl::WindowProc(message, wParam, lParam);
        if (m_creating && result != -1)
            SetUp();
        m_creating = false;
        return result;
    }
    case WM_ERASEBKGND:
        if (!RedrawSuspended())
            EraseBackground(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_NCPAINT:
        if (RedrawSuspended())
            return 0;
        CRichEditCtrl::WindowProc(message, wParam, lParam);
        PaintBorder();
        return 0;
    case WM_DROPFILES: {
        const HDROP drop = reinterpret_cast<HDROP>(wParam);
        LoadFromDrop(drop);
        DragFinish(drop);
        return 0;
    }
    case WM_CONTEXTMENU:
        OnContextMenu(CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)));
        return 0;
    case WM_COMMAND:
        if (lParam == 0 && OnCommandId(LOWORD(wParam)))
            return 0;
        break;
    case WM_CTLCOLORSTATIC:
        if (HBRUSH brush = m_popup.CtlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)))
            return reinterpret_cast<LRESULT>(brush);
        break;
    case WM_DESTROY:
        m_popup.Destroy();
        break;
    case WM_UNDO:
    case EM_UNDO:
        return DoUndo();
    case EM_REDO:
        return DoRedo();
    case EM_CANUNDO:
        return m_history.UndoCount() > 0;
    case EM_CANREDO:
        return m_history.RedoCount() > 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
        m_popup.OnButtonDown();
        OnButtonDown();
        break;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP: {
        const LRESULT result = CRichEditCtrl::WindowProc(message, wParam, lParam);
        m_dragArmed = false;
        m_popup.OnButtonUp();
        return result;
    }
    case WM_SETFOCUS:
        if (!RedrawSuspended())
            Invalidate();
        break;
    case WM_KILLFOCUS:
        return OnKillFocus(reinterpret_cast<HWND>(wParam));
    case WM_KEYDOWN:
        // These two never reach the key filter: the open list takes them first.
        if ((wParam == VK_TAB || wParam == VK_ESCAPE) && m_popup.OnKeyDown(wParam))
            return 0;
        if (wParam == VK_TAB)
            return 1; // tabs come from WM_CHAR only
        if (wParam == VK_ESCAPE) {
            if (m_fullscreen)
                ToggleFullscreen();
            ::SendMessageA(::GetParent(m_hWnd), KALO_RICHEDIT_ESCAPE, static_cast<WPARAM>(GetDlgCtrlID()), 0);
            return 0;
        }
        break;
    case WM_SYSKEYDOWN:
        if (wParam == VK_RETURN) {
            if (!m_fullscreen)
                ToggleFullscreen();
            return 0;
        }
        break;
    default:
        break;
    }
    return CRichEditCtrl::WindowProc(message, wParam, lParam);
}
