// Owner of one GDI object handle: deleted with the C++ object unless detached first.
#pragma once

#include "afx/CObject.h"

class AFX_API CGdiObject : public CObject {
public:
    HGDIOBJ m_hObject = nullptr;

    CGdiObject() = default;
    ~CGdiObject() override;

    operator HGDIOBJ() const { return m_hObject; }
    HGDIOBJ GetSafeHandle() const { return m_hObject; }

    static CGdiObject* FromHandle(HGDIOBJ handle);
    static void DeleteTempMap();

    // Fails on a null handle and on an object that already holds one (which would leak it).
    BOOL Attach(HGDIOBJ handle);
    HGDIOBJ Detach();
    BOOL DeleteObject();

    int GetObject(int count, LPVOID buffer) const;
    UINT GetObjectType() const;
    BOOL CreateStockObject(int index);
    BOOL UnrealizeObject();

protected:
    // Attaches a freshly created handle, deleting it when it cannot be attached.
    BOOL AttachNew(HGDIOBJ handle);
};
