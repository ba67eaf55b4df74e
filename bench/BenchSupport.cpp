#include "BenchSupport.h"

#include "ZipWriter.h"

#include <windows.h>

double Seconds(const std::function<void()>& work) {
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    work();
    QueryPerformanceCounter(&end);
    return static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

std::string EntryData(size_t size, unsigned seed) {
    static const char* const words[] = {"level ", "ball ",  "texture ", "0.25 ",
                                        "speed ", "model ", "\r\n",     "wood "};
    std::string data;
    data.reserve(size + 16);
    unsigned state = seed * 2654435761u + 1;
    while (data.size() < size) {
        state = state * 1103515245u + 12345u;
        data += words[(state >> 16) & 7];
        data += static_cast<char>('a' + (state >> 8) % 26);
    }
    data.resize(size);
    return data;
}

std::string MakeArchive(int entries, size_t entrySize, uint64_t& totalBytes) {
    ZipWriter zip;
    totalBytes = 0;
    for (int i = 0; i < entries; ++i) {
        std::string folder = "dir" + std::to_string(i / 100) + "/";
        if (i % 100 == 0)
            zip.AddDirectory(folder);
        std::string data = EntryData(entrySize, static_cast<unsigned>(i));
        totalBytes += data.size();
        zip.AddFile(folder + "file" + std::to_string(i) + ".dat", data);
    }
    return zip.Finish();
}
