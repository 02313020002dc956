#pragma once

// Helpers shared by the people tests: controls by object name and a store
// with Persons arranged in one line each.

#include "tests/support/modal.h"
#include "tests/support/store_fixture.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <initializer_list>
#include <ostream>
#include <utility>

// Texts in failure messages as text.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

// The child control named `name`; a missing control fails the test.
template <typename Widget = QWidget>
Widget* control(const QWidget& root, const char* name) {
    auto* widget = root.findChild<Widget*>(QLatin1String(name));
    EXPECT_NE(widget, nullptr) << "no control " << name;
    return widget;
}

inline void click(const QWidget& root, const char* name) {
    QTest::mouseClick(control<QAbstractButton>(root, name), Qt::LeftButton);
}

inline QStringList itemsOf(const QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items.append(box->itemText(i));
    return items;
}

// Types into a one-line field as the user does: focus, clear, then the text.
inline void typeInto(const QWidget& root, const char* name, const QString& text) {
    auto* field = control<QLineEdit>(root, name);
    field->setFocus();
    field->clear();
    typeText(field, text);
}

class PeopleStoreTest : public StoreTest {
protected:
    // A Person with the key `key` and the given fields of man (field name,
    // value); its name is the key unless "Name" is among them.
    void addPerson(const QString& key,
                   std::initializer_list<std::pair<const char*, QVariant>> fields = {}) {
        QStringList columns{QStringLiteral("Scancode"), QStringLiteral("Name")};
        QVariantList values{key, key};
        for (const auto& [field, value] : fields) {
            if (QLatin1String(field) == QLatin1String("Scancode")) {
                values[0] = value;
                continue;
            }
            if (QLatin1String(field) == QLatin1String("Name")) {
                values[1] = value;
                continue;
            }
            columns.append(QStringLiteral("\"%1\"").arg(QLatin1String(field)));
            values.append(value);
        }
        QStringList marks;
        for (qsizetype i = 0; i < values.size(); ++i)
            marks.append(QStringLiteral("?"));
        sql(QStringLiteral("INSERT INTO man (%1) VALUES (%2)")
                .arg(columns.join(u','), marks.join(u',')),
            values);
    }
    // A Person with a birthday of month and day, "Y" solar or "U" lunar.
    void addBirthday(const QString& name, int month, int day, const char* uy) {
        addPerson(name, {{"birthday", QStringLiteral("1970-%1-%2")
                                          .arg(month, 2, 10, QLatin1Char('0'))
                                          .arg(day, 2, 10, QLatin1Char('0'))},
                         {"bthMonth", month},
                         {"bthDay", day},
                         {"uy", QString::fromLatin1(uy)}});
    }
    QVariant fieldOf(const char* field, const QString& key) {
        return scalar(
            QStringLiteral("SELECT \"%1\" FROM man WHERE Scancode = ?").arg(QLatin1String(field)),
            {key});
    }
};
