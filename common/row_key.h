#pragma once

#include <QString>

#include <functional>

class Database;

// Whether a key's field leaves room, after the time-stamp key, for the
// number of the desk that made it. Keys of full fields keep their old form,
// which stored rows and the rows derived from them rely on.
enum class KeyRoom { Full, ForDesk };

// How many keys one save tries while other desks hold the ones it made.
inline constexpr int kKeyAttempts = 5;

// Writes a new row under a new key inside the action's transaction. The key
// is a time-stamp key from the application's clock, then this desk's number
// ([Office] desk= of quarnel.ini) when the field has room for it and a desk
// is named, then `tail`; with no desk named it is as at a one-desk office.
// `write` sets the key and writes the row. When the store refuses the key because
// another desk made the same one at the same moment, what `write` wrote is
// undone and it runs again with the next key; after kKeyAttempts refusals a
// StoreKeyClash tells the user. Returns the key the row was written under.
QString writeWithNewKey(Database& database, KeyRoom room,
                        const std::function<void(const QString& key)>& write,
                        const QString& tail = {});

// What the user is told when every key a save made was taken.
QString keysTakenMessage();
