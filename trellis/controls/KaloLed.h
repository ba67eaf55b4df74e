#pragma once

#include "KaloBitmapButton.h"

#include <algorithm>

// A light that fades between its off bitmap (normal) and its on bitmap (pushed) when its
// check state changes: a timer moves the fade level 0..255 in fade-steps steps over the fade
// time, and in between the on bitmap is blended over the off one. Focused or under the
// mouse, the two mouse-over bitmaps are used; disabled, the disabled bitmap.
class TRELLIS_API KaloLed : public KaloBitmapButton {
public:
    KaloLed() = default;
    // Any running fade ends with the window.
    ~KaloLed() override;

    virtual void SetCheck(int check);
    // At least 1 ms.
    void SetFadeTime(int milliseconds) { m_fadeTime = std::max(milliseconds, 1); }
    int GetFadeTime() const { return m_fadeTime; }
    // At least 10 steps.
    void SetFadeSteps(int steps) { m_fadeSteps = std::max(steps, 10); }
    int GetFadeSteps() const { return m_fadeSteps; }
    int GetFadeLevel() const { return m_fadeLevel; }
    // The running fade timer's id, 0 when none runs.
    UINT_PTR GetFadeTimer() const { return m_fadeTimer; }

    void DrawItem(LPDRAWITEMSTRUCT item) override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void OnFadeTick();
    void StopFade();
    bool IsOn() const { return (GetFlags() & kCheckMask) != 0; }

    int m_fadeLevel = 0;
    UINT_PTR m_fadeTimer = 0;
    int m_fadeTime = 1000;
    int m_fadeSteps = 25;
};
