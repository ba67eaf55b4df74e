#pragma once

#include "TrellisExport.h"

#include <cstddef>

// The angle control's arithmetic: an angle in radians is kept as whole turns plus a rest
// within (-2π, 2π); the dial's needle drag counts turns as it crosses the zero direction.
struct KaloAngleParts {
    float turns = 0;
    float rest = 0;
};

// turns = angle / 2π truncated, rest = the remainder; a rest within 0.01 of a full turn rolls
// over into the turns. An angle that is not finite splits as 0.
TRELLIS_API KaloAngleParts KaloSplitAngle(float radians);
// The turn count as an integer, clamped to the range an int holds (0 for not-a-number).
TRELLIS_API int KaloTurnCount(float turns);
// The fields' texts: the turns with "%d", the rest in degrees with "%.3g".
TRELLIS_API void KaloFormatTurns(float turns, char* text, size_t size);
TRELLIS_API void KaloFormatDegrees(float rest, char* text, size_t size);

// The needle drag: the whole angle as turns and a rest that carries its sign, as the split
// gives them.
struct KaloDialDrag {
    float turns = 0;
    float rest = 0;
};

// Follows the pointer at (dx, dy) from the dial centre (dy grows upwards): the needle turns the
// short way to the pointer's direction, so crossing the zero direction counter-clockwise adds a
// turn and crossing it clockwise takes one away. TRUE when the turns or the rest changed. A
// pointer at the exact centre has no direction and is ignored.
TRELLIS_API bool KaloDialFollow(KaloDialDrag& drag, double dx, double dy);
