#include "SceneBitmapData.h"

#include <cstring>

SceneBitmapData::SceneBitmapData() = default;

SceneBitmapData::~SceneBitmapData() = default;

int SceneBitmapData::AddSlot(const CoreImageDesc& desc, const void* pixels, size_t size) {
    Slot slot{desc, std::vector<uint8_t>(size)};
    if (pixels && size) {
        std::memcpy(slot.pixels.data(), pixels, size);
    }
    m_slots.push_back(std::move(slot));
    // The vector may have moved every slot: refresh the pixel pointers of the descriptors.
    for (Slot& each : m_slots) {
        each.desc.Pixels = each.pixels.empty() ? nullptr : each.pixels.data();
    }
    return static_cast<int>(m_slots.size()) - 1;
}

int SceneBitmapData::GetSlotCount() const {
    return static_cast<int>(m_slots.size());
}

int SceneBitmapData::GetCurrentSlot() const {
    return m_current;
}

bool SceneBitmapData::SetCurrentSlot(int slot) {
    if (!HasSlot(slot)) {
        return false;
    }
    m_current = slot;
    return true;
}

uint8_t* SceneBitmapData::LockSurfacePtr(int slot) {
    return HasSlot(slot) && !m_slots[slot].pixels.empty() ? m_slots[slot].pixels.data() : nullptr;
}

bool SceneBitmapData::GetSlotDesc(int slot, CoreImageDesc& desc) const {
    if (!HasSlot(slot)) {
        return false;
    }
    desc = m_slots[slot].desc;
    return true;
}

bool SceneBitmapData::HasSlot(int slot) const {
    return slot >= 0 && slot < static_cast<int>(m_slots.size());
}
