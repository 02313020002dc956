#include "listings/tfmqronesheet1.h"

#include "listings/listing_reports.h"
#include "reports/report_preview.h"

TFMqrOneSheet1::TFMqrOneSheet1() {
    QRpart.add(QStringLiteral("select * from budong"));
    QRpart.add(QStringLiteral(" where scancode = :s1"));
}

void TFMqrOneSheet1::setScancode(const QString& scancode) {
    QRpart.setParam(QStringLiteral("s1"), scancode);
}

void TFMqrOneSheet1::run() {
    QRpart.open();
    const ReportRows rows = ReportRows::read(QRpart);
    QRpart.close();
    previewReport(propertyCardReport(), rows);
}
