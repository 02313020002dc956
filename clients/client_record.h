#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <exception>
#include <optional>
#include <span>
#include <utility>

// One client request: a row of BUREQU.DB, keyed by `scancode`. The budget
// is whole thousands of won, areas whole pyeong, the date "YYYY-MM-DD".
struct ClientRecord {
    QString name;
    QString im;
    QString cname;
    QString wantcom;
    QString htel;
    QString pipi;
    QString hphone;
    QString fax;
    // Nothing: the stored budget stays as it is (empty for a new request).
    std::optional<qint64> yesan;
    qint64 dpungl = 0;
    qint64 dpungu = 0;
    qint64 gpungl = 0;
    qint64 gpungu = 0;
    // Empty: the stored date stays as it is.
    QString inday;
    QString addr;
    QString working;
    QString memo1;
    // How many times the request was saved, and the desk that saved it last;
    // a change is saved only over the count it was loaded with.
    qint64 changes = 0;
    QString changedBy;
};

// A text of the request typed into a one-line field or chosen in a list.
struct ClientTextField {
    const char* field;    // field of BUREQU.DB
    const char* control;  // the control's object name
    const char* label;    // its caption on the form
    int bytes;            // CP949 byte limit
    QString ClientRecord::*member;
};
std::span<const ClientTextField> clientTextFields();

// A number of the request: its field, entry field, caption and the digits
// the entry field takes.
struct ClientNumberField {
    const char* field;
    const char* control;
    const char* label;
    int digits;
};
std::span<const ClientNumberField> clientNumberFields();

// A request as it is stored: the texts and the numbers as the entry form
// shows them (with thousands commas, empty where the store holds none).
struct StoredClient {
    ClientRecord record;
    QString yesan;
    QString dpungl;
    QString dpungu;
    QString gpungl;
    QString gpungu;
};

// The request with that key; nothing when there is none.
std::optional<StoredClient> loadClient(const QString& scancode);

// Saving a change found that another desk saved the request since it was
// loaded; `current` is the request as it now stands in the store.
struct ClientChangedElsewhere : std::exception {
    explicit ClientChangedElsewhere(StoredClient now) : current(std::move(now)) {}
    const char* what() const noexcept override { return "client request changed at another desk"; }
    StoredClient current;
};

// What another desk changed: "caption: before → after" for every field in
// which `now` differs from `loaded`, numbers as the form shows them.
QStringList changedClientFields(const StoredClient& loaded, const StoredClient& now);

enum class ClientSave { AsNew, AsChange };

// Saves the request in one transaction. AsNew: a new row numbered with a
// new time-stamp key, returned. AsChange: the row `scancode` is rewritten;
// nothing when it does not exist (then nothing is written); when another
// desk saved it since `record` was loaded (its change count differs), nothing
// is written and ClientChangedElsewhere is thrown. A text too long for its
// field throws StoreError and leaves the store as it was.
std::optional<QString> saveClient(const ClientRecord& record, ClientSave kind,
                                  const QString& scancode = {});

// Deletes the request and the history of listings offered to it, in one
// transaction. Returns whether the request existed.
bool deleteClient(const QString& scancode);
