#pragma once

#include "reports/report.h"
#include "reports/report_rows.h"

// Shows the report in the preview window, from which the user prints it;
// the preview draws exactly what the printer gets. A report without rows
// prints no page: the user is told so and no window opens. Returns whether
// the preview was shown.
bool previewReport(const Report& report, const ReportRows& rows);

// "출력할 자료가 없습니다 ...!"
QString emptyReportMessage();
