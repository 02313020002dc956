#include "listings/listing_record.h"

#include "common/changed_elsewhere.h"
#include "common/desk.h"
#include "common/row_key.h"
#include "data/database.h"
#include "data/table.h"
#include "data/transaction.h"
#include "listings/diary_reminders.h"

#include <array>

namespace {

using R = ListingRecord;

const std::array<ListingTextField, 24> kTextFields{{
    {"name", "EDname", "소유주", 10, &R::name, false},
    {"htel", "EDhtel", "집전화", 17, &R::htel, false},
    {"otel", "EDotel", "회사전화", 17, &R::otel, false},
    {"hphone", "EDhphone", "핸드폰", 17, &R::hphone, false},
    {"addr", "EDaddr", "지역-동/소재", 42, &R::addr, false},
    {"addr1", "EDaddr1", "상세주소", 42, &R::addr1, false},
    {"cname1", "EDcname1", "부동산명", 18, &R::cname1, false},
    {"buildname", "EDbuildname", "건물명", 15, &R::buildname, false},
    {"duse", "EDduse", "지목", 10, &R::duse, false},
    {"guse", "EDguse", "시설", 10, &R::guse, false},
    {"gdfirst", "EDgdfirst", "준공일", 10, &R::gdfirst, false},
    {"gdsecond", "EDgdsecond", "증축일", 10, &R::gdsecond, false},
    {"cno", "EDcno", "접수번호", 10, &R::cno, false},
    {"inday", "EDinday", "접수일", 10, &R::inday, true},
    {"man", "EDman", "담당자", 10, &R::man, false},
    {"name1", "EDname1", "임차인", 10, &R::name1, false},
    {"htel1", "EDhtel1", "집전화", 17, &R::htel1, false},
    {"otel1", "EDotel1", "회사전화", 17, &R::otel1, false},
    {"hphone1", "EDhphone1", "핸드폰", 17, &R::hphone1, false},
    {"ipjuday", "EDipjuday", "임대일", 10, &R::ipjuday, true},
    {"expireday", "EDexpireday", "계약만료", 10, &R::expireday, true},
    {"bipum", "EDbipum", "비품내역", 50, &R::bipum, false},
    {"midday", "EDmidDay", "중도금일자", 10, &R::midday, false},
    {"lastday", "EDlastDay", "잔금일자", 10, &R::lastday, false},
}};

const std::array<ListingNumberField, 11> kNumberFields{{
    {"dpung", "EDdpung", "대지평수", &R::dpung, true},
    {"gpung", "EDgpung", "건물평수", &R::gpung, true},
    {"stair", "EDstair", "물건층수", &R::stair, false},
    {"tmprice", "EDtmprice", "임대/매매가", &R::tmprice, true},
    {"mpricepp", "EDmpricepp", "평당가격", &R::mpricepp, true},
    {"rendmoney", "EDrendmoney", "융자", &R::rendmoney, true},
    {"ensurem", "EDensurem", "보증금", &R::ensurem, true},
    {"monthm", "EDmonthm", "월세금", &R::monthm, true},
    {"pricepp", "EDpricepp", "평당임대료", &R::pricepp, true},
    {"tbipumm", "EDtbipumm", "권.비품비", &R::tbipumm, true},
    {"totalm", "EDtotalm", "임대합계", &R::totalm, true},
}};

QString listingTableName() {
    return QStringLiteral("BUDONG.DB");
}

QString yesNo(bool flag) {
    return flag ? QStringLiteral("Y") : QStringLiteral("N");
}

ListingRecord recordFromRow(const Table& table) {
    ListingRecord record;
    record.scancode = table.text(QStringLiteral("scancode"));
    for (const ListingTextField& f : kTextFields) {
        record.*f.member = table.text(QLatin1String(f.field));
    }
    for (const ListingNumberField& f : kNumberFields) {
        record.*f.member = table.integer(QLatin1String(f.field));
    }
    record.im = table.text(QStringLiteral("im"));
    record.cname = table.text(QStringLiteral("cname"));
    record.reqing = table.text(QStringLiteral("reqing")) == QLatin1String("Y");
    record.kwanggo = table.text(QStringLiteral("kwanggo")) == QLatin1String("Y");
    record.memo1 = table.text(QStringLiteral("memo1"));
    record.memo2 = table.text(QStringLiteral("memo2"));
    record.changes = table.integer(QStringLiteral("changes"));
    record.changedBy = table.text(QStringLiteral("changedby"));
    return record;
}

void writeRecord(Table& table, const ListingRecord& record) {
    for (const ListingTextField& f : kTextFields) {
        const QString& value = record.*f.member;
        if (f.keptWhenEmpty && value.isEmpty())
            continue;
        table.setValue(QLatin1String(f.field), value);
    }
    for (const ListingNumberField& f : kNumberFields) {
        table.setValue(QLatin1String(f.field), record.*f.member);
    }
    table.setValue(QStringLiteral("im"), record.im);
    table.setValue(QStringLiteral("cname"), record.cname);
    table.setValue(QStringLiteral("reqing"), yesNo(record.reqing));
    table.setValue(QStringLiteral("kwanggo"), yesNo(record.kwanggo));
    table.setValue(QStringLiteral("memo1"), record.memo1);
    table.setValue(QStringLiteral("memo2"), record.memo2);
}

}  // namespace

std::span<const ListingTextField> listingTextFields() {
    return kTextFields;
}
std::span<const ListingNumberField> listingNumberFields() {
    return kNumberFields;
}

std::optional<ListingRecord> loadListing(const QString& number) {
    Table listings(listingTableName());
    listings.open();
    if (!listings.findKey(number))
        return std::nullopt;
    return recordFromRow(listings);
}

std::optional<QString> saveListing(const ListingRecord& record, SaveKind kind,
                                   const QString& changeNumber, const LoadedPaymentDates& loaded) {
    Transaction transaction(Database::qdb3());
    Table listings(listingTableName());
    listings.open();
    QString number = changeNumber;
    qint64 changes = 1;
    if (kind == SaveKind::AsNew) {
        listings.append();
    } else {
        // The count moves on only from the value this desk loaded; the
        // statement holds the row until the action ends, so no other desk
        // saves in between.
        const bool claimed = claimRowChange(Database::qdb3(), listingTableName(),
                                            QStringLiteral("scancode"), changeNumber, record.changes);
        if (!listings.findKey(changeNumber))
            return std::nullopt;
        if (!claimed)
            throw ListingChangedElsewhere(recordFromRow(listings));
        changes = record.changes + 1;
        listings.edit();
    }
    writeRecord(listings, record);
    listings.setValue(QStringLiteral("changes"), changes);
    listings.setValue(QStringLiteral("changedby"), deskNumber());
    if (kind == SaveKind::AsNew) {
        // The listing number fills its field and the reminders' keys extend
        // it, so it carries no desk number; a number another desk made at
        // the same moment is passed over for the next one.
        number = writeWithNewKey(Database::qdb3(), KeyRoom::Full, [&](const QString& key) {
            listings.setValue(QStringLiteral("scancode"), key);
            listings.post();
        });
    } else {
        listings.post();
    }
    // The reminders describe the row as it now stands in the store.
    const std::optional<ListingRecord> posted = loadListing(number);
    writeReminders(posted.value_or(record), number, kind, loaded);
    transaction.commit();
    return number;
}

QStringList changedFields(const ListingRecord& loaded, const ListingRecord& now) {
    QStringList changes;
    const auto note = [&](const char* label, const QString& before, const QString& after) {
        noteChangedField(changes, QString::fromUtf8(label), before, after);
    };
    note("임대/매매", loaded.im, now.im);
    note("분류", loaded.cname, now.cname);
    for (const ListingTextField& f : kTextFields)
        note(f.label, loaded.*f.member, now.*f.member);
    for (const ListingNumberField& f : kNumberFields) {
        note(f.label, QString::number(loaded.*f.member), QString::number(now.*f.member));
    }
    note("의뢰중", yesNo(loaded.reqing), yesNo(now.reqing));
    note("광고중", yesNo(loaded.kwanggo), yesNo(now.kwanggo));
    note("기본메모", loaded.memo1, now.memo1);
    note("상세메모", loaded.memo2, now.memo2);
    return changes;
}
