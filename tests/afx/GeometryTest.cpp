// Geometry arithmetic that layout code leans on: exclusive right/bottom, the mixed
// point/size operators and the in-place corner references.
#include <afxwin.h>

#include <gtest/gtest.h>

TEST(Geometry, PointAndSizeArithmeticFollowsTheirMeaning) {
    CPoint a(10, 20), b(3, 5);
    CSize d = a - b; // point minus point is a distance
    EXPECT_EQ(d, CSize(7, 15));
    EXPECT_EQ(b + d, a); // point plus distance is a point
    EXPECT_EQ(a - CSize(10, 20), CPoint(0, 0));
    EXPECT_EQ(-a, CPoint(-10, -20));
    CPoint fromLParam(static_cast<DWORD>(MAKELPARAM(-5, 7)));
    EXPECT_EQ(fromLParam, CPoint(-5, 7));
}

TEST(Geometry, RectQueriesAndAdjustments) {
    CRect r(10, 20, 110, 70);
    EXPECT_EQ(r.Width(), 100);
    EXPECT_EQ(r.Height(), 50);
    EXPECT_EQ(r.CenterPoint(), CPoint(60, 45));
    EXPECT_TRUE(r.PtInRect(CPoint(10, 20)));
    EXPECT_FALSE(r.PtInRect(CPoint(110, 20))); // right edge is outside

    r.TopLeft() = CPoint(0, 0); // corners are references into the rectangle
    EXPECT_EQ(r, CRect(0, 0, 110, 70));
    r.DeflateRect(1, 2, 3, 4);
    EXPECT_EQ(r, CRect(1, 2, 107, 66));
    r.InflateRect(1, 2);
    EXPECT_EQ(r, CRect(0, 0, 108, 68));
    r.MoveToXY(5, 5);
    EXPECT_EQ(r, CRect(5, 5, 113, 73));

    CRect inverted(50, 40, 10, 0);
    inverted.NormalizeRect();
    EXPECT_EQ(inverted, CRect(10, 0, 50, 40));
}

TEST(Geometry, RectOperators) {
    CRect a(0, 0, 10, 10), b(5, 5, 20, 20);
    EXPECT_EQ(a & b, CRect(5, 5, 10, 10));
    EXPECT_EQ(a | b, CRect(0, 0, 20, 20));
    EXPECT_TRUE((a & CRect(30, 30, 40, 40)).IsRectEmpty());
    EXPECT_EQ(a + CPoint(2, 3), CRect(2, 3, 12, 13));
    EXPECT_EQ(a - CSize(2, 3), CRect(-2, -3, 8, 7));
    CRect margins(1, 2, 3, 4);
    EXPECT_EQ(a + &margins, CRect(-1, -2, 13, 14));  // a rectangle operand is a margin
    EXPECT_NE(CRect(0, 0, 0, 0), CRect(1, 1, 1, 1)); // empty rectangles still compare by members
}
