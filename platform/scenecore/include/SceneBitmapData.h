#pragma once

#include "ScenecoreExport.h"

#include "CoreImageDesc.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// The images (slots) of a bitmap-bearing engine object, one of which is current. Each slot
// owns a copy of its pixels, laid out as its descriptor says.
class SCENECORE_API SceneBitmapData {
public:
    SceneBitmapData();
    ~SceneBitmapData();
    SceneBitmapData(const SceneBitmapData&) = delete;
    SceneBitmapData& operator=(const SceneBitmapData&) = delete;

    // Copies size bytes of pixels into a new slot; returns its index. The first slot becomes
    // current.
    int AddSlot(const CoreImageDesc& desc, const void* pixels, size_t size);
    int GetSlotCount() const;

    int GetCurrentSlot() const;
    // False (and nothing changes) for a slot that does not exist.
    bool SetCurrentSlot(int slot);

    // The pixel memory of a slot, or null for a slot that does not exist.
    uint8_t* LockSurfacePtr(int slot);
    // The slot's descriptor with its pixel pointer; false for a slot that does not exist.
    bool GetSlotDesc(int slot, CoreImageDesc& desc) const;

private:
    struct Slot {
        CoreImageDesc desc;
        std::vector<uint8_t> pixels;
    };
    bool HasSlot(int slot) const;

    std::vector<Slot> m_slots;
    int m_current = 0;
};
