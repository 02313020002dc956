#include "data/store_messages.h"

namespace storeMessages {

namespace {
QString fileLine(const QString& filePath) {
    return QStringLiteral("\n파일: ") + filePath;
}
const QString kUntouched = QStringLiteral(" 파일은 바꾸지 않았습니다.");
}  // namespace

QString busyWriting(int waitedMs) {
    return QStringLiteral(
               "다른 프로그램이 자료를 쓰고 있어 %1초 동안 기다렸지만 저장하지 "
               "못했습니다. 잠시 후 다시 하세요 ...!")
        .arg((waitedMs + 999) / 1000);
}

QString lockedByAnotherProgram(const QString& filePath) {
    return QStringLiteral(
               "다른 프로그램이 자료 파일을 잠그고 있어 열 수 없습니다. 그 프로그램을 "
               "닫은 뒤 다시 시작하세요.") +
           fileLine(filePath);
}

QString readOnlyFile(const QString& filePath) {
    return QStringLiteral(
               "자료 파일이 읽기 전용이라 자료를 저장할 수 없습니다. 파일의 쓰기 "
               "권한을 확인하세요.") +
           fileLine(filePath);
}

QString readOnlyFolder(const QString& folderPath) {
    return QStringLiteral(
               "자료 폴더가 읽기 전용이라 자료를 저장할 수 없습니다. 폴더의 쓰기 "
               "권한을 확인하세요.\n폴더: ") +
           folderPath;
}

QString notADatabase(const QString& filePath) {
    return QStringLiteral("이 파일은 자료 파일이 아닙니다.") + kUntouched + fileLine(filePath);
}

QString damaged(const QString& filePath) {
    return QStringLiteral(
               "자료 파일이 손상되어 열 수 없습니다. 백업해 둔 자료 파일로 "
               "바꾸세요.") +
           kUntouched + fileLine(filePath);
}

QString foreign(const QString& filePath) {
    return QStringLiteral("이 파일은 다른 프로그램의 자료 파일이라 열지 않았습니다.") + kUntouched +
           fileLine(filePath);
}

QString newerVersion(const QString& filePath, int fileVersion, int knownVersion) {
    return QStringLiteral(
               "이 자료 파일은 더 새로운 판의 프로그램이 만든 것입니다 (자료 구조 "
               "%1판, 이 프로그램은 %2판까지 압니다). 새 판의 프로그램으로 여세요.")
               .arg(fileVersion)
               .arg(knownVersion) +
           kUntouched + fileLine(filePath);
}

QString unreadable(const QString& filePath) {
    return QStringLiteral("자료 파일을 읽을 수 없습니다.") + fileLine(filePath);
}

QString folderNotCreated(const QString& folderPath) {
    return QStringLiteral("자료 폴더를 만들 수 없습니다.\n폴더: ") + folderPath;
}

}  // namespace storeMessages

namespace serverMessages {

namespace {
QString serverLine(const QString& server) { return QStringLiteral("\n서버: ") + server; }
}  // namespace

QString unreachable(const QString& server) {
    return QStringLiteral(
               "자료 서버에 연결할 수 없습니다. 서버가 켜져 있는지, 네트워크와 "
               "quarnel.ini의 주소·사용자·암호가 맞는지 확인한 뒤 다시 하세요.") +
           serverLine(server);
}

QString lost(const QString& server) {
    return QStringLiteral(
               "자료 서버와의 연결이 끊어졌습니다. 이번 작업은 저장하지 않았습니다. "
               "입력한 내용은 화면에 남아 있으니 연결을 확인한 뒤 다시 하세요.") +
           serverLine(server);
}

QString foreign(const QString& server) {
    return QStringLiteral(
               "서버의 이 자료는 이 프로그램의 자료가 아닙니다. 다른 프로그램의 "
               "자료일 수 있어 열지 않았습니다. 자료는 바꾸지 않았습니다.") +
           serverLine(server);
}

QString newerVersion(const QString& server, int storeVersion, int knownVersion) {
    return QStringLiteral(
               "서버의 자료가 이 프로그램보다 새 판(자료 구조 %1, 이 프로그램 %2)에서 "
               "만들어졌습니다. 프로그램을 새 판으로 바꾸세요. 자료는 바꾸지 않았습니다.")
               .arg(storeVersion)
               .arg(knownVersion) +
           serverLine(server);
}

QString busyWriting(int waitedMs) {
    return QStringLiteral(
               "다른 자리에서 같은 자료를 쓰고 있어 %1초 동안 기다렸지만 저장하지 "
               "못했습니다. 잠시 후 다시 하세요 ...!")
        .arg((waitedMs + 999) / 1000);
}

}  // namespace serverMessages
