#include "KaloAngleMath.h"

#include <cmath>
#include <cstdio>

namespace {

const double Pi = 3.14159265358979323846;
const float FullTurn = 6.2831855f;
const float RollOver = 6.2731853f; // a full turn less 0.01
const float DegreesPerRadian = 57.295776f;
// The largest float below 2^31: every float up to it converts to an int safely.
const float LargestTurnCount = 2147483520.0f;

} // namespace

KaloAngleParts KaloSplitAngle(float radians) {
    KaloAngleParts parts;
    if (!std::isfinite(radians)) {
        return parts;
    }
    parts.turns = std::trunc(radians / FullTurn);
    parts.rest = radians - FullTurn * parts.turns;
    if (parts.rest >= RollOver) {
        parts.turns += 1;
        parts.rest = 0;
    } else if (parts.rest <= -RollOver) {
        parts.turns -= 1;
        parts.rest = 0;
    }
    if (!std::isfinite(parts.rest) || std::fabs(parts.rest) >= FullTurn) {
        parts.rest = 0; // a turn count beyond float precision leaves no meaningful rest
    }
    return parts;
}

int KaloTurnCount(float turns) {
    if (std::isnan(turns)) {
        return 0;
    }
    if (turns > LargestTurnCount) {
        return static_cast<int>(LargestTurnCount);
    }
    if (turns < -LargestTurnCount) {
        return -static_cast<int>(LargestTurnCount);
    }
    return static_cast<int>(turns);
}

void KaloFormatTurns(float turns, char* text, size_t size) {
    std::snprintf(text, size, "%d", KaloTurnCount(turns));
}

void KaloFormatDegrees(float rest, char* text, size_t size) {
    std::snprintf(text, size, "%.3g", static_cast<double>(rest * DegreesPerRadian));
}

bool KaloDialFollow(KaloDialDrag& drag, double dx, double dy) {
    if ((dx == 0 && dy == 0) || !std::isfinite(dx) || !std::isfinite(dy)) {
        return false;
    }
    // The needle turns the short way from where it points now; the whole angle follows it, so
    // passing zero counter-clockwise adds a turn and passing it clockwise takes one away.
    const double previous = static_cast<double>(drag.turns) * FullTurn + drag.rest;
    double step = std::atan2(dy, dx) - std::fmod(previous, static_cast<double>(FullTurn));
    step = std::remainder(step, 2 * Pi);
    const double angle = previous + step;
    const float turns = static_cast<float>(std::trunc(angle / FullTurn));
    const float rest = static_cast<float>(angle - static_cast<double>(turns) * FullTurn);
    if (turns == drag.turns && rest == drag.rest) {
        return false;
    }
    drag.turns = turns;
    drag.rest = rest;
    return true;
}
