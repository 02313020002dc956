#pragma once

class PrintDevice;

// Millimetres on the printer: whole dots per millimetre and font sizes
// fitted to a height in millimetres.

// The nearest whole number; halves go to the even neighbour (2.5 → 2,
// 3.5 → 4). Values beyond the int range are clamped; NaN gives 0.
int roundHalfEven(double value);

// Whole dots per millimetre, horizontally and vertically.
struct MmScale {
    int dx = 0;
    int dy = 0;
};

// Dots per inch ÷ 25.4 of each axis of the device, rounded half to even.
MmScale millimetreScale(const PrintDevice& device);

// The smallest font size from 3 points upward whose cell height on the
// device reaches (heightMm − 1) × scale.dy dots. The cell height is a
// vertical measure, so it is compared with the vertical scale. The device's
// current font is left at that size. A height of 1 mm or less gives 3. The
// search ends at 1000 points, so a device that never grows its font cannot
// hold it forever.
int fitFont(PrintDevice& device, double heightMm, const MmScale& scale);
