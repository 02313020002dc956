#pragma once

#include "common/print_device.h"
#include "people/label_geometry.h"

#include <QPoint>
#include <QString>

#include <vector>

// One text of the label as laid out on the enlarged label: its position in
// pixels of the enlarged label and its font as chosen on the screen. The
// first seven items stand for the postal code, the two address lines, the
// department, the position, the name and the honorific; the rest are the
// user's own texts, printed as they stand on every label.
struct LabelItem {
    QString text;
    QPoint pos;
    PrintDevice::FontSpec font;
    bool visible = true;
};

constexpr int kRoleItems = 7;

// The address of one Person of the mail-out table as the label prints it.
struct LabelAddress {
    QString zip;
    QString address1;
    QString address2;
    QString department;
    QString position;
    QString name;
};

// Home or company address, as the Person's "DM발송처" says.
LabelAddress labelAddress(const QString& dmsource, const QString& homezip, const QString& homeaddr,
                          const QString& homeaddr1, const QString& comzip, const QString& comaddr,
                          const QString& comaddr1, const QString& buse, const QString& grade,
                          const QString& name);
// The Persons of the mail-out table, in its order. Read at once, so that
// nothing holds the store while the user arranges the label.
std::vector<LabelAddress> readMailOutLabels();

struct LabelRun {
    LabelGeometry geometry;
    std::vector<LabelItem> items;
    int startRow = 1;  // 1-based, on the first sheet
    int startCol = 1;
    bool outline = false;
};

// The printed size of an item's font: the screen size enlarged as the label
// is (one and a half at four tenths of a millimetre per pixel).
int printedPointSize(int screenPointSize, int divScale);

// Prints one label per address, row by row, from the start position; a new
// sheet begins only when a label follows a full one. The device's font is
// restored and the job ended even when a step fails; the error then goes to
// the caller.
void printLabels(PrintDevice& device, const LabelRun& run,
                 const std::vector<LabelAddress>& addresses);

// One sheet with every label's outline, to hold over a label sheet against
// the light.
void printAlignmentSheet(PrintDevice& device, const LabelGeometry& geometry);

// The number of sheets a run takes.
int sheetsNeeded(const LabelRun& run, int labels);
