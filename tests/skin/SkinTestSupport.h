// Shared pieces of the skin engine tests: an initialised engine per test, plain Win32 test
// windows, and a capture of a window's frame cache into a 32-bit DIB.
#pragma once

#include "PixelCanvas.h"
#include "SkinEngine.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

struct FrameCapture {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels; // 0x00RRGGBB, top-down

    COLORREF At(int x, int y) const;
};

// What WM_ERASEBKGND copies from the window's cache.
FrameCapture CaptureFrame(HWND window);
// How many pixels of `area` are white, as the banner and status texts are drawn.
int WhitePixels(const FrameCapture& frame, const RECT& area);

// Whether any pixel is magenta, the colour the skin's sheets key out.
bool HasMagenta(const PixelCanvas& canvas);

// Attach options with the given caption buttons (close is always there).
AttachOptions CaptionButtons(bool minimize, bool maximize, bool help = false, bool mainMenu = false);

// A plain top-level window (hidden unless asked) whose procedure is DefWindowProcA.
HWND CreateTestWindow(int width, int height, const char* title = "", DWORD style = WS_OVERLAPPEDWINDOW);

class SkinTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    HWND MakeWindow(int width, int height, const char* title = "", DWORD style = WS_OVERLAPPEDWINDOW);

    std::unique_ptr<SkinEngine> engine_;
    std::vector<HWND> windows_;
};

// A window procedure that records the system commands and non-client button-downs it gets
// and stops them there, so no modal move or size loop starts in a test.
struct RecordedMessage {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};
extern std::vector<RecordedMessage> g_recorded;
LRESULT CALLBACK CommandRecorder(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Removes and returns the WM_SYSCOMMAND codes posted to the window.
std::vector<WPARAM> TakePostedCommands(HWND window);

// What the engine left on a watched window as it went away: how many of its properties, and
// whether the procedure the window had before attaching was back.
struct Leftovers {
    int engineProps = -1;
    bool ownProcedureBack = false;
};
extern Leftovers g_leftovers;
// Subclasses one window at a time (before the engine does) to fill g_leftovers when it dies.
void WatchLeftovers(HWND window);

INT_PTR Prop(HWND window, const char* name);
// How many of the engine's named properties the window still carries.
int CountEngineProps(HWND window);
int Brightness(COLORREF colour);
// Each channel within `tolerance` of the expected colour.
::testing::AssertionResult ColourNear(COLORREF actual, COLORREF expected, int tolerance = 0);
