#include "SceneObject.h"

SceneObject::SceneObject(int classId) : m_classId(classId) {}

SceneObject::~SceneObject() = default;

int SceneObject::GetClassID() const {
    return m_classId;
}

bool SceneObject::HasBitmap() const {
    return m_classId == SCENE_CLASS_TEXTURE || m_classId == SCENE_CLASS_SPRITE;
}

SceneBitmapData* SceneObject::GetBitmapData() {
    return HasBitmap() ? &m_bitmap : nullptr;
}

bool SceneObject::GetImageDesc(CoreImageDesc& desc) const {
    return HasBitmap() && m_bitmap.GetSlotDesc(m_bitmap.GetCurrentSlot(), desc);
}
