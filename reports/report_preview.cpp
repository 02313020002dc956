#include "reports/report_preview.h"

#include "common/dialogs.h"
#include "reports/report_renderer.h"

QString emptyReportMessage() {
    return QStringLiteral("출력할 자료가 없습니다 ...!");
}

bool previewReport(const Report& report, const ReportRows& rows) {
    if (rows.isEmpty()) {
        dialogs().information(emptyReportMessage());
        return false;
    }
    dialogs().preview(
        {report.title, report.page.orientation,
         [&report, &rows](PrintDevice& device) { renderReport(device, report, rows); }});
    return true;
}
