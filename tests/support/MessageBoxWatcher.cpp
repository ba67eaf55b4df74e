#include "MessageBoxWatcher.h"

namespace {

const int kMessageTextId = 0xFFFF;

std::string WindowText(HWND window) {
    int length = GetWindowTextLengthA(window);
    std::string text(length + 1, '\0');
    text.resize(GetWindowTextA(window, &text[0], length + 1));
    return text;
}

// The box's icon is a static control showing one of the shared system icons.
UINT IconKind(HWND box) {
    struct Kind {
        LPCSTR id;
        UINT style;
    };
    const Kind kinds[] = {{IDI_HAND, MB_ICONERROR},
                          {IDI_ASTERISK, MB_ICONINFORMATION},
                          {IDI_EXCLAMATION, MB_ICONWARNING},
                          {IDI_QUESTION, MB_ICONQUESTION}};
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) != SS_ICON)
            continue;
        auto shown = reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0));
        for (const Kind& kind : kinds)
            if (shown && shown == LoadIconA(nullptr, kind.id))
                return kind.style;
    }
    return 0;
}

struct Search {
    DWORD process;
    std::vector<HWND> boxes;
};

BOOL CALLBACK CollectBoxes(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    if (process == search->process && lstrcmpA(className, "#32770") == 0 && IsWindowVisible(window))
        search->boxes.push_back(window);
    return TRUE;
}

} // namespace

std::vector<HWND> VisibleDialogs(DWORD processId) {
    Search search{processId, {}};
    EnumWindows(CollectBoxes, reinterpret_cast<LPARAM>(&search));
    return search.boxes;
}

MessageBoxWatcher::MessageBoxWatcher(DWORD processId)
    : process_(processId), stop_(CreateEventA(nullptr, TRUE, FALSE, nullptr)), thread_([this] { Watch(); }) {}

MessageBoxWatcher::~MessageBoxWatcher() {
    SetEvent(stop_);
    thread_.join();
    CloseHandle(stop_);
}

std::vector<SeenMessageBox> MessageBoxWatcher::Seen() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return seen_;
}

bool MessageBoxWatcher::WaitFor(size_t count, DWORD timeoutMs) const {
    DWORD start = GetTickCount();
    while (GetTickCount() - start < timeoutMs) {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (seen_.size() >= count)
                return true;
        }
        Sleep(10);
    }
    return false;
}

void MessageBoxWatcher::Watch() {
    while (WaitForSingleObject(stop_, 15) == WAIT_TIMEOUT) {
        std::vector<HWND> boxes = VisibleDialogs(process_);
        for (HWND box : boxes)
            Record(box);
    }
}

void MessageBoxWatcher::Record(HWND box) {
    HWND textControl = GetDlgItem(box, kMessageTextId);
    if (!textControl || GetWindowTextLengthA(textControl) == 0)
        return; // not filled in yet, or not a message box
    {
        std::lock_guard<std::mutex> lock(mutex_);
        for (HWND seen : handled_)
            if (seen == box && IsWindow(box))
                return; // already pressed; waiting for it to close
        handled_.push_back(box);
        seen_.push_back({WindowText(textControl), WindowText(box), IconKind(box)});
    }
    // Posted, never sent: the box's owner thread is inside the modal loop.
    HWND ok = GetDlgItem(box, IDOK);
    PostMessageA(ok ? ok : box, ok ? BM_CLICK : WM_COMMAND, ok ? 0 : IDOK, 0);
}
