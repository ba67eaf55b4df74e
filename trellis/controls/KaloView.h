#pragma once

#include "KaloControl.h"
#include "KaloLeftBar.h"
#include "KaloToolBar.h"

#include <memory>

// A window laid out as an optional tool bar along the top, an optional left bar down the
// left and one managed window filling the rest.
//
// Ownership: the view owns its tool bar and left bar, and it takes ownership of the window
// given to SetManagedWnd (it deletes it when the view goes). A managed window replaced by
// another one is released: it belongs to the host again, which deletes it.
class TRELLIS_API KaloView : public CWnd, public KaloControl {
public:
    KaloView();
    ~KaloView() override;

    // A child window of a plain class that clips its children.
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    // The bars are created on first show, then shown or hidden; the view lays out again.
    void ShowToolBar(int show);
    void ShowLeftBar(int show);
    KaloToolBar* GetToolBar() const { return m_toolBar.get(); }
    KaloLeftBar* GetLeftBar() const { return m_leftBar.get(); }
    void SetToolBarSize(int size);
    int GetToolBarSize() const { return m_toolBarSize; }
    void SetLeftBarSize(int size);
    int GetLeftBarSize() const { return m_leftBarSize; }

    // Takes ownership of wnd, makes the view its parent and lays out; the previous managed
    // window (if another) is handed back to the host undeleted. Null releases the current one.
    void SetManagedWnd(CWnd* wnd);
    CWnd* GetManagedWnd() const { return m_managed.get(); }

    void UpdateWindows();

protected:
    void OnSize(UINT type, int cx, int cy);
    BOOL OnEraseBkgnd(CDC* dc);

private:
    template <typename Bar> void ShowBar(std::unique_ptr<Bar>& bar, const char* name, int show);

    std::unique_ptr<KaloLeftBar> m_leftBar;
    std::unique_ptr<KaloToolBar> m_toolBar;
    std::unique_ptr<CWnd> m_managed;
    int m_toolBarShown = 0;
    int m_leftBarShown = 0;
    int m_toolBarSize = 20;
    int m_leftBarSize = 64;

    DECLARE_MESSAGE_MAP()
};
