#include "data/server_address.h"

#include "data/store_error.h"

#include <QUrl>
#include <QUrlQuery>

namespace {
const QLatin1StringView kSchemes[] = {QLatin1StringView("postgresql://"),
                                      QLatin1StringView("postgres://")};
}  // namespace

bool isServerAlias(const QString& aliasValue) {
    const QString value = aliasValue.trimmed();
    for (const QLatin1StringView scheme : kSchemes) {
        if (value.startsWith(scheme, Qt::CaseInsensitive)) return true;
    }
    return false;
}

namespace {
QString decoded(const QString& part) {
    return QUrl::fromPercentEncoding(part.toUtf8());
}

[[noreturn]] void refuseAddress() {
    throw StoreError(QStringLiteral("quarnel.ini의 자료 서버 주소를 읽을 수 없습니다.\n"
                                    "postgresql://사용자:암호@서버:포트/자료이름 꼴로 적으세요."),
                     QStringLiteral("bad server address"));
}
}  // namespace

ServerAddress parseServerAddress(const QString& aliasValue) {
    if (!isServerAlias(aliasValue)) refuseAddress();
    QString rest = aliasValue.trimmed();
    rest = rest.mid(rest.indexOf(QLatin1StringView("://")) + 3);
    QString queryText;
    if (const qsizetype mark = rest.indexOf(u'?'); mark >= 0) {
        queryText = rest.mid(mark + 1);
        rest.truncate(mark);
    }
    const qsizetype slash = rest.indexOf(u'/');
    if (slash < 0) refuseAddress();
    QString authority = rest.left(slash);
    ServerAddress address;
    address.database = decoded(rest.mid(slash + 1));
    if (address.database.isEmpty() || address.database.contains(u'/')) refuseAddress();
    if (const qsizetype at = authority.lastIndexOf(u'@'); at >= 0) {
        const QString credentials = authority.left(at);
        authority = authority.mid(at + 1);
        const qsizetype colon = credentials.indexOf(u':');
        address.user = decoded(credentials.left(colon));
        if (colon >= 0) address.password = decoded(credentials.mid(colon + 1));
    }
    if (const qsizetype colon = authority.lastIndexOf(u':'); colon >= 0) {
        bool ok = false;
        address.port = authority.mid(colon + 1).toInt(&ok);
        if (!ok || address.port <= 0 || address.port > 65535) refuseAddress();
        authority.truncate(colon);
    }
    address.host = decoded(authority);
    const QUrlQuery query(queryText);
    if (query.hasQueryItem(QStringLiteral("host"))) {
        address.host = query.queryItemValue(QStringLiteral("host"), QUrl::FullyDecoded);
    }
    if (address.host.isEmpty()) address.host = QStringLiteral("localhost");
    return address;
}

QString ServerAddress::shown() const {
    QString text;
    if (!user.isEmpty()) text += user + u'@';
    text += host;
    if (!host.startsWith(u'/')) text += u':' + QString::number(port);
    return text + u'/' + database;
}

QString ServerAddress::urlFor(const QString& databaseName) const {
    const auto encoded = [](const QString& part) {
        return QString::fromUtf8(QUrl::toPercentEncoding(part));
    };
    QString credentials = encoded(user);
    if (!password.isEmpty()) credentials += u':' + encoded(password);
    if (!credentials.isEmpty()) credentials += u'@';
    if (host.startsWith(u'/')) {
        return QStringLiteral("postgresql://%1/%2?host=%3")
            .arg(credentials, encoded(databaseName), encoded(host));
    }
    return QStringLiteral("postgresql://%1%2:%3/%4")
        .arg(credentials, host)
        .arg(port)
        .arg(encoded(databaseName));
}
