#pragma once

#include <QString>

// The Korean messages of the store's own refusals and waits. Each message
// about the store file or its folder names where it is, so that the user
// can find it.
namespace storeMessages {

// Another program kept writing for the whole busy time-out.
QString busyWriting(int waitedMs);
// The file at start-up.
QString lockedByAnotherProgram(const QString& filePath);
QString readOnlyFile(const QString& filePath);
QString readOnlyFolder(const QString& folderPath);
QString notADatabase(const QString& filePath);
QString damaged(const QString& filePath);
QString foreign(const QString& filePath);
QString newerVersion(const QString& filePath, int fileVersion, int knownVersion);
QString unreadable(const QString& filePath);
QString folderNotCreated(const QString& folderPath);

}  // namespace storeMessages

// The messages of a store on a database server; each names the server.
namespace serverMessages {
QString unreachable(const QString& server);
QString lost(const QString& server);
QString foreign(const QString& server);
QString newerVersion(const QString& server, int storeVersion, int knownVersion);
QString busyWriting(int waitedMs);
}  // namespace serverMessages
