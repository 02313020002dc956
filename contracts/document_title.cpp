#include "contracts/document_title.h"

#include <QStringList>

QString documentTitle(const QString& kind, const QString& address, const QString& date) {
    QStringList parts{kind};
    for (const QString& part : {address, date}) {
        if (!part.trimmed().isEmpty()) parts.append(part.simplified());
    }
    QString title = parts.join(u' ');
    // "." too: the dialog takes what follows the last point for an extension.
    for (const QChar c : QStringLiteral("/\\:*?\"<>|."))
        title.replace(c, u'_');
    return title;
}
