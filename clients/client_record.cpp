#include "clients/client_record.h"

#include "clients/offered_history.h"
#include "common/changed_elsewhere.h"
#include "common/desk.h"
#include "common/number_format.h"
#include "common/row_key.h"
#include "data/database.h"
#include "data/table.h"
#include "data/transaction.h"

#include <array>

namespace {

using R = ClientRecord;

const std::array<ClientTextField, 11> kTextFields{{
    {"name", "EDname", "성명", 10, &R::name},
    {"im", "CBim", "임대/매수", 10, &R::im},
    {"cname", "CBcname", "분류", 18, &R::cname},
    {"wantcom", "EDwantcom", "부동산명", 20, &R::wantcom},
    {"htel", "EDhtel", "집전화", 17, &R::htel},
    {"pipi", "EDpipi", "호출", 14, &R::pipi},
    {"hphone", "EDhphone", "핸드폰", 17, &R::hphone},
    {"fax", "EDfax", "팩스", 17, &R::fax},
    {"addr", "EDaddr", "선호지역", 20, &R::addr},
    {"working", "CBworking", "손님구분", 15, &R::working},
    {"inday", "EDinday", "접수일", 10, &R::inday},
}};

const std::array<ClientNumberField, 5> kNumberFields{{
    {"yesan", "EDyesan", "예산", 8},
    {"dpungl", "EDdpungl", "대지평수", 6},
    {"dpungu", "EDdpungu", "대지평수", 6},
    {"gpungl", "EDgpungl", "건물평수", 6},
    {"gpungu", "EDgpungu", "건물평수", 6},
}};

const QString kTable = QStringLiteral("BUREQU.DB");

// A stored number as its field shows it when not being edited: with
// thousands commas; empty where the store holds none.
QString shownNumber(const Table& table, const char* field) {
    const QString name = QLatin1String(field);
    return table.isNull(name) ? QString() : formatAmount(table.integer(name));
}

void writeRecord(Table& table, const ClientRecord& record) {
    for (const ClientTextField& f : kTextFields) {
        const QString& value = record.*f.member;
        if (f.member == &R::inday && value.isEmpty()) continue;
        table.setValue(QLatin1String(f.field), value);
    }
    if (record.yesan) table.setValue(QStringLiteral("yesan"), *record.yesan);
    table.setValue(QStringLiteral("dpungl"), record.dpungl);
    table.setValue(QStringLiteral("dpungu"), record.dpungu);
    table.setValue(QStringLiteral("gpungl"), record.gpungl);
    table.setValue(QStringLiteral("gpungu"), record.gpungu);
    table.setValue(QStringLiteral("memo1"), record.memo1);
}

}  // namespace

std::span<const ClientTextField> clientTextFields() {
    return kTextFields;
}

std::span<const ClientNumberField> clientNumberFields() {
    return kNumberFields;
}

namespace {
StoredClient storedFromRow(const Table& clients) {
    StoredClient stored;
    for (const ClientTextField& f : kTextFields)
        stored.record.*f.member = clients.text(QLatin1String(f.field));
    stored.record.memo1 = clients.text(QStringLiteral("memo1"));
    stored.record.changes = clients.integer(QStringLiteral("changes"));
    stored.record.changedBy = clients.text(QStringLiteral("changedby"));
    stored.yesan = shownNumber(clients, "yesan");
    stored.dpungl = shownNumber(clients, "dpungl");
    stored.dpungu = shownNumber(clients, "dpungu");
    stored.gpungl = shownNumber(clients, "gpungl");
    stored.gpungu = shownNumber(clients, "gpungu");
    return stored;
}
}  // namespace

std::optional<StoredClient> loadClient(const QString& scancode) {
    Table clients(kTable);
    clients.open();
    if (!clients.findKey(scancode)) return std::nullopt;
    StoredClient stored = storedFromRow(clients);
    clients.close();
    return stored;
}

QStringList changedClientFields(const StoredClient& loaded, const StoredClient& now) {
    QStringList changes;
    for (const ClientTextField& f : kTextFields) {
        noteChangedField(changes, QString::fromUtf8(f.label), loaded.record.*f.member,
                         now.record.*f.member);
    }
    const struct {
        const char* label;
        QString StoredClient::*shown;
    } numbers[] = {{"예산", &StoredClient::yesan},
                   {"대지평수(부터)", &StoredClient::dpungl},
                   {"대지평수(까지)", &StoredClient::dpungu},
                   {"건물평수(부터)", &StoredClient::gpungl},
                   {"건물평수(까지)", &StoredClient::gpungu}};
    for (const auto& n : numbers)
        noteChangedField(changes, QString::fromUtf8(n.label), loaded.*n.shown, now.*n.shown);
    noteChangedField(changes, QStringLiteral("메모"), loaded.record.memo1, now.record.memo1);
    return changes;
}

std::optional<QString> saveClient(const ClientRecord& record, ClientSave kind,
                                  const QString& scancode) {
    Transaction transaction(Database::qdb3());
    Table clients(kTable);
    clients.open();
    QString key = scancode;
    qint64 changes = 1;
    if (kind == ClientSave::AsNew) {
        clients.append();
        writeRecord(clients, record);
        clients.setValue(QStringLiteral("changes"), changes);
        clients.setValue(QStringLiteral("changedby"), deskNumber());
        key = writeWithNewKey(Database::qdb3(), KeyRoom::ForDesk, [&](const QString& made) {
            clients.setValue(QStringLiteral("scancode"), made);
            clients.post();
        });
    } else {
        // The count moves on only from the value this desk loaded; the
        // statement holds the row until the action ends.
        const bool claimed = claimRowChange(Database::qdb3(), kTable, QStringLiteral("scancode"),
                                            scancode, record.changes);
        if (!clients.findKey(scancode)) return std::nullopt;
        if (!claimed) throw ClientChangedElsewhere(storedFromRow(clients));
        changes = record.changes + 1;
        clients.edit();
        writeRecord(clients, record);
        clients.setValue(QStringLiteral("changes"), changes);
        clients.setValue(QStringLiteral("changedby"), deskNumber());
        clients.post();
    }
    clients.close();
    transaction.commit();
    return key;
}

bool deleteClient(const QString& scancode) {
    Transaction transaction(Database::qdb3());
    Table clients(kTable);
    clients.open();
    const bool found = clients.findKey(scancode);
    if (found) {
        deleteOfferedHistoryOfClient(scancode);
        clients.deleteRow();
    }
    clients.close();
    transaction.commit();
    return found;
}
