#pragma once

#include <QString>

#include <optional>
#include <span>

class Query;

// One Person of the people directory: a row of man.DB, keyed by `scancode`.
// Dates are "YYYY-MM-DD" texts; the birthday follows the lunar calendar when
// `uy` is "U" and the solar one when it is "Y". `bthMonth` and `bthDay` are
// the month and day of the birthday (0 when there is none), kept so that
// birthdays are found whatever the year.
struct PersonRecord {
    QString scancode;
    QString name;
    QString gubun;
    QString group;
    QString meetday;
    QString birthday;
    int bthMonth = 0;
    int bthDay = 0;
    QString uy = QStringLiteral("U");
    QString handphone;
    QString pipi;
    QString comtel;
    QString hometel;
    QString comfax;
    QString homefax;
    QString comname;
    QString compart;
    QString buse;
    QString grade;
    QString job;
    QString comaddr;
    QString comaddr1;
    QString comzip;
    QString homeaddr;
    QString homeaddr1;
    QString homezip;
    QString highschool;
    QString univ1;
    QString univ2;
    QString major;
    QString tg;
    QString cm;
    QString marryday;
    QString cargubun;
    QString guipday;
    QString name1;
    QString dmsource;
    QString remark;

    bool lunarBirthday() const { return uy == QLatin1String("U"); }
    bool solarBirthday() const { return uy == QLatin1String("Y"); }
    bool operator==(const PersonRecord&) const = default;
};

// A text field of a Person and the control of the entry form that holds it.
struct PersonTextField {
    const char* field;    // field of man.DB
    const char* control;  // object name of the entry form's control
    const char* label;    // its caption, to name it in messages
    int bytes;            // CP949 byte limit
    QString PersonRecord::*member;
};

// Every text field of man.DB but `uy` and `Remark`, in the order of the
// table: names, codes, dates, telephones, addresses, schooling.
std::span<const PersonTextField> personTextFields();

// The fields a Person's date is kept in ("YYYY-MM-DD" or empty).
bool isPersonDateField(const PersonTextField& field);

// The Person of the query's current row; the query selects every field of
// man.DB by its name.
PersonRecord personFromQuery(Query& query);

// The Person with that key; nothing when there is none.
std::optional<PersonRecord> loadPerson(const QString& scancode);

enum class PersonSave { AsNew, AsChange };

// Saves the Person in one transaction and returns its key. AsNew: a new row
// with a new time-stamp key. AsChange: the row `scancode` is rewritten;
// nothing (and nothing written) when it no longer exists. `bthMonth` and
// `bthDay` are taken from the birthday text; an emptied date is stored empty.
// A text too long for its field throws StoreError and writes nothing.
std::optional<QString> savePerson(const PersonRecord& person, PersonSave kind,
                                  const QString& scancode = {});

// Deletes the Person with that key and then reports the deletion (or that
// there was none) with the messages of the delete-by-key routine. Returns
// whether it was found.
bool deletePerson(const QString& scancode);
