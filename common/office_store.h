#pragma once

#include <QString>

#include <functional>
#include <memory>

class Database;
class OfficeFolder;

// Asks the user a yes/no question about creating a new, empty store; empty
// for commands that run without a window, which never ask.
using AskToCreateStore = std::function<bool(const QString& question)>;

// Opens the store of the office at start-up. A first start (no data folder
// named in quarnel.ini) creates the office folder, quarnel.ini and the
// store without asking. When quarnel.ini names a data folder that does not
// exist (an unmounted drive, a moved folder), `ask` decides whether an empty
// store is made there: null is returned when the user declines, and a
// command without a window is refused with a StoreError. A folder that
// cannot be made and every refusal of the store file itself (see Database)
// are StoreErrors whose messages name the folder or file.
std::unique_ptr<Database> openOfficeStore(const OfficeFolder& folder, const AskToCreateStore& ask);

// The question and the messages about the data folder named in quarnel.ini.
QString missingDataFolderQuestion(const QString& folder);
QString missingDataFolderRefusal(const QString& folder);
QString dataFolderNotCreated(const QString& folder, const QString& iniPath);
