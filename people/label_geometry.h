#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

class IniFile;

// The geometry of a sheet of address labels, kept in Lablo.ini, section
// "LABLOPRINTER", beside the printer's gutters. Lengths are tenths of a
// millimetre; a margin is measured from the paper edge, the gutter included.
struct LabelGeometry {
    int gutterLeft = 10;
    int gutterRight = 10;
    int gutterTop = 10;
    int gutterBottom = 10;
    int leftMargin = 20;
    int rightMargin = 20;
    int topMargin = 20;
    int bottomMargin = 20;
    int hterm = 10;  // gap between two labels side by side
    int vterm = 10;  // gap between two labels one above the other
    int rowCount = 12;
    int colCount = 3;
    int paperWidth = 2100;
    int paperHeight = 2970;
    int divScale = 4;  // tenths of a millimetre per pixel of the enlarged label

    // One label, in tenths of a millimetre (the layout keeps one millimetre
    // more at the right and at the bottom than the margins say).
    int labelWidth() const;
    int labelHeight() const;
    bool labelFits() const { return labelWidth() >= 10 && labelHeight() >= 10; }
    // The enlarged label and the paper in pixels of the screen.
    QSize screenLabel() const;
    QSize screenPaper() const;
    // The top-left corner of the label at `row`, `col` (from 0), in tenths
    // of a millimetre from the printable area's corner.
    QPoint labelCorner(int row, int col) const;
    // The label at `row`, `col` in the sheet drawing: 1/DivScale of the
    // paper, the vertical axis pointing up from the paper's bottom edge.
    QRect drawnLabel(int row, int col) const;

    bool operator==(const LabelGeometry&) const = default;
};

// The ranges the label form allows.
namespace label_limits {
constexpr int kLeastLength = 0;
constexpr int kMostLength = 4000;
constexpr int kLeastPaper = 500;
constexpr int kMostPaper = 4000;
constexpr int kMostRows = 30;
constexpr int kMostColumns = 10;
constexpr int kMostDivScale = 20;
}  // namespace label_limits

QString labelSettingsSection();
QString labelSettingsPath();

// "700" tenths as "70.0": the millimetres with one decimal.
QString tenthsAsMillimetres(int tenths);

// What was read from the settings file, and what was wrong with it.
struct LoadedGeometry {
    LabelGeometry geometry;
    // One line for each count or scale that was not usable and was replaced
    // by its default; empty when the file was sound.
    QStringList replaced;
};

// Writes the section with every default when the file has none.
// False when the file cannot be written.
bool ensureLabelSettings(const QString& path);
LoadedGeometry readLabelGeometry(const IniFile& ini);
// The four gutters of the file, in tenths of a millimetre, into `geometry`;
// the margins keep their distance from the paper edge.
void readGutters(const IniFile& ini, LabelGeometry& geometry);
// Writes the section's label keys in the file's units: millimetres for
// margins (gutter excluded) and gaps, tenths for the paper, whole numbers for
// the counts. The gutters belong to the printer settings and are written
// only when the file has none. Kept in memory until ini.save().
void writeLabelGeometry(IniFile& ini, const LabelGeometry& geometry);
// The message shown when counts or the scale were replaced.
QString replacedSettingsMessage(const QStringList& replaced);
