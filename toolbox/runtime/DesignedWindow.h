// A designed window: created from its design with all its elements, its created handler
// run once per load, events dispatched to the elements' handlers. The toolbox keeps one
// object per design, so each window exists at most once.
#pragma once

#include "Design.h"
#include "Element.h"
#include "Handles.h"

#include <vector>

namespace toolbox {

class DesignedWindow {
public:
    explicit DesignedWindow(WindowDesign design);
    ~DesignedWindow();
    DesignedWindow(const DesignedWindow&) = delete;
    DesignedWindow& operator=(const DesignedWindow&) = delete;

    // Creates the window and its elements, runs the created handler, then shows the window
    // unless the handler closed it. False when the window could not be created. A window
    // that is already loaded is only brought to the front.
    bool Load(HWND owner);
    void Close();
    bool IsLoaded() const { return handle_ != nullptr; }
    HWND Handle() const { return handle_; }

    Text Title() const;
    void SetTitle(const Text& title);

    // The element of that name; an inert element when the design has none.
    Element& Item(const Text& name);

    // While set, the thread's message loop is told to end when the last designed window
    // has been destroyed.
    static void QuitWhenLastWindowCloses(bool quit);
    static int LoadedCount();

    // Re-enables this owner when the window is destroyed (a modal load disabled it).
    void SetDisabledOwner(HWND owner) { disabledOwner_ = owner; }

private:
    static bool RegisterWindowClass();
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    bool CreateElements();
    Element* ElementOf(HWND control);
    void OnCommand(WPARAM wParam, LPARAM lParam);
    bool OnDrawItem(const DRAWITEMSTRUCT& item);
    LRESULT OnControlColour(WPARAM wParam, LPARAM lParam);
    bool OnSetCursor(HWND control);
    void OnDestroy();
    void OnFinalDestroy();

    WindowDesign design_;
    std::vector<Element> elements_;
    HWND handle_ = nullptr;
    HWND disabledOwner_ = nullptr;
    FontHandle font_;
};

} // namespace toolbox
