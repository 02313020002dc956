#pragma once

// Helpers shared by the client tests: the listing tests' helpers (controls
// by object name, drop-down items) and a store of client requests.

#include "tests/listings/listings_support.h"

#include <QLineEdit>

class ClientsStoreTest : public ListingsStoreTest {
protected:
    // A client request with the fields given as (field, value) pairs.
    void addClient(const QString& key, std::initializer_list<std::pair<const char*, QVariant>> values) {
        QStringList fields{QStringLiteral("scancode")};
        QStringList marks{QStringLiteral("?")};
        QVariantList parameters{key};
        for (const auto& [field, value] : values) {
            fields.append(QLatin1String(field));
            marks.append(QStringLiteral("?"));
            parameters.append(value);
        }
        sql(QStringLiteral("INSERT INTO burequ (%1) VALUES (%2)")
                .arg(fields.join(u','), marks.join(u',')),
            parameters);
    }
    QVariant client(const QString& key, const char* field) { return fieldOf("burequ", field, key); }
};

// Types into a line field as the user does: focus in, clear, type.
inline void typeInto(QLineEdit* field, const QString& typed) {
    field->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    typeText(field, typed);
}
