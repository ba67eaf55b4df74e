#include "SoakCorpus.h"

#include "ZipWriter.h"

#include <algorithm>
#include <cstring>

namespace soak {

namespace {

const std::string kLevel = "3D Entities/Level/Level_01.qlx";

std::string Text(size_t size, unsigned seed) {
    std::string text;
    while (text.size() < size)
        text += "entity " + std::to_string(seed++ % 97) + " position 1.5 2.5 3.5\r\n";
    text.resize(size);
    return text;
}

std::string StoredAndDeflated() {
    ZipWriter zip;
    zip.AddDirectory("3D Entities/");
    zip.AddDirectory("3D Entities/Level/");
    zip.AddFile(kLevel, Text(3000, 1));
    zip.AddFile("readme.txt", "stock readme", ZipWriter::Method::Stored);
    zip.AddDirectory("Sounds/");
    zip.AddFile("Sounds/roll.wav", Text(20000, 2), ZipWriter::Method::Stored);
    zip.AddFile("Sounds/empty.wav", "");
    return zip.Finish();
}

std::string DoubleByteNames() {
    ZipWriter zip;
    zip.AddDirectory("汉化/");
    zip.AddFile("汉化/补丁.txt", Text(500, 3));
    zip.AddFile("\x81\x5C.txt", "backslash trail byte", ZipWriter::Method::Stored);
    zip.AddFile("data/existing.txt", Text(700, 4));
    return zip.Finish();
}

std::string DataDescriptors() {
    ZipWriter zip;
    zip.UseDataDescriptors(true);
    zip.AddDirectory("Database/");
    zip.AddFile("Database/save.db", Text(9000, 5));
    zip.AddFile("Database/flags.db", Text(64, 6), ZipWriter::Method::Stored);
    zip.AddFile("readme.txt", Text(200, 7));
    return zip.Finish();
}

std::string HostileNames() {
    ZipWriter zip;
    zip.AddFile("readme.txt", "hostile readme");
    zip.AddFile("../outside.txt", "escaped");
    zip.AddFile("data/../../outside2.txt", "escaped");
    zip.AddFile("C:evil.txt", "drive");
    return zip.Finish();
}

std::string ManySmallEntries() {
    ZipWriter zip;
    zip.AddDirectory("data/");
    for (int i = 0; i < 12; ++i)
        zip.AddFile("data/file" + std::to_string(i) + ".txt", Text(40 + i * 10, 10 + i),
                    i % 2 ? ZipWriter::Method::Stored : ZipWriter::Method::Deflated);
    zip.AddFile(kLevel, Text(1200, 30));
    return zip.Finish();
}

// Deterministic numbers for the mutations.
class Random {
public:
    explicit Random(uint32_t seed) : state_(seed * 2654435761u + 0x9E3779B9u) { Next(); }
    uint32_t Next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_;
    }
    size_t Below(size_t bound) { return bound ? Next() % bound : 0; }

private:
    uint32_t state_;
};

struct Field {
    size_t offset;
    size_t size;
};

// Fields worth breaking in each record: sizes, counts, offsets, lengths, method and flags.
const Field kLocalFields[] = {{6, 2}, {8, 2}, {10, 4}, {14, 4}, {18, 4}, {22, 4}, {26, 2}, {28, 2}};
const Field kCentralFields[] = {{8, 2},  {10, 2}, {12, 4}, {16, 4}, {20, 4}, {24, 4},
                                {28, 2}, {30, 2}, {32, 2}, {38, 4}, {42, 4}};
const Field kEndFields[] = {{8, 2}, {10, 2}, {12, 4}, {16, 4}, {20, 2}};

std::vector<size_t> Signatures(const std::string& archive, const char* signature) {
    std::vector<size_t> found;
    for (size_t at = archive.find(signature, 0, 4); at != std::string::npos;
         at = archive.find(signature, at + 1, 4))
        found.push_back(at);
    return found;
}

uint32_t BoundaryValue(Random& random, uint32_t old) {
    const uint32_t values[] = {0,       1,       0xFFFF,  0x7FFFFFFF,   0xFFFFFFFF,
                               old + 1, old - 1, old * 2, random.Next()};
    return values[random.Below(sizeof values / sizeof values[0])];
}

void OverwriteField(std::string& archive, Random& random) {
    struct Record {
        const char* signature;
        const Field* fields;
        size_t count;
    };
    const Record records[] = {{"PK\x03\x04", kLocalFields, sizeof kLocalFields / sizeof(Field)},
                              {"PK\x01\x02", kCentralFields, sizeof kCentralFields / sizeof(Field)},
                              {"PK\x05\x06", kEndFields, sizeof kEndFields / sizeof(Field)}};
    const Record& record = records[random.Below(3)];
    std::vector<size_t> starts = Signatures(archive, record.signature);
    if (starts.empty())
        return;
    const Field& field = record.fields[random.Below(record.count)];
    const size_t at = starts[random.Below(starts.size())] + field.offset;
    if (at + field.size > archive.size())
        return;
    uint32_t old = 0;
    std::memcpy(&old, &archive[at], field.size);
    uint32_t value = BoundaryValue(random, old);
    std::memcpy(&archive[at], &value, field.size); // little-endian, as the format
}

void Mutate(std::string& archive, Random& random) {
    if (archive.empty())
        return;
    switch (random.Below(5)) {
    case 0: // a few flipped bits anywhere
        for (size_t n = 1 + random.Below(4); n > 0; --n)
            archive[random.Below(archive.size())] ^= static_cast<char>(1u << random.Below(8));
        break;
    case 1:
        OverwriteField(archive, random);
        break;
    case 2: // cut short
        archive.resize(random.Below(archive.size()));
        break;
    case 3: { // bytes inserted or removed, shifting everything after them
        size_t at = random.Below(archive.size());
        if (random.Below(2))
            archive.insert(at, std::string(1 + random.Below(16), static_cast<char>(random.Next())));
        else
            archive.erase(at, 1 + random.Below(16));
        break;
    }
    default: // a run of random bytes
        for (size_t at = random.Below(archive.size()), n = 1 + random.Below(32); n > 0 && at < archive.size();
             --n, ++at)
            archive[at] = static_cast<char>(random.Next());
        break;
    }
}

} // namespace

const std::map<std::string, std::string>& GameLayout() {
    static const std::map<std::string, std::string> layout = {
        {"3D Entities\\", ""},
        {"3D Entities\\Level\\", ""},
        {"3D Entities\\Level\\Level_01.qlx", "the game's own level"},
        {"data\\", ""},
        {"data\\existing.txt", "the game's own data"},
        {"readme.txt", "the game's own readme"},
    };
    return layout;
}

const std::set<std::string>& EntryContents() {
    static const std::set<std::string> contents = [] {
        std::set<std::string> all = {"", "stock readme", "backslash trail byte", "hostile readme"};
        for (auto [size, seed] : {std::pair<size_t, unsigned>{3000, 1},
                                  {20000, 2},
                                  {500, 3},
                                  {700, 4},
                                  {9000, 5},
                                  {64, 6},
                                  {200, 7},
                                  {1200, 30}})
            all.insert(Text(size, seed));
        for (int i = 0; i < 12; ++i)
            all.insert(Text(40 + static_cast<size_t>(i) * 10, 10u + static_cast<unsigned>(i)));
        return all;
    }();
    return contents;
}

const std::vector<std::string>& SeedArchives() {
    static const std::vector<std::string> seeds = {StoredAndDeflated(), DoubleByteNames(), DataDescriptors(),
                                                   HostileNames(), ManySmallEntries()};
    return seeds;
}

std::string MutatedArchive(uint32_t index) {
    const std::vector<std::string>& seeds = SeedArchives();
    std::string archive = seeds[index % seeds.size()];
    Random random(index);
    for (size_t n = 1 + random.Below(3); n > 0; --n)
        Mutate(archive, random);
    return archive;
}

} // namespace soak
