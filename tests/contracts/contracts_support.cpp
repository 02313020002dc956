#include "tests/contracts/contracts_support.h"

#include "common/qt_print_device.h"
#include "contracts/amount_field.h"

#include <QPrinter>
#include <QTemporaryDir>

QString hangulOfBytes(int bytes) {
    QString text(bytes / 2, QChar(u'한'));
    if (bytes % 2) text += u'A';
    return text;
}

DocumentRow widestDocument(const DocumentProfile& profile) {
    DocumentRow row;
    row.set(profile.keyField.isEmpty() ? QStringLiteral("unused") : profile.keyField,
            QStringLiteral("1"));
    for (const DocumentField& field : profile.fields) {
        switch (field.role) {
            case FieldRole::Amount:
                row.set(field.name, amountFieldText(QStringLiteral("9999999999999999")));
                break;
            case FieldRole::Memo:
                row.set(field.name, QString());
                break;
            default:
                row.set(field.name, hangulOfBytes(field.bytes));
                break;
        }
    }
    // Areas printed with thousands commas are widest as a number of every digit.
    for (const char* area : {"gm2", "tm2"}) {
        if (const DocumentField* field = profile.field(QString::fromLatin1(area))) {
            row.set(field->name, QString(field->bytes, u'9'));
        }
    }
    return row;
}

QList<PrintedText> printedTexts(const RecordingPrintDevice& device) {
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("measure.pdf")));
    printer.setResolution(device.dpiX());
    QtPrintDevice measure(&printer);
    QList<PrintedText> texts;
    for (const RecordingPrintDevice::Op& op : device.ops(RecordingPrintDevice::Op::Text)) {
        measure.setFont(op.font);
        texts.append(
            {op.text, QRect(op.a, QSize(measure.textWidth(op.text), measure.fontHeight()))});
    }
    return texts;
}
