#include "CoreString.h"

#include <cstdlib>
#include <cstring>
#include <utility>

namespace {

uint32_t WholeLength(const char* text, uint32_t length) {
    if (!text) {
        return 0;
    }
    return length ? length : static_cast<uint32_t>(std::strlen(text));
}

} // namespace

int CoreBaseString::Compare(const CoreBaseString& other) const {
    return std::strcmp(CStr(), other.CStr());
}

int CoreBaseString::Compare(const char* text) const {
    return std::strcmp(CStr(), text ? text : "");
}

CoreString::CoreString(const char* text, uint32_t length) {
    Assign(text, WholeLength(text, length));
}

CoreString::CoreString(const CoreString& other) : CoreBaseString() {
    Assign(other.m_text, other.m_length);
}

CoreString::CoreString(CoreString&& other) noexcept : CoreBaseString() {
    std::swap(m_text, other.m_text);
    std::swap(m_length, other.m_length);
    std::swap(m_capacity, other.m_capacity);
}

CoreString::~CoreString() {
    std::free(m_text);
}

CoreString& CoreString::operator=(const char* text) {
    return Assign(text, WholeLength(text, 0));
}

CoreString& CoreString::operator=(const CoreString& other) {
    if (this != &other) {
        Assign(other.m_text, other.m_length);
    }
    return *this;
}

CoreString& CoreString::operator=(CoreString&& other) noexcept {
    std::swap(m_text, other.m_text);
    std::swap(m_length, other.m_length);
    std::swap(m_capacity, other.m_capacity);
    return *this;
}

CoreString& CoreString::Create(const char* text, uint32_t length) {
    return Assign(text, WholeLength(text, length));
}

CoreString& CoreString::Assign(const char* text, uint32_t length) {
    if (!text || length == 0) {
        Clear();
        return *this;
    }
    // The source may lie inside our own buffer (a slice of ourselves): move, never copy.
    const bool inside = m_text && text >= m_text && text < m_text + m_capacity + 1;
    const uint32_t offset = inside ? static_cast<uint32_t>(text - m_text) : 0;
    if (!Grow(length)) {
        return *this;
    }
    std::memmove(m_text, inside ? m_text + offset : text, length);
    m_text[length] = '\0';
    m_length = length;
    return *this;
}

bool CoreString::Reserve(uint32_t size) {
    if (!Grow(size)) {
        return false;
    }
    m_text[m_length] = '\0';
    return true;
}

void CoreString::SyncLength() {
    if (!m_text) {
        return;
    }
    m_text[m_capacity] = '\0';
    m_length = static_cast<uint32_t>(std::strlen(m_text));
}

CoreString& CoreString::operator+=(const CoreBaseString& other) {
    if (&other == this) {
        const CoreString copy(*this);
        return Append(copy.m_text, copy.m_length);
    }
    return Append(other.CStr(), other.Length());
}

CoreString& CoreString::Append(const char* text, uint32_t length) {
    if (!text || length == 0) {
        return *this;
    }
    // A pointer into our own buffer would dangle once Grow moves it: keep its offset.
    const bool inside = m_text && text >= m_text && text <= m_text + m_length;
    const size_t offset = inside ? static_cast<size_t>(text - m_text) : 0;
    if (!Grow(uint64_t(m_length) + length)) {
        return *this;
    }
    if (inside) {
        text = m_text + offset;
    }
    std::memmove(m_text + m_length, text, length);
    m_length += length;
    m_text[m_length] = '\0';
    return *this;
}

void CoreString::Clear() {
    m_length = 0;
    if (m_text) {
        m_text[0] = '\0';
    }
}

bool CoreString::Grow(uint64_t size) {
    if (size >= UINT32_MAX) {
        return false;
    }
    if (m_text && size <= m_capacity) {
        return true;
    }
    // Doubling keeps repeated appends linear.
    uint64_t capacity = m_capacity ? m_capacity : 15;
    while (capacity < size) {
        capacity *= 2;
    }
    if (capacity >= UINT32_MAX) {
        capacity = size;
    }
    auto* grown = static_cast<char*>(std::realloc(m_text, static_cast<size_t>(capacity) + 1));
    if (!grown) {
        return false;
    }
    if (!m_text) {
        grown[0] = '\0';
    }
    m_text = grown;
    m_capacity = static_cast<uint32_t>(capacity);
    return true;
}
