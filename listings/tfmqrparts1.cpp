#include "listings/tfmqrparts1.h"

#include "listings/listing_reports.h"
#include "reports/report_preview.h"

TFMqrparts1::TFMqrparts1() {
    QRparts.add(QStringLiteral("select * from all_list.db"));
}

void TFMqrparts1::run() {
    QRparts.open();
    const ReportRows rows = ReportRows::read(QRparts);
    QRparts.close();
    previewReport(listingListReport(LBcondi), rows);
}
