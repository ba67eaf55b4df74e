#include <afxcmn.h>

namespace {

HBITMAP BitmapOf(CBitmap* bitmap) {
    return bitmap ? static_cast<HBITMAP>(*bitmap) : nullptr;
}

} // namespace

CImageList::~CImageList() {
    DeleteImageList();
}

BOOL CImageList::Attach(HIMAGELIST handle) {
    if (!handle || m_hImageList)
        return FALSE;
    m_hImageList = handle;
    return TRUE;
}

HIMAGELIST CImageList::Detach() {
    HIMAGELIST handle = m_hImageList;
    m_hImageList = nullptr;
    return handle;
}

BOOL CImageList::DeleteImageList() {
    return m_hImageList && ImageList_Destroy(Detach());
}

BOOL CImageList::Create(int cx, int cy, UINT flags, int initial, int grow) {
    HIMAGELIST created = ImageList_Create(cx, cy, flags, initial, grow);
    if (Attach(created))
        return TRUE;
    if (created)
        ImageList_Destroy(created);
    return FALSE;
}

BOOL CImageList::Create(UINT bitmapId, int cx, int grow, COLORREF mask) {
    LPCSTR name = MAKEINTRESOURCEA(bitmapId);
    HINSTANCE module = AfxFindResourceHandle(name, MAKEINTRESOURCEA(2) /* RT_BITMAP */);
    HIMAGELIST created =
        ImageList_LoadImageA(module, name, cx, grow, mask, IMAGE_BITMAP, LR_CREATEDIBSECTION);
    if (Attach(created))
        return TRUE;
    if (created)
        ImageList_Destroy(created);
    return FALSE;
}

int CImageList::GetImageCount() const {
    return ImageList_GetImageCount(m_hImageList);
}

int CImageList::Add(CBitmap* bitmap, CBitmap* mask) {
    return ImageList_Add(m_hImageList, BitmapOf(bitmap), BitmapOf(mask));
}

int CImageList::Add(CBitmap* bitmap, COLORREF mask) {
    return ImageList_AddMasked(m_hImageList, BitmapOf(bitmap), mask);
}

int CImageList::Add(HICON icon) {
    return ImageList_AddIcon(m_hImageList, icon);
}

BOOL CImageList::Remove(int index) {
    return ImageList_Remove(m_hImageList, index);
}

BOOL CImageList::Replace(int index, CBitmap* bitmap, CBitmap* mask) {
    return ImageList_Replace(m_hImageList, index, BitmapOf(bitmap), BitmapOf(mask));
}

COLORREF CImageList::SetBkColor(COLORREF color) {
    return ImageList_SetBkColor(m_hImageList, color);
}

COLORREF CImageList::GetBkColor() const {
    return ImageList_GetBkColor(m_hImageList);
}

BOOL CImageList::GetImageInfo(int index, IMAGEINFO* info) const {
    return ImageList_GetImageInfo(m_hImageList, index, info);
}

BOOL CImageList::Draw(CDC* dc, int index, POINT point, UINT style) {
    return dc && ImageList_Draw(m_hImageList, index, dc->m_hDC, point.x, point.y, style);
}

HICON CImageList::ExtractIconHandle(int index) {
    return ImageList_GetIcon(m_hImageList, index, ILD_NORMAL);
}

BOOL CImageList::BeginDrag(int index, CPoint hotSpot) {
    return ImageList_BeginDrag(m_hImageList, index, hotSpot.x, hotSpot.y);
}

BOOL CImageList::DragEnter(CWnd* lock, CPoint point) {
    return ImageList_DragEnter(lock ? lock->m_hWnd : nullptr, point.x, point.y);
}

BOOL CImageList::DragMove(CPoint point) {
    return ImageList_DragMove(point.x, point.y);
}

BOOL CImageList::DragLeave(CWnd* lock) {
    return ImageList_DragLeave(lock ? lock->m_hWnd : nullptr);
}

void CImageList::EndDrag() {
    ImageList_EndDrag();
}
