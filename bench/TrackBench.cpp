// Track control: what a paint and a one-row scroll cost as the item count grows, and how long
// finding and moving the last item takes. For 100, 10,000 and 100,000 items (every third with
// three sub-items, every fourth collapsed, the rest one sub-item) it prints host draw callbacks
// and milliseconds per full paint deep in the list, callbacks per one-row scroll, and the Find
// and Move times, with the paint time as a ratio to 100 items (goal: at most 1.2).
//   track_bench [item counts, default 100 10000 100000]
#include "BenchSupport.h"

#include <Trellis.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <algorithm>
#include <string>
#include <vector>

namespace {

int g_callbacks = 0;

// Key bars, as a host would draw them.
void DrawKeys(KaloTrackCtrl*, int item, int sub, CDC* dc, RECT rect, void*) {
    ++g_callbacks;
    for (int key = 0; key < 6; ++key) {
        const int x = rect.left + 10 + key * 40 + (item * 7 + sub * 13) % 30;
        dc->FillSolidRect(x, rect.top + 3, 24, rect.bottom - rect.top - 6,
                          RGB(40 * key, 120, 200 - 30 * key));
    }
}

void Fill(KaloTrackCtrl& track, int count) {
    char name[32];
    for (int i = 0; i < count; ++i) {
        std::snprintf(name, sizeof name, "Track %d", i);
        const int item = track.AddItem(name, nullptr);
        for (int k = 0; k < (i % 3 == 0 ? 3 : 1); ++k) {
            track.AddSubItem(item, "key", nullptr);
        }
        if (i % 4 == 0) {
            track.Expand(item, KALOTRACK_COLLAPSE);
        }
    }
}

// Milliseconds per run of `work`, the best of several batches: the machine is shared, and the
// best batch is the one least disturbed.
double BestMs(int runs, const std::function<void()>& work) {
    double best = 1e9;
    for (int batch = 0; batch < 7; ++batch) {
        best = std::min(best, Seconds([&] {
                                  for (int i = 0; i < runs; ++i) {
                                      work();
                                  }
                              }) * 1000.0 /
                                  runs);
    }
    return best;
}

struct Figures {
    double paintCallbacks, paintMs, scrollCallbacks, findMs, moveMs;
};

Figures Measure(CWnd& host, int count) {
    KaloTrackCtrl track;
    track.SetSubItemDefaultDrawFunction(DrawKeys, nullptr);
    // Filled before the window exists: the scroll bar is laid out once, at creation.
    Fill(track, count);
    track.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 602, 402), &host, 1);
    HWND bar = ::GetDlgItem(track.GetSafeHwnd(), KaloTrackCtrl::ScrollBarId);
    track.SendMessage(WM_VSCROLL, SB_BOTTOM, reinterpret_cast<LPARAM>(bar));
    track.UpdateWindow();

    Figures figures{};
    const int paints = 20;
    g_callbacks = 0;
    figures.paintMs = BestMs(paints, [&] {
        track.Invalidate(FALSE);
        track.UpdateWindow();
    });
    figures.paintCallbacks = static_cast<double>(g_callbacks) / (7 * paints);

    const int scrolls = 40;
    g_callbacks = 0;
    for (int i = 0; i < scrolls; ++i) {
        track.SendMessage(WM_VSCROLL, SB_LINEUP, reinterpret_cast<LPARAM>(bar));
        track.UpdateWindow();
    }
    figures.scrollCallbacks = static_cast<double>(g_callbacks) / scrolls;

    const std::string last = "Track " + std::to_string(count - 1);
    figures.findMs = BestMs(5, [&] { track.FindItem(last.c_str(), nullptr, 0); });
    figures.moveMs = BestMs(5,
                            [&] {
                                track.MoveItem(count - 1, 0);
                                track.MoveItem(0, count - 1);
                            }) /
                     2;
    track.DestroyWindow();
    return figures;
}

} // namespace

int main(int argc, char** argv) {
    std::vector<int> counts{100, 10000, 100000};
    if (argc > 1) {
        counts.clear();
        for (int i = 1; i < argc; ++i) {
            counts.push_back(std::atoi(argv[i]));
        }
    }
    InitKaloControls();
    CWnd host;
    host.CreateEx(0, AfxRegisterWndClass(0), "track bench", WS_POPUP | WS_VISIBLE, 0, 0, 620, 420, nullptr,
                  nullptr);
    std::printf("%8s %16s %10s %8s %17s %9s %9s\n", "items", "callbacks/paint", "ms/paint", "ratio",
                "callbacks/scroll", "find ms", "move ms");
    double baseMs = 0;
    for (int count : counts) {
        const Figures f = Measure(host, count);
        if (baseMs == 0) {
            baseMs = f.paintMs;
        }
        std::printf("%8d %16.1f %10.3f %8.2f %17.2f %9.3f %9.3f\n", count, f.paintCallbacks, f.paintMs,
                    f.paintMs / baseMs, f.scrollCallbacks, f.findMs, f.moveMs);
    }
    host.DestroyWindow();
    return 0;
}
