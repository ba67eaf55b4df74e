#include "SystemLibrary.h"

namespace {

HMODULE LoadFromSystemDirectory(const char* fileName) {
    char directory[MAX_PATH] = {};
    UINT length = GetSystemDirectoryA(directory, sizeof directory);
    if (length == 0 || length >= sizeof directory)
        return nullptr;
    std::string path = std::string(directory) + "\\" + fileName;
    // The altered search path makes the library's own dependencies resolve from its folder too.
    return LoadLibraryExA(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

} // namespace

std::string MissingEntryMessage(const std::string& library, const std::string& function) {
    std::string detail = library.empty()
                             ? "无法找到指定DLL库文件中的输出命令“" + function + "”"
                             : "无法找到指定DLL库文件“" + library + "”中的输出命令“" + function + "”";
    return "运行时出错!\r\n\r\n错误信息：" + detail + "\r\n";
}

void FailMissingEntry(const std::string& library, const std::string& function) {
    MessageBoxA(nullptr, MissingEntryMessage(library, function).c_str(), "信息：",
                MB_OK | MB_ICONERROR | MB_TASKMODAL);
    ExitProcess(static_cast<UINT>(-1));
}

SystemLibrary::SystemLibrary(const char* displayName, const char* fileName)
    : displayName_(displayName), module_(LoadFromSystemDirectory(fileName)) {}

SystemLibrary::~SystemLibrary() {
    if (module_)
        FreeLibrary(module_);
}

FARPROC SystemLibrary::RequireEntry(const char* function) const {
    FARPROC address = module_ ? GetProcAddress(module_, function) : nullptr;
    if (!address)
        FailMissingEntry(displayName_, function);
    return address;
}
