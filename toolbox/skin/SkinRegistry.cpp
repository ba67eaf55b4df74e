#include "SkinRegistry.h"

#include "WindowProps.h"

SkinWindowRecord* SkinRegistry::RecordOf(HWND window) {
    INT_PTR index = ReadProp(window, skinprop::RegistryIndex);
    if (index < 1 || index > Count())
        return nullptr;
    return &records_[size_t(index - 1)];
}

const SkinWindowRecord* SkinRegistry::RecordOf(HWND window) const {
    return const_cast<SkinRegistry*>(this)->RecordOf(window);
}

int SkinRegistry::Find(HWND window) const {
    for (size_t i = 0; i < records_.size(); ++i) {
        if (records_[i].window == window)
            return static_cast<int>(i + 1);
    }
    return 0;
}

void SkinRegistry::Add(SkinWindowRecord record) {
    HWND window = record.window;
    records_.push_back(std::move(record));
    WriteProp(window, skinprop::RegistryIndex, Count());
}

bool SkinRegistry::Remove(HWND window) {
    int position = Find(window);
    if (position == 0)
        return false;
    records_.erase(records_.begin() + (position - 1));
    for (size_t i = 0; i < records_.size(); ++i)
        WriteProp(records_[i].window, skinprop::RegistryIndex, INT_PTR(i + 1));
    return true;
}
