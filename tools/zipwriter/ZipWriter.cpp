#include "ZipWriter.h"

#include <zlib.h>

#include <cstdio>
#include <memory>

namespace {

const uint32_t kLocalHeader = 0x04034B50;
const uint32_t kCentralHeader = 0x02014B50;
const uint32_t kEndOfDirectory = 0x06054B50;
const uint16_t kVersion = 20;
const uint32_t kDirectoryAttribute = 0x10;
const uint32_t kDataDescriptor = 0x08074B50;
const uint16_t kDescriptorFlag = 0x8;

void Put16(std::string& out, uint16_t value) {
    out.push_back(static_cast<char>(value & 0xFF));
    out.push_back(static_cast<char>(value >> 8));
}

void Put32(std::string& out, uint32_t value) {
    Put16(out, static_cast<uint16_t>(value & 0xFFFF));
    Put16(out, static_cast<uint16_t>(value >> 16));
}

} // namespace

// Raw deflate (no zlib wrapper), as ZIP entries carry it.
std::string ZipWriter::Deflate(const std::string& data) {
    z_stream stream{};
    deflateInit2(&stream, Z_DEFAULT_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
    std::string out(deflateBound(&stream, static_cast<uLong>(data.size())), '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
    stream.avail_in = static_cast<uInt>(data.size());
    stream.next_out = reinterpret_cast<Bytef*>(&out[0]);
    stream.avail_out = static_cast<uInt>(out.size());
    deflate(&stream, Z_FINISH);
    out.resize(stream.total_out);
    deflateEnd(&stream);
    return out;
}

uint32_t ZipWriter::Crc(const std::string& data) {
    return static_cast<uint32_t>(
        crc32(0, reinterpret_cast<const Bytef*>(data.data()), static_cast<uInt>(data.size())));
}

void ZipWriter::AddDirectory(const std::string& name, uint32_t dosTime) {
    std::string withSlash = name.empty() || name.back() == '/' ? name : name + "/";
    AddEntry(withSlash, std::string(), 0, 0, 0, dosTime, true);
}

void ZipWriter::AddFile(const std::string& name, const std::string& data, Method method, uint32_t dosTime) {
    uint32_t size = static_cast<uint32_t>(data.size());
    if (method == Method::Deflated)
        AddEntry(name, Deflate(data), Z_DEFLATED, Crc(data), size, dosTime, false);
    else
        AddEntry(name, data, 0, Crc(data), size, dosTime, false);
}

void ZipWriter::AddRawFile(const std::string& name, const std::string& stored, uint16_t method, uint32_t crc,
                           uint32_t size, uint32_t dosTime) {
    AddEntry(name, stored, method, crc, size, dosTime, false);
}

void ZipWriter::AddEntry(const std::string& name, const std::string& stored, uint16_t method, uint32_t crc,
                         uint32_t size, uint32_t dosTime, bool directory) {
    uint32_t offset = static_cast<uint32_t>(body_.size());
    uint16_t nameLength = static_cast<uint16_t>(name.size());
    uint32_t storedSize = static_cast<uint32_t>(stored.size());

    const uint16_t flags = dataDescriptors_ ? kDescriptorFlag : 0;
    Put32(body_, kLocalHeader);
    Put16(body_, kVersion);
    Put16(body_, flags);
    Put16(body_, method);
    Put32(body_, dosTime);
    Put32(body_, dataDescriptors_ ? 0 : crc);
    Put32(body_, dataDescriptors_ ? 0 : storedSize);
    Put32(body_, dataDescriptors_ ? 0 : size);
    Put16(body_, nameLength);
    Put16(body_, 0); // extra field length
    body_ += name;
    body_ += stored;
    if (dataDescriptors_) {
        Put32(body_, kDataDescriptor);
        Put32(body_, crc);
        Put32(body_, storedSize);
        Put32(body_, size);
    }

    Put32(directory_, kCentralHeader);
    Put16(directory_, kVersion); // made by: MS-DOS attributes
    Put16(directory_, kVersion);
    Put16(directory_, flags);
    Put16(directory_, method);
    Put32(directory_, dosTime);
    Put32(directory_, crc);
    Put32(directory_, storedSize);
    Put32(directory_, size);
    Put16(directory_, nameLength);
    Put16(directory_, 0); // extra
    Put16(directory_, 0); // comment
    Put16(directory_, 0); // disk
    Put16(directory_, 0); // internal attributes
    Put32(directory_, directory ? kDirectoryAttribute : 0);
    Put32(directory_, offset);
    directory_ += name;
    ++count_;
}

std::string ZipWriter::Finish() {
    std::string archive;
    archive.swap(body_);
    uint32_t directoryOffset = static_cast<uint32_t>(archive.size());
    archive += directory_;
    Put32(archive, kEndOfDirectory);
    Put16(archive, 0);
    Put16(archive, 0);
    Put16(archive, count_);
    Put16(archive, count_);
    Put32(archive, static_cast<uint32_t>(directory_.size()));
    Put32(archive, directoryOffset);
    Put16(archive, 0); // comment length
    directory_.clear();
    count_ = 0;
    return archive;
}

bool WriteBytesToFile(const std::string& path, const std::string& bytes) {
    std::unique_ptr<FILE, decltype(&fclose)> file(fopen(path.c_str(), "wb"), &fclose);
    if (!file)
        return false;
    return fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size() && fflush(file.get()) == 0;
}
