#include "reports/report.h"

#include <stdexcept>

ReportItem& ReportBand::add(ItemKind kind, const QString& text, QRectF mm,
                            const PrintDevice::FontSpec& font, Alignment alignment) {
    ReportItem item;
    item.kind = kind;
    item.text = text;
    item.mm = mm;
    item.font = font;
    item.alignment = alignment;
    items.push_back(item);
    return items.back();
}

ReportBand& Report::addBand(BandKind kind, double heightMm) {
    if (band(kind)) throw std::logic_error("a report has one band of each kind");
    ReportBand added;
    added.kind = kind;
    added.heightMm = heightMm;
    bands.push_back(added);
    return bands.back();
}

const ReportBand* Report::band(BandKind kind) const {
    for (const ReportBand& b : bands) {
        if (b.kind == kind) return &b;
    }
    return nullptr;
}
