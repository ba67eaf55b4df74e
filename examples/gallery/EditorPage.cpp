#include "EditorPage.h"

#include <string>

namespace {

const char kSampleScript[] = "// Rolls the ball to the next checkpoint\r\n"
                             "function OnCheckpoint(ball, index) {\r\n"
                             "\tif (index > last) {\r\n"
                             "\t\tball.SetSpeed(speeds[index] * 1.5);\r\n"
                             "\t\tPlaySound(\"checkpoint\", true); // once\r\n"
                             "\t}\r\n"
                             "\tlast = index;\r\n"
                             "}\r\n";

const UINT kFullscreenButton = 101;
const UINT_PTR kOpenListTimer = 1;

// A small vocabulary: a class with members, the "." between a variable and its member, a
// variable known without a declaration, and a few global words with descriptions.
void RegisterVocabulary(KaloRichEdit& editor) {
    editor.AddOwnerType("Ball");
    editor.AddKeyWord("Ball", "SetSpeed", "SetSpeed(float speed): rolling speed");
    editor.AddKeyWord("Ball", "GetSpeed", "GetSpeed(): rolling speed");
    editor.AddKeyWord("Ball", "SetPosition", "SetPosition(Vector where)");
    editor.AddKeyWord("Ball", "Jump", "Jump(float height)");
    editor.AddOwnerSeparator(".");
    editor.AddGlobalAssociation("ball", "Ball");
    editor.AddKeyWord(nullptr, "PlaySound", "PlaySound(string name)");
    editor.AddKeyWord(nullptr, "PlayMusic", "PlayMusic(string name, bool loop)");
    editor.AddKeyWord(nullptr, "function", nullptr);
}

// The host's words and scopes: control words, the game's calls, constants, line comments.
void RegisterColours(KaloRichEdit& editor) {
    for (const char* word : {"function", "if", "else", "return", "while", "for", "var"})
        editor.AddColorKeyWord(word, RGB(0, 0, 192));
    for (const char* word : {"PlaySound", "SetSpeed", "GetSpeed"})
        editor.AddColorKeyWord(word, RGB(0, 112, 112));
    for (const char* word : {"true", "false", "null"})
        editor.AddColorKeyWord(word, RGB(160, 80, 0));
    editor.AddColorLineScope("//", RGB(0, 128, 0));
}

class EditorPage : public GalleryPage {
public:
    // `openList`: the page opens with the member list of "ball." shown, for a screenshot.
    explicit EditorPage(bool openList = false) : m_openList(openList) {}

protected:
    BOOL CreateControls() override {
        if (!m_script.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_MULTILINE | ES_AUTOHSCROLL |
                                 ES_AUTOVSCROLL,
                             CRect(16, 34, 436, 250), this, 1) ||
            !m_line.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, CRect(16, 290, 436, 310), this,
                           2) ||
            !m_fullscreen.Create("Full screen (Alt+Enter)", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,
                                 CRect(456, 210, 636, 236), this, kFullscreenButton))
            return FALSE;
        m_fullscreen.SetFont(GetKaloFont(0));
        // Flag 0x20: the border in the theme's border colour.
        m_script.ModifyFlags(0x20, 0);
        m_line.ModifyFlags(0x20, 0);
        RegisterColours(m_script);
        RegisterColours(m_line);
        m_script.SetWindowText(kSampleScript);
        m_script.ClearUndo();
        // One recorded edit, so the context menu offers Undo.
        m_script.SetSel(0, 0);
        m_script.ReplaceSelection("\t", 0, 0);
        m_line.SetWindowText("speeds[index] * 1.5 // checkpoint");
        RegisterVocabulary(m_script);
        m_script.UpdateColors();
        m_line.UpdateColors();
        if (m_openList)
            SetTimer(kOpenListTimer, 500);
        return TRUE;
    }

    // Once the page is on the screen: a member list at a new line's "ball.".
    void OnTimer(UINT_PTR id) {
        KillTimer(id);
        m_script.SetFocus();
        const int end = m_script.GetTextLength();
        m_script.SetSel(end, end);
        m_script.ReplaceSelection("ball.Set", 0, 0);
        m_script.ProposeAutoComplete();
    }

    void PaintPage(CDC& dc, const CRect& client) override {
        GalleryPage::PaintPage(dc, client);
        Label(dc, 16, 14,
              "Script editor: colours from the host's words, own undo, auto-indent, bracket pairs, Ctrl+E");
        Label(dc, 456, 150, "Completion: \"ball.\", \"Play\" + Tab");
        Label(dc, 16, 270, "Single line (DefaultHeight)");
        Label(dc, 456, 34, "Context menu (built at run time)");
        PaintMenu(dc, CRect(456, 54, 596, 0), m_script.BuildContextMenu());
        Label(dc, 456, 250, "Esc leaves full screen and tells the parent");
    }

    void OnFullscreen() { m_script.ToggleFullscreen(); }

    DECLARE_MESSAGE_MAP()

private:
    // The menu as it would drop down, drawn so a screenshot shows it.
    void PaintMenu(CDC& dc, CRect box, HMENU menu) {
        const int rowHeight = 20;
        const int count = GetMenuItemCount(menu);
        box.bottom = box.top + count * rowHeight + 4;
        dc.FillSolidRect(&box, GetKaloColor(ZC_CONTROLBACK));
        dc.Draw3dRect(&box, GetKaloColor(ZC_CONTROLBORDER), GetKaloColor(ZC_CONTROLBORDER));
        for (int i = 0; i < count; ++i) {
            char name[32] = "";
            GetMenuStringA(menu, static_cast<UINT>(i), name, sizeof name, MF_BYPOSITION);
            const int y = box.top + 2 + i * rowHeight;
            if (!*name) {
                dc.FillSolidRect(box.left + 4, y + rowHeight / 2, box.Width() - 8, 1,
                                 GetKaloColor(ZC_CONTROLBORDER));
                continue;
            }
            std::string shown;
            for (const char* c = name; *c; ++c)
                if (*c != '&')
                    shown += *c;
            Label(dc, box.left + 12, y + 3, shown.c_str());
        }
        DestroyMenu(menu);
    }

    KaloRichEdit m_script;
    KaloRichEdit m_line;
    CButton m_fullscreen;
    bool m_openList;
};

BEGIN_MESSAGE_MAP(EditorPage, GalleryPage)
ON_BN_CLICKED(kFullscreenButton, OnFullscreen)
ON_WM_TIMER()
END_MESSAGE_MAP()

} // namespace

std::unique_ptr<GalleryPage> MakeEditorPage() {
    return std::make_unique<EditorPage>();
}

std::unique_ptr<GalleryPage> MakeEditorCompletionPage() {
    return std::make_unique<EditorPage>(true);
}
