#pragma once

#include "common/print_device.h"

#include <QColor>
#include <QRectF>
#include <QString>

#include <functional>
#include <vector>

// A banded report: what is printed for the page, for each row of its data
// and after the last row, laid out in millimetres. ReportRenderer draws it on
// a PrintDevice.

enum class BandKind { PageHeader, ColumnHeader, Detail, GroupFooter, Summary, PageFooter };

enum class ItemKind {
    Label,       // fixed text
    Field,       // a field of the current row, through its display mask
    RichText,    // a memo field, wrapped into its frame
    Shape,       // a rectangle
    DateTime,    // the moment the report is drawn
    PageNumber,  // the number of the page
    Count,       // the rows printed: in a group footer those of the group
};

enum class Alignment { Left, Right, Center };

struct ReportItem {
    ItemKind kind = ItemKind::Label;
    // Position in its band and size. A text item of width 0 is as wide as
    // its text; a height of 0 is the height of its font.
    QRectF mm;
    QString text;  // Label: the text; Field, RichText: the field's name
    QString mask;  // Field: display mask such as "###,###"; empty: as stored
    PrintDevice::FontSpec font;
    Alignment alignment = Alignment::Left;
    QColor background;  // invalid: none
};

struct ReportBand {
    BandKind kind = BandKind::Detail;
    double heightMm = 0;
    std::vector<ReportItem> items;
    bool lineAbove = false;  // frame lines on the band's edges, across the page
    bool lineBelow = false;
    QColor background;   // invalid: none
    QString groupField;  // GroupFooter: a change of this field ends a group

    ReportItem& add(ItemKind kind, const QString& text, QRectF mm,
                    const PrintDevice::FontSpec& font, Alignment alignment = Alignment::Left);
};

// The page: orientation and margins from the paper's edges, in millimetres.
struct ReportPage {
    PrintDevice::Orientation orientation = PrintDevice::Orientation::Portrait;
    double leftMm = 10;
    double topMm = 10;
    double rightMm = 10;
    double bottomMm = 10;
};

// Asked before and after each detail band is printed.
struct DetailEvent {
    int rowNumber = 0;          // 1 for the first row
    bool lineBelow = false;     // before: whether the band gets its lower line
    bool newPageAfter = false;  // after: whether the next band starts a new page
};

struct Report {
    QString title;  // the print job's name
    ReportPage page;
    std::vector<ReportBand> bands;
    std::function<void(DetailEvent&)> beforeDetail;
    std::function<void(DetailEvent&)> afterDetail;

    ReportBand& addBand(BandKind kind, double heightMm);
    // The band of that kind; null when the report has none. There is at most
    // one band of each kind.
    const ReportBand* band(BandKind kind) const;
};
