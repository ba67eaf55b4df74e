// Maps a system handle to the C++ object that wraps it. Permanent entries are objects that
// own or were attached to a handle; temporary entries are wrappers made on demand by
// FromHandle and deleted by AfxDeleteTempMaps (the message pump calls it when idle), so a
// pointer from FromHandle is valid only until the next idle time.
#pragma once

#include <map>
#include <memory>
#include <typeindex>
#include <unordered_map>
#include <utility>

template <class Base, class Handle> class HandleMap {
public:
    explicit HandleMap(Handle Base::*slot) : slot_(slot) {}
    ~HandleMap() { DeleteTemporary(); }
    HandleMap(const HandleMap&) = delete;
    HandleMap& operator=(const HandleMap&) = delete;

    void SetPermanent(Handle handle, Base* object) { permanent_[handle] = object; }
    void RemovePermanent(Handle handle, const Base* object) {
        auto it = permanent_.find(handle);
        if (it != permanent_.end() && it->second == object)
            permanent_.erase(it);
    }
    Base* FindPermanent(Handle handle) const {
        auto it = permanent_.find(handle);
        return it == permanent_.end() ? nullptr : it->second;
    }

    // The permanent object when it has the requested type, else a temporary wrapper of that type.
    template <class T> T* FromHandle(Handle handle) {
        if (!handle)
            return nullptr;
        if (T* object = dynamic_cast<T*>(FindPermanent(handle)))
            return object;
        auto& entry = temporary_[Key(handle, std::type_index(typeid(T)))];
        if (!entry) {
            auto wrapper = std::make_unique<T>();
            static_cast<Base*>(wrapper.get())->*slot_ = handle;
            entry = std::move(wrapper);
        }
        return static_cast<T*>(entry.get());
    }

    // Temporary wrappers never own their handles: clear them before the destructor runs.
    void DeleteTemporary() {
        for (auto& entry : temporary_)
            entry.second.get()->*slot_ = Handle();
        temporary_.clear();
    }

    size_t TemporaryCount() const { return temporary_.size(); }

private:
    using Key = std::pair<Handle, std::type_index>;
    Handle Base::*slot_;
    std::unordered_map<Handle, Base*> permanent_;
    std::map<Key, std::unique_ptr<Base>> temporary_;
};
