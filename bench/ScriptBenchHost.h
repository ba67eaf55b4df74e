// The script benchmarks' window: a visible host with a multi-line editor filling it.
#pragma once

#include <Trellis.h>

inline void OpenScriptBenchHost(CWnd& host, KaloRichEdit& editor) {
    InitKaloControls();
    host.CreateEx(0, AfxRegisterWndClass(0), "bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 800, 600,
                  nullptr, nullptr);
    editor.Create(WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOHSCROLL | ES_AUTOVSCROLL,
                  CRect(0, 0, 780, 560), &host, 1);
}
