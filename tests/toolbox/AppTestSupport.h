// Pieces of the toolbox application tests that drive its windows in this process: the
// sample game laid out in the test program's own folder (the toolbox's program
// directory), a message pump with a deadline, and lookups of controls by caption.
#pragma once

#include <windows.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

// The sample game with its unpacked "datas" in the program's folder. Everything there but
// the program itself is removed again afterwards.
class GameInProgramFolder {
public:
    GameInProgramFolder();
    ~GameInProgramFolder();
    GameInProgramFolder(const GameInProgramFolder&) = delete;
    GameInProgramFolder& operator=(const GameInProgramFolder&) = delete;

    bool Ready() const { return ready_; }
    // A path inside the game folder.
    std::string operator/(const std::string& name) const;
    static std::string Level(int number); // "3D Entities\Level\Level_NN.qlx"

private:
    bool ready_ = false;
};

// Dispatches this thread's messages until the condition holds; false when the time ran out.
bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs = 15000);
// Lets queued messages run for a while (things that must NOT happen get this long).
void PumpFor(DWORD ms);
// The first child control with this caption (ANSI), null when there is none.
HWND ChildByCaption(HWND parent, const std::string& caption);
// Texts of a combo box's items.
std::vector<std::string> ComboItems(HWND combo);
// The control's rectangle relative to its top-level window's top-left corner.
RECT RectInWindow(HWND control);
bool Exists(const std::string& path);

inline bool operator==(const RECT& a, const RECT& b) {
    return EqualRect(&a, &b) != FALSE;
}
std::ostream& operator<<(std::ostream& out, const RECT& rect);
