#pragma once
// Points and rectangles in client pixels.

struct TPixelPoint {
    int X = 0, Y = 0;
    bool operator==(const TPixelPoint&) const = default;
};

// Right and Bottom are the last pixel column and row that belong to it.
struct TPixelRect {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    bool Contains(int x, int y) const { return x >= Left && x <= Right && y >= Top && y <= Bottom; }
    // From the first pixel to the last: one less than the columns and rows it
    // holds, negative when it holds none.
    int SpanX() const { return Right - Left; }
    int SpanY() const { return Bottom - Top; }
    int Columns() const { return Right - Left + 1; }
    int Rows() const { return Bottom - Top + 1; }
    bool operator==(const TPixelRect&) const = default;
};
