#include "people/label_presets.h"

#include <algorithm>

const std::vector<LabelPreset>& labelPresets() {
    static const std::vector<LabelPreset> presets{
        {QStringLiteral("A4 3×7 (63.5×38.1mm)"), 7, 3, 635, 381, 72, 152, 25, 0},
        {QStringLiteral("A4 3×8 (70×37mm)"), 8, 3, 700, 370, 0, 0, 0, 0},
        {QStringLiteral("A4 2×7 (99.1×38.1mm)"), 7, 2, 991, 381, 47, 152, 25, 0},
        {QStringLiteral("A4 2×8 (99.1×33.9mm)"), 8, 2, 991, 339, 47, 131, 25, 0},
        {QStringLiteral("A4 3×10 (63.5×25.4mm)"), 10, 3, 635, 254, 72, 215, 25, 0},
    };
    return presets;
}

LabelGeometry appliedPreset(LabelGeometry g, const LabelPreset& p) {
    g.paperWidth = 2100;
    g.paperHeight = 2970;
    g.rowCount = p.rows;
    g.colCount = p.cols;
    g.hterm = p.hgap;
    g.vterm = p.vgap;
    g.leftMargin = p.left;
    g.topMargin = p.top;
    // W = (PaperWidth − (Left + Right + 10 + (cols − 1) × gap)) / cols, solved for Right.
    g.rightMargin =
        std::max(0, g.paperWidth - p.cols * p.width - p.left - 10 - (p.cols - 1) * p.hgap);
    g.bottomMargin =
        std::max(0, g.paperHeight - p.rows * p.height - p.top - 10 - (p.rows - 1) * p.vgap);
    return g;
}
