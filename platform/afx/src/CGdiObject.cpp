#include "HandleMaps.h"

CGdiObject::~CGdiObject() {
    DeleteObject();
}

CGdiObject* CGdiObject::FromHandle(HGDIOBJ handle) {
    return GdiHandleMap().FromHandle<CGdiObject>(handle);
}

void CGdiObject::DeleteTempMap() {
    GdiHandleMap().DeleteTemporary();
}

BOOL CGdiObject::Attach(HGDIOBJ handle) {
    if (!handle || m_hObject)
        return FALSE;
    m_hObject = handle;
    GdiHandleMap().SetPermanent(handle, this);
    return TRUE;
}

HGDIOBJ CGdiObject::Detach() {
    HGDIOBJ handle = m_hObject;
    if (handle)
        GdiHandleMap().RemovePermanent(handle, this);
    m_hObject = nullptr;
    return handle;
}

BOOL CGdiObject::DeleteObject() {
    if (!m_hObject)
        return FALSE;
    return ::DeleteObject(Detach());
}

BOOL CGdiObject::AttachNew(HGDIOBJ handle) {
    if (Attach(handle))
        return TRUE;
    if (handle)
        ::DeleteObject(handle);
    return FALSE;
}

int CGdiObject::GetObject(int count, LPVOID buffer) const {
    return m_hObject ? ::GetObjectA(m_hObject, count, buffer) : 0;
}

UINT CGdiObject::GetObjectType() const {
    return m_hObject ? ::GetObjectType(m_hObject) : 0;
}

BOOL CGdiObject::CreateStockObject(int index) {
    // Stock objects are never deleted by the system, so owning one is harmless.
    return Attach(::GetStockObject(index));
}

BOOL CGdiObject::UnrealizeObject() {
    return m_hObject && ::UnrealizeObject(m_hObject);
}
