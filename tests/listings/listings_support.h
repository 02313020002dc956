#pragma once

// Helpers shared by the listing tests: controls by object name, combo box
// items, and a store with listings and client requests arranged in one line.

#include "tests/support/modal.h"
#include "tests/support/store_fixture.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QTest>

// The child control named `name`; a missing control fails the test.
template <typename Widget = QWidget>
Widget* child(const QWidget& root, const char* name) {
    auto* widget = root.findChild<Widget*>(QLatin1String(name));
    EXPECT_NE(widget, nullptr) << "no control " << name;
    return widget;
}

inline void clickOn(const QWidget& root, const char* name) {
    QTest::mouseClick(child<QAbstractButton>(root, name), Qt::LeftButton);
}

inline QStringList itemsOf(const QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items.append(box->itemText(i));
    return items;
}

inline void chooseItem(QComboBox* box, const QString& item) {
    const int index = box->findText(item);
    ASSERT_GE(index, 0) << item.toStdString();
    box->setCurrentIndex(index);
}

class ListingsStoreTest : public StoreTest {
protected:
    // A listing or a client request holding only its kind fields.
    void addListing(const QString& key, const QString& im, const QString& cname) {
        sql(QStringLiteral("INSERT INTO budong (scancode, im, cname) VALUES (?, ?, ?)"),
            {key, im, cname});
    }
    void addRequest(const QString& key, const QString& im, const QString& cname,
                    const QString& working) {
        sql(QStringLiteral("INSERT INTO burequ (scancode, im, cname, working) VALUES (?, ?, ?, ?)"),
            {key, im, cname, working});
    }
    // One field of the row `key` of `table` (budong, burequ, diary1, …).
    QVariant fieldOf(const char* table, const char* field, const QString& key) {
        return scalar(QStringLiteral("SELECT %1 FROM %2 WHERE scancode = ?")
                          .arg(QLatin1String(field), QLatin1String(table)),
                      {key});
    }
    int codeRows(const char* letter, const QString& code) {
        return scalar(QStringLiteral("SELECT count(*) FROM bucode WHERE gubun = ? AND code = ?"),
                      {QString::fromLatin1(letter), code})
            .toInt();
    }
};
