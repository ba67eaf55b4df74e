#include <afxcmn.h>

BOOL CRichEditCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return AfxInitRichEdit2() && CWnd::Create(RICHEDIT_CLASSA, nullptr, style, rect, parent, id);
}

void CRichEditCtrl::SetSel(long start, long end) {
    CHARRANGE range{start, end};
    SendMessage(EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
}

void CRichEditCtrl::GetSel(long& start, long& end) const {
    CHARRANGE range{0, 0};
    SendMessage(EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
    start = range.cpMin;
    end = range.cpMax;
}

long CRichEditCtrl::GetTextLength() const {
    return GetTextLengthEx(GTL_NUMCHARS | GTL_PRECISE);
}

long CRichEditCtrl::GetTextLengthEx(DWORD flags, UINT codePage) const {
    GETTEXTLENGTHEX request{flags, codePage};
    return static_cast<long>(SendMessage(EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&request)));
}

BOOL CRichEditCtrl::SetParaFormat(PARAFORMAT& format) {
    format.cbSize = sizeof format;
    return static_cast<BOOL>(SendMessage(EM_SETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&format)));
}

IRichEditOle* CRichEditCtrl::GetIRichEditOle() const {
    IRichEditOle* ole = nullptr;
    SendMessage(EM_GETOLEINTERFACE, 0, reinterpret_cast<LPARAM>(&ole));
    return ole;
}

long CRichEditCtrl::GetTextRange(long start, long end, LPSTR buffer) const {
    TEXTRANGEA range{{start, end}, buffer};
    return static_cast<long>(SendMessage(EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&range)));
}

BOOL CRichEditCtrl::SetSelectionCharFormat(CHARFORMATA& format) {
    format.cbSize = sizeof format;
    return static_cast<BOOL>(SendMessage(EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format)));
}

DWORD CRichEditCtrl::GetSelectionCharFormat(CHARFORMATA& format) const {
    format.cbSize = sizeof format;
    return static_cast<DWORD>(
        SendMessage(EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format)));
}

BOOL CRichEditCtrl::SetDefaultCharFormat(CHARFORMATA& format) {
    format.cbSize = sizeof format;
    return static_cast<BOOL>(SendMessage(EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format)));
}

int CRichEditCtrl::GetLine(int index, LPSTR buffer, int maxLength) const {
    // EM_GETLINE reads the buffer size from the buffer's first WORD.
    if (!buffer || maxLength < static_cast<int>(sizeof(WORD)))
        return 0;
    *reinterpret_cast<WORD*>(buffer) = static_cast<WORD>(maxLength > 0xFFFF ? 0xFFFF : maxLength);
    return static_cast<int>(
        SendMessage(EM_GETLINE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer)));
}

CPoint CRichEditCtrl::PosFromChar(UINT charIndex) const {
    POINTL point{0, 0};
    SendMessage(EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&point), static_cast<LPARAM>(charIndex));
    return CPoint(point.x, point.y);
}

int CRichEditCtrl::CharFromPos(CPoint point) const {
    POINTL at{point.x, point.y};
    return static_cast<int>(SendMessage(EM_CHARFROMPOS, 0, reinterpret_cast<LPARAM>(&at)));
}
