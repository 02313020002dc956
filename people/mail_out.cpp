#include "people/mail_out.h"

#include "data/batch_copy.h"
#include "data/database.h"
#include "data/query.h"
#include "data/table.h"
#include "data/transaction.h"

#include <iterator>

namespace {

using P = PersonRecord;

struct MailOutColumn {
    const char* name;
    QString PersonRecord::*member;
};

// The columns of the list query, in its order.
const MailOutColumn kColumns[] = {
    {"scancode", &P::scancode},   {"name", &P::name},         {"gubun", &P::gubun},
    {"comname", &P::comname},     {"buse", &P::buse},         {"grade", &P::grade},
    {"hometel", &P::hometel},     {"pipi", &P::pipi},         {"comtel", &P::comtel},
    {"cargubun", &P::cargubun},   {"guipday", &P::guipday},   {"name1", &P::name1},
    {"remark", &P::remark},       {"homezip", &P::homezip},   {"homeaddr", &P::homeaddr},
    {"homeaddr1", &P::homeaddr1}, {"comzip", &P::comzip},     {"comaddr", &P::comaddr},
    {"comaddr1", &P::comaddr1},   {"dmsource", &P::dmsource},
};

bool hasMailOutColumns(Database& database) {
    if (!database.hasTable(mailOutTableName())) return false;
    // Read again: another list may have made the table anew meanwhile.
    database.forgetTableInfo(mailOutTableName());
    Table table(mailOutTableName(), &database);
    const std::vector<FieldDef>& fields = table.info().fields;
    if (fields.size() != std::size(kColumns)) return false;
    for (size_t i = 0; i < fields.size(); ++i) {
        if (fields[i].name.compare(QLatin1String(kColumns[i].name), Qt::CaseInsensitive) != 0)
            return false;
    }
    return true;
}

// An empty table with the mail-out columns. The table of the catalogue is
// kept and emptied; one that another list left with its own columns is made
// again from the list query's columns with no row, typed as the people
// table types them.
void emptyMailOutTable(Database& database) {
    Query statement(&database);
    if (hasMailOutColumns(database)) {
        statement.add(QStringLiteral("delete from \"XXX.DB\""));
        statement.exec();
        return;
    }
    QStringList select;
    for (const MailOutColumn& column : kColumns)
        select.append(QStringLiteral("S.\"%1\"").arg(QLatin1String(column.name)));
    statement.add(QStringLiteral("select ") + select.join(QStringLiteral(", ")));
    statement.add(QStringLiteral(" from \"MAN.DB\" S where 1 = 0"));
    batchCopy(statement, mailOutTableName());
}

}  // namespace

QString mailOutTableName() {
    return QStringLiteral("XXX.DB");
}

QStringList mailOutColumns() {
    QStringList names;
    for (const MailOutColumn& column : kColumns)
        names.append(QLatin1String(column.name));
    return names;
}

void replaceMailOut(const std::vector<PersonRecord>& people) {
    Database& database = Database::qdb3();
    Transaction transaction(database);
    emptyMailOutTable(database);
    QStringList names;
    QStringList parameters;
    for (size_t i = 0; i < std::size(kColumns); ++i) {
        names.append(QLatin1String(kColumns[i].name));
        parameters.append(QStringLiteral(":c%1").arg(i));
    }
    Query insert(&database);
    insert.add(QStringLiteral("insert into \"XXX.DB\" (") + names.join(QStringLiteral(", ")) +
               u')');
    insert.add(QStringLiteral(" values (") + parameters.join(QStringLiteral(", ")) + u')');
    for (const PersonRecord& person : people) {
        for (size_t i = 0; i < std::size(kColumns); ++i)
            insert.setParam(QStringLiteral("c%1").arg(i), person.*kColumns[i].member);
        insert.exec();
    }
    transaction.commit();
}

std::vector<PersonRecord> readMailOut() {
    Table table(mailOutTableName());
    table.open();
    std::vector<PersonRecord> people;
    people.reserve(static_cast<size_t>(table.recordCount()));
    for (table.first(); !table.eof(); table.next()) {
        PersonRecord& person = people.emplace_back();
        for (const MailOutColumn& column : kColumns)
            person.*column.member = table.text(QLatin1String(column.name));
    }
    table.close();
    return people;
}
