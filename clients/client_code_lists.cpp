#include "clients/client_code_lists.h"

#include "common/input_checks.h"
#include "common/store_helpers.h"
#include "data/table.h"

#include <QComboBox>
#include <QSignalBlocker>

namespace {
const QString kAll = QStringLiteral("전체");

void restart(QComboBox* box) {
    box->clear();
    box->addItem(kAll);
    box->setCurrentIndex(0);
}
}  // namespace

void fillClientDealList(QComboBox* deal) {
    const QSignalBlocker quiet(deal);
    deal->clear();
    deal->addItems({kAll, QStringLiteral("임대"), QStringLiteral("매수")});
    deal->setCurrentIndex(0);
}

QString clientKindLetter(const QString& deal) {
    if (deal == QStringLiteral("임대")) return QStringLiteral("I");
    if (deal == kAll) return QStringLiteral("X");
    return QStringLiteral("M");
}

void fillClientCodeLists(const QComboBox* deal, QComboBox* working, QComboBox* category) {
    const QSignalBlocker quietWorking(working);
    const QSignalBlocker quietCategory(category);
    restart(working);
    restart(category);
    const QString letter = clientKindLetter(deal->currentText());
    Table codes(QStringLiteral("BUCODE.DB"));
    tableOpen(codes);
    for (codes.first(); !codes.eof(); codes.next()) {
        const QString gubun = codes.text(QStringLiteral("gubun"));
        if (gubun == QStringLiteral("W")) {
            working->addItem(codes.text(QStringLiteral("code")));
        } else if (gubun == letter) {
            category->addItem(codes.text(QStringLiteral("code")));
        }
    }
    tableClose(codes);
}

void showStoredItem(QComboBox* box, const QString& value) {
    int index = comboSearch(box, value);
    if (index == 0 && !value.isEmpty() && box->itemText(0) != value) {
        box->addItem(value);
        index = box->count() - 1;
    }
    box->setCurrentIndex(index);
}
