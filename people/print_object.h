#pragma once

#include <QPoint>
#include <QSize>

#include <optional>

class PrintDevice;

// Lengths in tenths of a millimetre turned into printer dots, exactly:
// tenths × dpi / 254 in whole numbers, the fraction dropped toward zero.
// (25.4 mm at 360 dots per inch is 360 dots, 279.4 mm is 3960.)
int tenthsToDots(long long tenths, int dpi);
// Millimetres (a real number) to tenths, to the nearest tenth.
long long millimetresToTenths(double millimetres);

// What a printer tells about itself, read from its device without starting
// a job, so that measuring feeds no sheet.
struct PrinterMeasurement {
    int dpiX = 0;
    int dpiY = 0;
    QSize printable;  // dots
    QPoint offset;    // dots: the unprintable border at the left and top
    QSize physical;   // dots: the whole sheet

    // Millimetres per axis, from the dots.
    double dotsPerMmX() const { return dpiX / 25.4; }
    double dotsPerMmY() const { return dpiY / 25.4; }
    double printableWidthMm() const;
    double printableHeightMm() const;
    double gutterLeftMm() const;
    double gutterTopMm() const;
    double gutterRightMm() const;
    double gutterBottomMm() const;
};

PrinterMeasurement measurePrinter(const PrintDevice& device);

// The printer of a label job: its resolution on each axis and the
// conversion of lengths to its dots.
class TPrintObject {
public:
    explicit TPrintObject(const PrintDevice& device);

    const PrinterMeasurement& measurement() const { return measurement_; }
    int tenthsToX(long long tenths) const { return tenthsToDots(tenths, measurement_.dpiX); }
    int tenthsToY(long long tenths) const { return tenthsToDots(tenths, measurement_.dpiY); }
    int mmToX(double mm) const { return tenthsToX(millimetresToTenths(mm)); }
    int mmToY(double mm) const { return tenthsToY(millimetresToTenths(mm)); }

private:
    PrinterMeasurement measurement_;
};

// The current printer measured without a job; none when no printer is
// installed.
std::optional<PrinterMeasurement> measureCurrentPrinter();
