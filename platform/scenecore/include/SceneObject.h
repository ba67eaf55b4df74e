#pragma once

#include "ScenecoreExport.h"

#include "SceneBitmapData.h"

// Class identifiers of the engine objects that bear a bitmap.
constexpr int SCENE_CLASS_TEXTURE = 28;
constexpr int SCENE_CLASS_SPRITE = 31;

// An engine object. Only the bitmap-bearing classes carry bitmap data.
class SCENECORE_API SceneObject {
public:
    explicit SceneObject(int classId);
    virtual ~SceneObject();
    SceneObject(const SceneObject&) = delete;
    SceneObject& operator=(const SceneObject&) = delete;

    int GetClassID() const;
    bool HasBitmap() const;
    // The object's bitmap data, or null for a class without one.
    SceneBitmapData* GetBitmapData();
    // The current slot's descriptor; false when the object has no bitmap or no slot.
    bool GetImageDesc(CoreImageDesc& desc) const;

private:
    int m_classId;
    SceneBitmapData m_bitmap;
};
