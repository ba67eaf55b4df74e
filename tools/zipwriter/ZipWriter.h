// Builds a ZIP archive in memory: stored or deflated file entries and directory entries,
// in the order they are added. Names are raw bytes (the Windows ANSI code page for our
// packages); no flag marks them as UTF-8. Archives stay below 4 GiB (no ZIP64).
#pragma once

#include <cstdint>
#include <string>

class ZipWriter {
public:
    enum class Method { Stored, Deflated };

    // A fixed entry time keeps generated archives byte-identical from run to run.
    static const uint32_t kDefaultDosTime = (44u << 25) | (6u << 21) | (15u << 16) | (12u << 11);

    void AddDirectory(const std::string& name, uint32_t dosTime = kDefaultDosTime);
    void AddFile(const std::string& name, const std::string& data, Method method = Method::Deflated,
                 uint32_t dosTime = kDefaultDosTime);
    // An entry exactly as given: data as stored, and whatever method, CRC and uncompressed
    // size it claims (for damaged or foreign archives).
    void AddRawFile(const std::string& name, const std::string& stored, uint16_t method, uint32_t crc,
                    uint32_t size, uint32_t dosTime = kDefaultDosTime);
    // Entries added from now on leave CRC and sizes out of their local header and give them
    // in a data descriptor after the data, as streaming writers do.
    void UseDataDescriptors(bool use) { dataDescriptors_ = use; }

    // Raw deflate data and CRC-32, as entries carry them.
    static std::string Deflate(const std::string& data);
    static uint32_t Crc(const std::string& data);
    // The finished archive; the writer is empty again afterwards.
    std::string Finish();

private:
    void AddEntry(const std::string& name, const std::string& stored, uint16_t method, uint32_t crc,
                  uint32_t size, uint32_t dosTime, bool directory);

    std::string body_;
    std::string directory_;
    uint16_t count_ = 0;
    bool dataDescriptors_ = false;
};

// Writes bytes to a file (created or truncated); false on any failure.
bool WriteBytesToFile(const std::string& path, const std::string& bytes);
