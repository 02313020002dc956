#include "common/office_store.h"

#include "common/office_folder.h"
#include "common/private_files.h"
#include "data/database.h"
#include "data/server_address.h"
#include "data/store_error.h"
#include "data/store_messages.h"

#include <QDir>
#include <QFileInfo>

namespace {
QString folderLine(const QString& folder) {
    return QStringLiteral("\n폴더: ") + folder;
}
}  // namespace

QString missingDataFolderQuestion(const QString& folder) {
    return QStringLiteral("quarnel.ini에 적힌 자료 폴더가 없습니다.") + folderLine(folder) +
           QStringLiteral(
               "\n\n외장 드라이브나 네트워크 폴더라면 연결한 뒤 다시 시작하세요.\n"
               "이 폴더에 빈 자료를 새로 만들까요?");
}

QString missingDataFolderRefusal(const QString& folder) {
    return QStringLiteral("quarnel.ini에 적힌 자료 폴더가 없습니다.") + folderLine(folder) +
           QStringLiteral(
               "\n창 없이 실행한 명령은 빈 자료를 새로 만들지 않습니다. 외장 "
               "드라이브나 네트워크 폴더라면 연결한 뒤 다시 하세요.");
}

QString dataFolderNotCreated(const QString& folder, const QString& iniPath) {
    return QStringLiteral(
               "quarnel.ini에 적힌 자료 폴더를 만들 수 없습니다. quarnel.ini의 "
               "[Aliases] qdb3 항목을 확인하세요.") +
           folderLine(folder) + QStringLiteral("\n설정 파일: ") + iniPath;
}

std::unique_ptr<Database> openOfficeStore(const OfficeFolder& folder, const AskToCreateStore& ask) {
    // Read before ensureCreated() writes the default entry of a first start.
    const bool named = folder.namesAliasDirectory();
    if (!folder.ensureCreated()) {
        throw StoreError(
            QStringLiteral("사무실 폴더를 만들 수 없습니다.") + folderLine(folder.path()),
            QStringLiteral("cannot create the office folder"));
    }
    const QString directory = folder.aliasDirectory();
    // A store on a database server: no folder of its own; never a local
    // file in its place when the server cannot be reached.
    if (isServerAlias(directory)) return std::make_unique<Database>(directory);
    if (named && !QFileInfo::exists(directory)) {
        if (!ask) {
            throw StoreError(missingDataFolderRefusal(directory),
                             QStringLiteral("the data folder does not exist"));
        }
        if (!ask(missingDataFolderQuestion(directory))) return nullptr;
    }
    if (!makeOwnerOnlyFolder(directory)) {
        throw StoreError(named ? dataFolderNotCreated(directory, folder.iniPath())
                               : storeMessages::folderNotCreated(directory),
                         QStringLiteral("cannot create the data folder"));
    }
    return std::make_unique<Database>(directory);
}
