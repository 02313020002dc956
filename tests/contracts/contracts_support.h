#pragma once

// Helpers shared by the contract tests: controls by object name, documents
// filled as far as their fields go, and the printed page measured with the
// printer's own font.

#include "contracts/document_profile.h"
#include "contracts/document_row.h"
#include "tests/support/modal.h"
#include "tests/support/recording_print_device.h"
#include "tests/support/store_fixture.h"

#include <QAbstractButton>
#include <QRect>
#include <QTest>

template <typename Widget = QWidget>
Widget* child(const QWidget& root, const char* name) {
    auto* widget = root.findChild<Widget*>(QLatin1String(name));
    EXPECT_NE(widget, nullptr) << "no control " << name;
    return widget;
}

inline void clickOn(const QWidget& root, const char* name) {
    QTest::mouseClick(child<QAbstractButton>(root, name), Qt::LeftButton);
}

// A text of `bytes` CP949 bytes in Hangul (with one "A" for an odd count).
QString hangulOfBytes(int bytes);

// Every field of the document at the widest it can be printed: texts as
// long as the field takes, amounts of sixteen digits, numbers printed with
// thousands commas at their widest. The memo stays empty.
DocumentRow widestDocument(const DocumentProfile& profile);

// A printed text with the box it covers on the page, in dots, measured with
// the printer's font at the recording device's resolution.
struct PrintedText {
    QString text;
    QRect box;
};
QList<PrintedText> printedTexts(const RecordingPrintDevice& device);

class ContractsStoreTest : public StoreTest {
protected:
    void addOffice() {
        sql(QStringLiteral(
            "INSERT INTO my (Comname1, Comtitle1, Comadd1, Comtel1, Comno1) "
            "VALUES ('홍길동', '한빛공인중개사', '서울 종로구 종로 1', '02-700-1234', "
            "'11110-2026-001')"));
    }
    void addListing(const QString& number, const QString& address, const QString& owner,
                    const QString& telephone, const QString& use = QStringLiteral("대")) {
        sql(QStringLiteral(
                "INSERT INTO budong (scancode, addr, name, htel, duse) VALUES (?, ?, ?, ?, ?)"),
            {number, address, owner, telephone, use});
    }
    // A stored lease (cont_1) or sale (cont_2) contract; gives its key.
    qint64 addContract(const char* table, const QString& address, const QString& signday,
                       const QString& name1 = {}, const QString& name2 = {}) {
        sql(QStringLiteral(
                "INSERT INTO %1 (sojaji, signday, name1, name2, jumin1) VALUES (?, ?, ?, ?, ?)")
                .arg(QLatin1String(table)),
            {address, signday, name1, name2, QStringLiteral("700101-1234567")});
        return scalar(QStringLiteral("SELECT max(contno) FROM %1").arg(QLatin1String(table)))
            .toLongLong();
    }
};
