#pragma once

#include "reports/report.h"
#include "reports/report_rows.h"

class PrintDevice;

// What a drawn report came to.
struct ReportOutcome {
    int pages = 0;
    int detailRows = 0;
};

// Draws a report on the device as one job. Bands go down the page between
// its margins: the page header (on every page, the first included), the
// column header, one detail band per row, a group footer when the group
// field's value changes and after the last row, the summary after the last
// row, and the page footer at the foot of every page. A band that does not
// fit above the page footer starts a new page; so does a detail event that
// asks for one. With no rows nothing is drawn and no job is begun.
//
// Margins narrower than the printer's unprintable edges are widened to them,
// and every item is cut at the right margin, so nothing falls off the paper. Whatever happens, a
// begun job is ended; an error while drawing is passed on after that.
ReportOutcome renderReport(PrintDevice& device, const Report& report, const ReportRows& rows);

// The item's text for a row (fields through their masks), as printed.
QString reportFieldText(const ReportItem& item, const ReportRows& rows, int row);
