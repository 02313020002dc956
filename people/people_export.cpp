#include "people/people_export.h"

#include "common/dates.h"
#include "people/next_birthday.h"

#include <QSaveFile>
#include <QStringList>

namespace {

using P = PersonRecord;

const QByteArray kCrLf = QByteArrayLiteral("\r\n");

struct CsvColumn {
    const char* heading;
    QString PersonRecord::*member;  // null for the columns made from other fields
};

const CsvColumn kCsvColumns[] = {
    {"이름", &P::name},
    {"관계구분", &P::gubun},
    {"회원구분", &P::group},
    {"핸드폰", &P::handphone},
    {"집전화", &P::hometel},
    {"회사전화", &P::comtel},
    {"호출번호", &P::pipi},
    {"회사FAX", &P::comfax},
    {"집FAX", &P::homefax},
    {"회사명", &P::comname},
    {"업종", &P::compart},
    {"근무부서", &P::buse},
    {"직위", &P::grade},
    {"담당업무", &P::job},
    {"회사우편번호", &P::comzip},
    {"회사주소", &P::comaddr},
    {"회사주소2", &P::comaddr1},
    {"집우편번호", &P::homezip},
    {"집주소", &P::homeaddr},
    {"집주소2", &P::homeaddr1},
    {"생년월일", &P::birthday},
    {"음양", nullptr},
    {"다음 생일", nullptr},
    {"결혼기념일", &P::marryday},
    {"첫만남일", &P::meetday},
    {"제품종류", &P::cargubun},
    {"구입일", &P::guipday},
    {"담당자", &P::name1},
    {"DM발송처", &P::dmsource},
    {"고등학교", &P::highschool},
    {"대학교", &P::univ1},
    {"대학원", &P::univ2},
    {"전공", &P::major},
    {"특기", &P::tg},
    {"취미", &P::cm},
    {"메모", &P::remark},
};

QString csvValue(const QString& text) {
    return u'"' + QString(text).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

QString calendarName(const PersonRecord& person) {
    if (person.birthday.isEmpty()) return {};
    if (person.lunarBirthday()) return QStringLiteral("음");
    if (person.solarBirthday()) return QStringLiteral("양");
    return {};
}

QString csvCell(const CsvColumn& column, const PersonRecord& person, const QDate& today) {
    if (column.member) return person.*column.member;
    if (QLatin1String(column.heading) == QLatin1String("음양")) return calendarName(person);
    return isoDate(nextBirthday(person, today).value_or(QDate()));
}

// Text of a vCard value: backslash, comma, semicolon and line breaks escaped.
QString cardText(const QString& text) {
    QString escaped;
    for (const QChar c : text) {
        if (c == u'\\' || c == u',' || c == u';') {
            escaped += u'\\';
            escaped += c;
        } else if (c == u'\n') {
            escaped += QStringLiteral("\\n");
        } else if (c != u'\r') {
            escaped += c;
        }
    }
    return escaped;
}

// A content line folded after at most 75 bytes; a continuation begins with
// a blank. A UTF-8 character is never split.
QByteArray foldedLine(const QString& line) {
    const QByteArray bytes = line.toUtf8();
    QByteArray folded;
    qsizetype start = 0;
    qsizetype limit = 75;
    while (bytes.size() - start > limit) {
        qsizetype end = start + limit;
        while (end > start && (static_cast<unsigned char>(bytes[end]) & 0xC0) == 0x80)
            --end;
        folded += bytes.mid(start, end - start) + kCrLf + ' ';
        start = end;
        limit = 74;  // the blank that begins the continuation counts
    }
    folded += bytes.mid(start) + kCrLf;
    return folded;
}

// Korean family names of two syllables; any other name's family name is its
// first syllable.
bool hasTwoSyllableFamilyName(const QString& name) {
    static const QStringList families{QStringLiteral("남궁"), QStringLiteral("제갈"),
                                      QStringLiteral("선우"), QStringLiteral("황보"),
                                      QStringLiteral("독고"), QStringLiteral("사공"),
                                      QStringLiteral("서문"), QStringLiteral("동방")};
    return name.size() >= 3 && families.contains(name.left(2));
}

bool isHangulName(const QString& name) {
    if (name.size() < 2) return false;
    for (const QChar c : name) {
        if (c.unicode() < 0xAC00 || c.unicode() > 0xD7A3) return false;
    }
    return true;
}

// N: family name; given name; additional; prefix; suffix.
QString structuredName(const QString& name) {
    const QString trimmed = name.trimmed();
    if (!isHangulName(trimmed)) return cardText(trimmed) + QStringLiteral(";;;;");
    const qsizetype family = hasTwoSyllableFamilyName(trimmed) ? 2 : 1;
    return cardText(trimmed.left(family)) + u';' + cardText(trimmed.mid(family)) +
           QStringLiteral(";;;");
}

QString joinedAddress(const QString& first, const QString& second) {
    return QStringList{first.trimmed(), second.trimmed()}.join(u' ').trimmed();
}

void addLine(QByteArray& card, const QString& name, const QString& value) {
    if (value.trimmed().isEmpty()) return;
    card += foldedLine(name + u':' + value);
}

void addAddress(QByteArray& card, const char* type, const QString& first, const QString& second,
                const QString& zip) {
    const QString street = joinedAddress(first, second);
    if (street.isEmpty() && zip.trimmed().isEmpty()) return;
    // ADR: post office box; extended; street; locality; region; postal code; country.
    card += foldedLine(QStringLiteral("ADR;TYPE=%1:;;%2;;;%3;")
                           .arg(QLatin1String(type), cardText(street), cardText(zip.trimmed())));
}

QByteArray vCard(const PersonRecord& person) {
    QByteArray card = foldedLine(QStringLiteral("BEGIN:VCARD"));
    card += foldedLine(QStringLiteral("VERSION:3.0"));
    card += foldedLine(QStringLiteral("N:") + structuredName(person.name));
    card += foldedLine(QStringLiteral("FN:") + cardText(person.name.trimmed()));
    if (!person.comname.trimmed().isEmpty() || !person.buse.trimmed().isEmpty()) {
        card += foldedLine(QStringLiteral("ORG:") + cardText(person.comname.trimmed()) + u';' +
                           cardText(person.buse.trimmed()));
    }
    addLine(card, QStringLiteral("TITLE"), cardText(person.grade.trimmed()));
    addLine(card, QStringLiteral("ROLE"), cardText(person.job.trimmed()));
    addLine(card, QStringLiteral("TEL;TYPE=CELL,VOICE"), cardText(person.handphone.trimmed()));
    addLine(card, QStringLiteral("TEL;TYPE=HOME,VOICE"), cardText(person.hometel.trimmed()));
    addLine(card, QStringLiteral("TEL;TYPE=WORK,VOICE"), cardText(person.comtel.trimmed()));
    addLine(card, QStringLiteral("TEL;TYPE=WORK,FAX"), cardText(person.comfax.trimmed()));
    addLine(card, QStringLiteral("TEL;TYPE=HOME,FAX"), cardText(person.homefax.trimmed()));
    addLine(card, QStringLiteral("TEL;TYPE=PAGER"), cardText(person.pipi.trimmed()));
    addAddress(card, "HOME", person.homeaddr, person.homeaddr1, person.homezip);
    addAddress(card, "WORK", person.comaddr, person.comaddr1, person.comzip);
    const std::optional<QDate> birthday = parseDate(person.birthday);
    if (person.solarBirthday() && birthday)
        addLine(card, QStringLiteral("BDAY"), isoDate(*birthday));
    if (const std::optional<QDate> wedding = parseDate(person.marryday))
        addLine(card, QStringLiteral("X-ANNIVERSARY"), isoDate(*wedding));
    QStringList categories;
    for (const QString& code : {person.gubun, person.group}) {
        if (!code.trimmed().isEmpty()) categories.append(cardText(code.trimmed()));
    }
    addLine(card, QStringLiteral("CATEGORIES"), categories.join(u','));
    QStringList notes;
    if (person.lunarBirthday() && !person.birthday.isEmpty())
        notes.append(QStringLiteral("음력 생일 ") + person.birthday);
    if (!person.remark.trimmed().isEmpty()) notes.append(person.remark.trimmed());
    addLine(card, QStringLiteral("NOTE"), cardText(notes.join(u'\n')));
    addLine(card, QStringLiteral("UID"), QStringLiteral("quarnel-person-") + person.scancode);
    card += foldedLine(QStringLiteral("END:VCARD"));
    return card;
}

}  // namespace

QByteArray peopleCsv(const std::vector<PersonRecord>& people, const QDate& today) {
    QByteArray csv = QByteArrayLiteral("\xEF\xBB\xBF");
    QStringList headings;
    for (const CsvColumn& column : kCsvColumns)
        headings.append(csvValue(QString::fromUtf8(column.heading)));
    csv += headings.join(u',').toUtf8() + kCrLf;
    for (const PersonRecord& person : people) {
        QStringList cells;
        for (const CsvColumn& column : kCsvColumns)
            cells.append(csvValue(csvCell(column, person, today)));
        csv += cells.join(u',').toUtf8() + kCrLf;
    }
    return csv;
}

QByteArray peopleVCards(const std::vector<PersonRecord>& people) {
    QByteArray cards;
    for (const PersonRecord& person : people)
        cards += vCard(person);
    return cards;
}

bool writeWholeFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
