// The angle control's split, formats and the needle drag's turn counting.
#include "TrellisTestSupport.h"

#include <cmath>
#include <limits>
#include <string>

namespace {

const double Pi = 3.14159265358979323846;

std::string Turns(float turns) {
    char text[32];
    KaloFormatTurns(turns, text, sizeof(text));
    return text;
}

std::string Degrees(float rest) {
    char text[32];
    KaloFormatDegrees(rest, text, sizeof(text));
    return text;
}

// Drags the needle to `degrees` (direction on the dial) and returns the whole angle in degrees.
double DragTo(KaloDialDrag& drag, double degrees) {
    KaloDialFollow(drag, 10 * std::cos(degrees * Pi / 180), 10 * std::sin(degrees * Pi / 180));
    return (drag.turns * 2 * Pi + drag.rest) * 180 / Pi;
}

} // namespace

TEST(AngleSplit, TurnsRestAndFormats) {
    struct Case {
        float angle;
        const char* turns;
        const char* degrees;
    } cases[] = {
        {7.0f, "1", "41.1"},     {6.28f, "1", "0"},   {-1.0f, "0", "-57.3"}, {20.0f, "3", "65.9"},
        {-20.0f, "-3", "-65.9"}, {-6.28f, "-1", "0"}, {0, "0", "0"},         {12.566371f, "2", "0"},
    };
    for (const Case& c : cases) {
        const KaloAngleParts parts = KaloSplitAngle(c.angle);
        EXPECT_EQ(Turns(parts.turns), c.turns) << c.angle;
        EXPECT_EQ(Degrees(parts.rest), c.degrees) << c.angle;
        EXPECT_LT(std::fabs(parts.rest), 6.2831855f);
    }
}

TEST(AngleSplit, NonFiniteAndHugeAnglesStayInRange) {
    for (float angle : {std::numeric_limits<float>::infinity(), -std::numeric_limits<float>::infinity(),
                        std::numeric_limits<float>::quiet_NaN()}) {
        const KaloAngleParts parts = KaloSplitAngle(angle);
        EXPECT_EQ(parts.turns, 0);
        EXPECT_EQ(parts.rest, 0);
    }
    const KaloAngleParts huge = KaloSplitAngle(1e30f);
    EXPECT_EQ(Turns(huge.turns), "2147483520");
    EXPECT_LT(std::fabs(huge.rest), 6.2831855f);
    EXPECT_EQ(Turns(-huge.turns), "-2147483520");
    EXPECT_EQ(KaloTurnCount(std::numeric_limits<float>::quiet_NaN()), 0);
}

TEST(DialDrag, CountsTurnsBothWaysWithoutJumps) {
    // From 10 degrees: counter-clockwise once round past zero, back clockwise through zero and
    // on below it, and counter-clockwise again up through zero from below, 10 degrees a step.
    const struct {
        int from, to, step, turns;
    } sweeps[] = {{20, 370, 10, 1}, {360, -380, -10, -1}, {-370, 30, 10, 0}};
    KaloDialDrag drag;
    drag.rest = static_cast<float>(10 * Pi / 180);
    double angle = 10;
    for (const auto& s : sweeps) {
        for (int d = s.from; s.step > 0 ? d <= s.to : d >= s.to; d += s.step) {
            const double next = DragTo(drag, d);
            ASSERT_NEAR(next, d, 1e-3) << d;
            ASSERT_NEAR(std::fabs(next - angle), 10, 1e-3) << "no jump at " << d;
            angle = next;
        }
        EXPECT_EQ(drag.turns, s.turns) << "after the sweep to " << s.to;
    }
}

TEST(DialDrag, CentreAndRepeatedPointsChangeNothing) {
    KaloDialDrag drag;
    drag.turns = 2;
    drag.rest = 1;
    EXPECT_FALSE(KaloDialFollow(drag, 0, 0));
    EXPECT_EQ(drag.turns, 2);
    EXPECT_EQ(drag.rest, 1);
    EXPECT_TRUE(KaloDialFollow(drag, 0, 5));
    EXPECT_FALSE(KaloDialFollow(drag, 0, 7));
    EXPECT_NEAR(drag.rest, Pi / 2, 1e-6);
}
