#include "people/tfmupche_store.h"

#include "common/cp949_text.h"
#include "data/query.h"
#include "data/transaction.h"

#include <array>

namespace {

using P = PartnerRecord;

const std::array<PartnerTextField, 10> kFields{{
    {"COMNO", "EDcomno", "사업자등록번호", 14, &P::comno},
    {"COMNAME", "EDcomname", "업체명", 20, &P::comname},
    {"NAME", "EDname", "대표자성명", 20, &P::name},
    {"ADDR", "EDcomaddr", "사업장주소", 40, &P::addr},
    {"ZIP", "EDzip", "우편번호", 7, &P::zip},
    {"UPTA", "EDupta", "업태", 14, &P::upta},
    {"UPJONG", "EDjugmook", "종목", 20, &P::upjong},
    {"TELNO", "EDtelno", "전화번호", 14, &P::telno},
    {"FAXNO", "EDfaxno", "팩스번호", 14, &P::faxno},
    {"REMARK", "EDremark", "비고", 20, &P::remark},
}};

PartnerSaveResult refused(PartnerSaveOutcome outcome, const QString& message, const char* control) {
    return {outcome, message, QLatin1String(control)};
}

int partnersNumbered(const QString& comno, Database* database) {
    Query count(database);
    count.add(QStringLiteral(
        "select count(U.\"COMNO\") from \"upche.dbf\" U where U.\"COMNO\" = :comno"));
    count.setParam(QStringLiteral("comno"), comno);
    count.open();
    const int found = count.value(0).toInt();
    count.close();
    return found;
}

// Sets the detail's fields of the row numbered `key`; the number of rows
// changed.
int updatePartner(const PartnerRecord& partner, const QString& key, Database* database) {
    Query update(database);
    QStringList sets;
    for (const PartnerTextField& f : kFields) {
        sets.append(QStringLiteral("%1 = :%1").arg(QLatin1String(f.field)));
        update.setParam(QLatin1String(f.field), partner.*f.member);
    }
    update.add(QStringLiteral("update \"upche.dbf\" U set ") + sets.join(QStringLiteral(", ")));
    update.add(QStringLiteral("where U.\"COMNO\" = :key"));
    update.setParam(QStringLiteral("key"), key);
    return update.exec();
}

void insertPartner(const PartnerRecord& partner, Database* database) {
    Query insert(database);
    QStringList names;
    QStringList values;
    for (const PartnerTextField& f : kFields) {
        names.append(QLatin1String(f.field));
        values.append(u':' + QLatin1String(f.field));
        insert.setParam(QLatin1String(f.field), partner.*f.member);
    }
    insert.add(QStringLiteral("insert into \"upche.dbf\" (%1)").arg(names.join(u',')));
    insert.add(QStringLiteral("values (%1)").arg(values.join(u',')));
    insert.exec();
}

// The cash book follows a partner's new number and name.
void carryIntoCashBook(const PartnerRecord& partner, const PartnerKey& old, Database* database) {
    if (partner.comno == old.comno && partner.comname == old.comname) return;
    // The partner's entries are held until the save ends, so that no other
    // desk changes one of them between the two statements.
    Query entries(database);
    entries.add(
        QStringLiteral("select C.\"comno\" from \"maipmach.db\" C where C.\"comno\" = :old"));
    entries.setParam(QStringLiteral("old"), old.comno);
    entries.lockRows();
    if (partner.comno != old.comno) {
        Query renumber(database);
        renumber.add(QStringLiteral("update \"maipmach.db\" C set C.\"comno\" = :new "));
        renumber.add(QStringLiteral("where C.\"comno\" = :old"));
        renumber.setParam(QStringLiteral("new"), partner.comno);
        renumber.setParam(QStringLiteral("old"), old.comno);
        renumber.exec();
    }
    if (partner.comname != old.comname) {
        Query rename(database);
        rename.add(QStringLiteral("update \"maipmach.db\" C set C.\"comname\" = :new "));
        rename.add(QStringLiteral("where C.\"comname\" = :old "));
        rename.add(QStringLiteral(" and C.\"comno\" = :comno"));
        rename.setParam(QStringLiteral("new"), partner.comname);
        rename.setParam(QStringLiteral("old"), old.comname);
        rename.setParam(QStringLiteral("comno"), partner.comno);
        rename.exec();
    }
}

}  // namespace

std::span<const PartnerTextField> partnerTextFields() {
    return kFields;
}

QString partnerNotFoundMessage() {
    return QStringLiteral("Comno not found !");
}

QString partnerSavedMessage(bool change) {
    return change ? QStringLiteral("수정완료 하였습니다!") : QStringLiteral("등록완료 하였습니다!");
}

std::optional<PartnerRecord> loadPartner(const QString& comno, Database* database) {
    Query row(database);
    row.add(QStringLiteral("select * from \"upche.dbf\" U where U.\"COMNO\" = :comno"));
    row.setParam(QStringLiteral("comno"), comno);
    row.open();
    if (row.isEmpty()) return std::nullopt;
    PartnerRecord partner;
    for (const PartnerTextField& f : kFields)
        partner.*f.member = row.text(QLatin1String(f.field));
    row.close();
    return partner;
}

PartnerSaveResult savePartner(const PartnerRecord& typed, const std::optional<PartnerKey>& old,
                              Database* database) {
    PartnerRecord partner = typed;
    partner.comno = partner.comno.trimmed();
    if (partner.comno.isEmpty())
        return refused(PartnerSaveOutcome::NoNumber,
                       QStringLiteral("거래처 등록번호를 등록하세요 !"), "EDcomno");
    if (partner.comname.trimmed().isEmpty())
        return refused(PartnerSaveOutcome::NoName, QStringLiteral("업체명을 등록하세요 !"),
                       "EDcomname");
    for (const PartnerTextField& f : kFields) {
        if (cp949ByteLength(partner.*f.member) > f.bytes) {
            return refused(PartnerSaveOutcome::TooLong,
                           QStringLiteral("%1 항목은 %2바이트까지 입력할 수 있습니다 ...!")
                               .arg(QString::fromUtf8(f.label))
                               .arg(f.bytes),
                           f.control);
        }
    }
    Query probe(database);
    Transaction transaction(probe.database());
    if ((!old || partner.comno != old->comno) && partnersNumbered(partner.comno, database) > 0) {
        return refused(PartnerSaveOutcome::DuplicateNumber,
                       QStringLiteral("같은 업체코드가 이미 등록되어 있습니다. !!"), "EDcomno");
    }
    if (old) {
        if (updatePartner(partner, old->comno, database) == 0)
            return refused(PartnerSaveOutcome::Vanished, partnerNotFoundMessage(), "EDcomno");
        carryIntoCashBook(partner, *old, database);
    } else {
        insertPartner(partner, database);
    }
    transaction.commit();
    return {};
}

bool partnerHasHistory(const QString& comno, const QString& comname, Database* database) {
    Query history(database);
    history.add(QStringLiteral("select count(*) from \"maipmach.db\" C"));
    history.add(QStringLiteral(" where C.\"comno\" = :comno or C.\"comname\" = :comname"));
    history.setParam(QStringLiteral("comno"), comno);
    history.setParam(QStringLiteral("comname"), comname);
    history.open();
    const bool found = history.value(0).toLongLong() > 0;
    history.close();
    return found;
}

bool deletePartner(const QString& comno, bool withHistory, Database* database) {
    Query remove(database);
    Transaction transaction(remove.database());
    if (withHistory) {
        remove.add(QStringLiteral("delete from \"maipmach.db\" C where C.\"comno\" = :comno"));
        remove.setParam(QStringLiteral("comno"), comno);
        remove.exec();
    }
    remove.clear();
    remove.add(QStringLiteral("delete from \"upche.dbf\" U where U.\"COMNO\" = :comno"));
    remove.setParam(QStringLiteral("comno"), comno);
    if (remove.exec() == 0) return false;  // rolled back: nothing deleted
    transaction.commit();
    return true;
}
