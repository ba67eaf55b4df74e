#pragma once

#include "MathcoreExport.h"

#include <cstdint>

// Owned, growable byte string. Lengths are 32-bit: undo records and selections of long
// scripts exceed 65,535 bytes. Every member that allocates lives in the DLL, so memory is
// always freed by the module that allocated it.
class MATHCORE_API CoreBaseString {
public:
    // The text, never null: a string that never held text reads as "".
    const char* CStr() const { return m_text ? m_text : ""; }
    uint32_t Length() const { return m_length; }
    bool IsEmpty() const { return m_length == 0; }
    // Room for text bytes (not counting the terminating NUL).
    uint32_t Capacity() const { return m_capacity; }

    // Byte-wise, case-sensitive: negative, 0 or positive like strcmp.
    int Compare(const CoreBaseString& other) const;
    int Compare(const char* text) const;

protected:
    CoreBaseString() = default;
    ~CoreBaseString() = default;

    // First member: readers that see the raw object find the text pointer here.
    char* m_text = nullptr;
    uint32_t m_length = 0;
    uint32_t m_capacity = 0;
};

class MATHCORE_API CoreString : public CoreBaseString {
public:
    CoreString() = default;
    // Copies text; a length of 0 means the whole text up to its NUL.
    explicit CoreString(const char* text, uint32_t length = 0);
    CoreString(const CoreString& other);
    CoreString(CoreString&& other) noexcept;
    ~CoreString();

    CoreString& operator=(const char* text);
    CoreString& operator=(const CoreString& other);
    CoreString& operator=(CoreString&& other) noexcept;

    // Replaces the contents with the first length bytes of text (0: up to the NUL).
    CoreString& Create(const char* text, uint32_t length);
    // Replaces the contents with exactly length bytes of text: 0 gives the empty string.
    // Use this for computed slices, where an empty range must stay empty.
    CoreString& Assign(const char* text, uint32_t length);

    // Afterwards the buffer holds at least size text bytes plus a NUL and may be filled
    // through Data(); call SyncLength() after filling it. False when memory runs out.
    bool Reserve(uint32_t size);
    // Writable buffer, null while nothing is allocated.
    char* Data() { return m_text; }
    // Takes the length from the NUL written into the buffer (bounded by the capacity).
    void SyncLength();

    CoreString& operator+=(const CoreBaseString& other);
    CoreString& Append(const char* text, uint32_t length);

    void Clear();

    bool operator==(const CoreBaseString& other) const { return Compare(other) == 0; }
    bool operator!=(const CoreBaseString& other) const { return Compare(other) != 0; }
    bool operator<(const CoreBaseString& other) const { return Compare(other) < 0; }
    bool operator==(const char* text) const { return Compare(text) == 0; }
    bool operator!=(const char* text) const { return Compare(text) != 0; }

private:
    bool Grow(uint64_t size);
};
