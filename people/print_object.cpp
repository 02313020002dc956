#include "people/print_object.h"

#include "common/print_device.h"
#include "common/qt_print_device.h"

#include <QPrinter>

#include <cmath>

namespace {
// Dots of one axis in millimetres.
double dotsToMm(int dots, int dpi) {
    return dpi > 0 ? dots * 25.4 / dpi : 0.0;
}
}  // namespace

int tenthsToDots(long long tenths, int dpi) {
    // Whole numbers throughout; C++ division drops the fraction toward zero.
    return static_cast<int>(tenths * dpi / 254);
}

long long millimetresToTenths(double millimetres) {
    return std::llround(millimetres * 10.0);
}

double PrinterMeasurement::printableWidthMm() const {
    return dotsToMm(printable.width(), dpiX);
}
double PrinterMeasurement::printableHeightMm() const {
    return dotsToMm(printable.height(), dpiY);
}
double PrinterMeasurement::gutterLeftMm() const {
    return dotsToMm(offset.x(), dpiX);
}
double PrinterMeasurement::gutterTopMm() const {
    return dotsToMm(offset.y(), dpiY);
}
double PrinterMeasurement::gutterRightMm() const {
    return dotsToMm(physical.width() - offset.x() - printable.width(), dpiX);
}
double PrinterMeasurement::gutterBottomMm() const {
    return dotsToMm(physical.height() - offset.y() - printable.height(), dpiY);
}

PrinterMeasurement measurePrinter(const PrintDevice& device) {
    PrinterMeasurement m;
    m.dpiX = device.dpiX();
    m.dpiY = device.dpiY();
    m.printable = device.printableSize();
    m.offset = device.printingOffset();
    m.physical = device.physicalPageSize();
    return m;
}

TPrintObject::TPrintObject(const PrintDevice& device) : measurement_(measurePrinter(device)) {}

std::optional<PrinterMeasurement> measureCurrentPrinter() {
    QPrinter printer(QPrinter::HighResolution);
    if (!printer.isValid() || printer.printerName().isEmpty()) return std::nullopt;
    const QtPrintDevice device(&printer);
    return measurePrinter(device);
}
