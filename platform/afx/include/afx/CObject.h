// Root of the layer's class tree: a virtual destructor so handle maps and owners can
// delete through the base, and no copying (every object owns or names a system handle).
#pragma once

#include "afx/AfxApi.h"

class AFX_API CObject {
public:
    virtual ~CObject();
    CObject(const CObject&) = delete;
    CObject& operator=(const CObject&) = delete;

protected:
    CObject() = default;
};
