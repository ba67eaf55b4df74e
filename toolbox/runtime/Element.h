// One element of a designed window: its design, its Win32 control while the window is
// loaded, and the properties and events the toolbox code uses. Properties can be read
// and set whether or not the window is loaded; setting takes effect at once.
#pragma once

#include "Design.h"
#include "Handles.h"

namespace toolbox {

class Element {
public:
    explicit Element(ElementDesign design);

    ElementKind Kind() const { return design_.kind; }
    const Text& Name() const { return design_.name; }
    // The control's window; null for invisible elements and while the window is not loaded.
    HWND Handle() const { return handle_; }

    // Caption of a label, button or hyperlink; content of an edit box.
    Text Caption() const;
    void SetCaption(const Text& caption);
    // Progress bar position, 0 to 100.
    int Position() const;
    void SetPosition(int position);
    // Drop-down list selection index, -1 when none.
    int Selection() const;
    void SetSelection(int index);
    // Colour picker colour (0x00BBGGRR).
    COLORREF Colour() const { return colour_; }
    void SetColour(COLORREF colour);
    // Open-file dialog: the folder it opens in (empty: the one Windows chooses), and the
    // full path of the file the user confirmed last.
    const Text& InitialFolder() const { return initialFolder_; }
    void SetInitialFolder(const Text& folder) { initialFolder_ = folder; }
    const Text& ChosenPath() const { return chosenPath_; }
    // Shows the open-file dialog, modal; true when the user confirmed a file. The working
    // directory is left as it was.
    bool ShowOpenDialog();

    // Unzip unit: the destination of the entry extracted last, and its progress event.
    const Text& CurrentFile() const { return currentFile_; }
    void SetCurrentFile(const Text& path) { currentFile_ = path; }
    void RaiseProgress(int percent) const;

    // Used by the designed window that holds the element.
    bool Create(HWND parent, int id, HFONT windowFont);
    void Forget();
    void OnCommand(int notification);
    void Draw(const DRAWITEMSTRUCT& item) const;
    // Whether a click may open this colour picker's dialog or this hyperlink's page now.
    bool MayOpen() const;
    bool IsHyperlink(HWND control) const {
        return control && control == handle_ && Kind() == ElementKind::Hyperlink;
    }

private:
    HWND CreateControl(HWND parent, int id);
    void FillList() const;
    void PickColour();

    ElementDesign design_;
    HWND parent_ = nullptr;
    HWND handle_ = nullptr;
    FontHandle font_;
    Text caption_;
    int position_ = 0;
    int selection_ = -1;
    COLORREF colour_;
    Text initialFolder_;
    Text chosenPath_;
    Text currentFile_;
};

} // namespace toolbox
