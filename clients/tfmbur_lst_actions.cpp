// The actions of the client list's button bar: the entry form, printing,
// the codes and the period.

#include "clients/tfmbur_lst.h"

#include "clients/client_columns.h"
#include "clients/tfmbur_imd.h"
#include "common/list_printer.h"
#include "common/query_model.h"
#include "data/field_def.h"
#include "listings/tfmbu_cod.h"
#include "tools/tfmcalendar1.h"

#include <QLineEdit>
#include <QTabWidget>
#include <QTableView>

namespace {

// Sets a field's display width and visibility for the length of a print job
// and puts back what it had afterwards, also when printing fails. The grid
// reads its columns only when refreshed, so it does not change meanwhile.
class PrintColumn {
public:
    PrintColumn(FieldDef& field, int width, bool visible)
        : field_(field), width_(field.displayWidth), visible_(field.visible) {
        field_.displayWidth = width;
        field_.visible = visible;
    }
    ~PrintColumn() {
        field_.displayWidth = width_;
        field_.visible = visible_;
    }
    PrintColumn(const PrintColumn&) = delete;
    PrintColumn& operator=(const PrintColumn&) = delete;

private:
    FieldDef& field_;
    int width_;
    bool visible_;
};

void printOrPreview(Query& query, const ListPrintOptions& options, bool preview) {
    if (preview) {
        previewList(query, options);
    } else {
        printListWithDialog(query, options);
    }
}

}  // namespace

void TFMbur_lst::openEntryForm(int mode) {
    const bool hasRow = QRburequ.isOpen() && QRburequ.recordCount() > 0;
    if (mode != 1 && !hasRow) return;
    const int row = clientRow();
    {
        TFMbur_imd entry(this);
        entry.entryMode = mode;
        entry.scancode = selectedClient();
        entry.exec();
    }
    formActivate();
    // Back on the row the user left, when the list still reaches it.
    if (row > 0) moveClientRow(std::min(row, clientModel_->rowCount() - 1));
}

void TFMbur_lst::printPage(bool preview) {
    if (PageControl1->currentIndex() == 0) {
        printClients(preview);
    } else {
        printMatches(preview);
    }
}

void TFMbur_lst::printClients(bool preview) {
    if (!QRburequ.isOpen() || QRburequ.recordCount() == 0) return;
    const ListPrintOptions options{.fieldCount = kClientGridFieldCount,
                                   .rowsPerPage = 35,
                                   .reserved = 10,
                                   .rowHeightMm = 4,
                                   .topMm = 20,
                                   .leftMm = 20,
                                   .heading = QStringLiteral("고객 LIST"),
                                   .title = QString(),
                                   .footer = QString(),
                                   .orientation = 2,
                                   .summary = nullptr,
                                   .numberRows = 1};
    {
        const PrintColumn address(QRburequ.field(QStringLiteral("Addr")), kClientAddrPrintWidth,
                                  true);
        printOrPreview(QRburequ, options, preview);
    }
    DBGrid1->setFocus();
}

void TFMbur_lst::printMatches(bool preview) {
    if (!QRbudong.isOpen() || QRbudong.recordCount() == 0) return;
    const ListPrintOptions options{.fieldCount = kMatchedPrintFieldCount,
                                   .rowsPerPage = 37,
                                   .reserved = 10,
                                   .rowHeightMm = 4,
                                   .topMm = 20,
                                   .leftMm = 10,
                                   .heading = QStringLiteral("[의뢰조건을 만족하는 물건]"),
                                   .title = QString(),
                                   .footer = QString(),
                                   .orientation = 2,
                                   .summary = nullptr,
                                   .numberRows = 1};
    {
        const PrintColumn kind(QRbudong.field(QStringLiteral("Cname")), kMatchedCnamePrintWidth,
                               QRbudong.field(QStringLiteral("Cname")).visible);
        const PrintColumn address(QRbudong.field(QStringLiteral("Addr")), kMatchedAddrPrintWidth,
                                  true);
        printOrPreview(QRbudong, options, preview);
    }
    DBGrid2->setFocus();
}

void TFMbur_lst::openCodes() {
    {
        TFMbu_cod codes(this);
        codes.exec();
    }
    fillCodeLists();
    formActivate();
}

void TFMbur_lst::choosePeriod() {
    {
        TFMcalendar1 calendar(this);
        calendar.exec();
        EDday1->setText(calendar.fromText());
        EDday2->setText(calendar.toText());
    }
    formActivate();
}
