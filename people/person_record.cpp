#include "people/person_record.h"

#include "common/dates.h"
#include "common/dialogs.h"
#include "common/row_key.h"
#include "data/database.h"
#include "data/query.h"
#include "data/table.h"
#include "data/transaction.h"

namespace {

using P = PersonRecord;

const QString kPeopleTable = QStringLiteral("man.DB");

const PersonTextField kTextFields[] = {
    {"Name", "EDname", "이름", 8, &P::name},
    {"Gubun", "CBgubun", "관계구분", 15, &P::gubun},
    {"group", "CBgroup", "회원구분", 15, &P::group},
    {"meetday", "EDmeetday", "첫만남일", 10, &P::meetday},
    {"birthday", "EDbirthday", "생년월일", 10, &P::birthday},
    {"handphone", "EDhandphone", "핸드폰", 17, &P::handphone},
    {"Pipi", "EDpipi", "호출", 14, &P::pipi},
    {"Comtel", "EDcomtel", "회사전화", 17, &P::comtel},
    {"Hometel", "EDhometel", "집전화", 17, &P::hometel},
    {"comfax", "EDcomfax", "회사FAX.", 14, &P::comfax},
    {"homefax", "EDhomefax", "집FAX.", 14, &P::homefax},
    {"Comname", "EDcomname", "회사명", 17, &P::comname},
    {"compart", "CBcompart", "업종", 15, &P::compart},
    {"Buse", "EDbuse", "근무부서", 10, &P::buse},
    {"Grade", "EDgrade", "직위", 10, &P::grade},
    {"job", "EDjob", "담당업무", 20, &P::job},
    {"Comaddr", "EDcomaddr", "회사주소", 42, &P::comaddr},
    {"Comaddr1", "EDcomaddr1", "회사주소 둘째 줄", 42, &P::comaddr1},
    {"comzip", "EDcomzip", "회사 우편번호", 9, &P::comzip},
    {"Homeaddr", "EDhomeaddr", "집주소", 42, &P::homeaddr},
    {"Homeaddr1", "EDhomeaddr1", "집주소 둘째 줄", 42, &P::homeaddr1},
    {"homezip", "EDhomezip", "집 우편번호", 9, &P::homezip},
    {"highschool", "EDhighschool", "고등학교", 12, &P::highschool},
    {"univ1", "EDuniv1", "대학교", 12, &P::univ1},
    {"univ2", "EDuniv2", "대학원", 12, &P::univ2},
    {"major", "EDmajor", "전공", 15, &P::major},
    {"tg", "EDtg", "특기", 22, &P::tg},
    {"cm", "EDcm", "취미", 30, &P::cm},
    {"marryday", "EDmarryday", "결혼기념일", 10, &P::marryday},
    {"Cargubun", "CBcargubun", "제품종류", 20, &P::cargubun},
    {"guipday", "EDguipday", "구입일", 10, &P::guipday},
    {"Name1", "EDname1", "담당자", 8, &P::name1},
    {"dmsource", "CBdmsource", "DM발송처", 10, &P::dmsource},
};

// An empty text is stored as empty text, never as a missing value.
QString stored(const QString& text) {
    return text.isNull() ? QStringLiteral("") : text;
}

int wholeNumber(const QVariant& value) {
    return value.isNull() ? 0 : value.toInt();
}

template <typename Row>
PersonRecord readPerson(Row& row) {
    PersonRecord person;
    person.scancode = row.text(QStringLiteral("Scancode"));
    for (const PersonTextField& f : kTextFields)
        person.*f.member = row.text(QLatin1String(f.field));
    person.bthMonth = wholeNumber(row.value(QStringLiteral("bthMonth")));
    person.bthDay = wholeNumber(row.value(QStringLiteral("bthDay")));
    person.uy = row.text(QStringLiteral("uy"));
    person.remark = row.text(QStringLiteral("Remark"));
    return person;
}

void writePerson(Table& table, const PersonRecord& person) {
    for (const PersonTextField& f : kTextFields)
        table.setValue(QLatin1String(f.field), stored(person.*f.member));
    // The month and day of the birthday as numbers, whichever calendar it
    // follows (a lunar birthday may be the 30th of the second month).
    const std::optional<DateParts> birth =
        person.birthday.isEmpty() ? std::nullopt : parseDateParts(person.birthday);
    table.setValue(QStringLiteral("bthMonth"), birth ? QVariant(birth->month) : QVariant());
    table.setValue(QStringLiteral("bthDay"), birth ? QVariant(birth->day) : QVariant());
    table.setValue(QStringLiteral("uy"), stored(person.uy));
    table.setValue(QStringLiteral("Remark"), stored(person.remark));
}

}  // namespace

std::span<const PersonTextField> personTextFields() {
    return kTextFields;
}

bool isPersonDateField(const PersonTextField& field) {
    const QLatin1String name(field.field);
    return name == QLatin1String("meetday") || name == QLatin1String("birthday") ||
           name == QLatin1String("marryday") || name == QLatin1String("guipday");
}

PersonRecord personFromQuery(Query& query) {
    return readPerson(query);
}

std::optional<PersonRecord> loadPerson(const QString& scancode) {
    Table people(kPeopleTable);
    people.open();
    if (!people.findKey(scancode)) return std::nullopt;
    return readPerson(people);
}

std::optional<QString> savePerson(const PersonRecord& person, PersonSave kind,
                                  const QString& scancode) {
    Transaction transaction(Database::qdb3());
    Table people(kPeopleTable);
    people.open();
    QString key = scancode;
    if (kind == PersonSave::AsNew) {
        people.append();
        writePerson(people, person);
        key = writeWithNewKey(Database::qdb3(), KeyRoom::ForDesk, [&](const QString& made) {
            people.setValue(QStringLiteral("Scancode"), made);
            people.post();
        });
    } else {
        if (!people.findKey(scancode)) return std::nullopt;
        people.edit();
        writePerson(people, person);
        people.post();
    }
    transaction.commit();
    return key;
}

bool deletePerson(const QString& scancode) {
    bool found = false;
    {
        Transaction transaction(Database::qdb3());
        Table people(kPeopleTable);
        people.open();
        found = people.findKey(scancode);
        if (found) people.deleteRow();
        transaction.commit();
    }
    // Told only once the deletion is committed.
    dialogs().information(found ? QStringLiteral("자료를 삭제하였습니다 ...!")
                                : QStringLiteral("해당되는 자료가 존재하지 않습니다 ...!"));
    return found;
}
