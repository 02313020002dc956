#include "tools/postal_file.h"

#include "common/cp949_text.h"

#include <QStringDecoder>

#include <array>

namespace {

const QByteArray kUtf8Bom("\xEF\xBB\xBF");

void setError(QString* error, const QString& text) {
    if (error)
        *error = text;
}

QString lineError(int line, const QString& text) {
    return QStringLiteral("%1번째 줄: %2").arg(line).arg(text);
}

// Where each of the three fields stands in a row.
struct ColumnMap {
    int zip = -1;
    int addr = -1;
    int ddd = -1;
    int width = 0;  // fields in the header row
};

std::optional<ColumnMap> mapHeader(const QStringList& names, int line, QString* error) {
    ColumnMap map;
    map.width = static_cast<int>(names.size());
    const std::array<std::pair<QString, int*>, 3> wanted{{{QStringLiteral("ZIP"), &map.zip},
                                                          {QStringLiteral("ADDR"), &map.addr},
                                                          {QStringLiteral("DDD"), &map.ddd}}};
    for (int i = 0; i < names.size(); ++i) {
        for (const auto& [name, column] : wanted) {
            if (names[i].compare(name, Qt::CaseInsensitive) != 0)
                continue;
            if (*column >= 0) {
                setError(error,
                         lineError(line,
                                   QStringLiteral("머리글에 %1 항목이 두 번 있습니다.").arg(name)));
                return std::nullopt;
            }
            *column = i;
        }
    }
    for (const auto& [name, column] : wanted) {
        if (*column < 0) {
            setError(error,
                     lineError(line, QStringLiteral("머리글에 %1 항목이 없습니다. 첫 줄에 ZIP, "
                                                    "ADDR, DDD 항목 이름이 있어야 합니다.")
                                         .arg(name)));
            return std::nullopt;
        }
    }
    return map;
}

bool fitsField(const QString& value, int limit, const QString& title, int line, QString* error) {
    const int bytes = cp949ByteLength(value);
    if (limit <= 0 || bytes <= limit)
        return true;
    setError(error, lineError(line, QStringLiteral("%1 값이 %2바이트로, 최대 %3바이트를 넘습니다.")
                                        .arg(title)
                                        .arg(bytes)
                                        .arg(limit)));
    return false;
}

bool isBlank(const QStringList& fields) {
    for (const QString& field : fields) {
        if (!field.isEmpty())
            return false;
    }
    return true;
}

}  // namespace

QString decodePostalText(const QByteArray& bytes) {
    const QByteArray body = bytes.startsWith(kUtf8Bom) ? bytes.mid(kUtf8Bom.size()) : bytes;
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = utf8(body);
    if (!utf8.hasError())
        return text;
    return fromCp949(body);
}

std::optional<QChar> detectSeparator(const QString& headerLine) {
    std::array<std::pair<QChar, int>, 3> counts{
        {{QLatin1Char('\t'), 0}, {QLatin1Char(';'), 0}, {QLatin1Char(','), 0}}};
    bool quoted = false;
    for (const QChar c : headerLine) {
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        if (quoted)
            continue;
        for (auto& [separator, count] : counts) {
            if (c == separator)
                ++count;
        }
    }
    std::optional<QChar> best;
    int bestCount = 0;
    for (const auto& [separator, count] : counts) {
        if (count > bestCount) {
            best = separator;
            bestCount = count;
        }
    }
    return best;
}

std::optional<QStringList> splitFields(const QString& line, QChar separator) {
    QStringList fields;
    QString field;
    bool quoted = false;     // inside a quoted part
    bool wasQuoted = false;  // the field began with a quote
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (quoted) {
            if (c != QLatin1Char('"')) {
                field += c;
            } else if (i + 1 < line.size() && line[i + 1] == QLatin1Char('"')) {
                field += c;
                ++i;
            } else {
                quoted = false;
            }
        } else if (c == separator) {
            fields.append(wasQuoted ? field : field.trimmed());
            field.clear();
            wasQuoted = false;
        } else if (c == QLatin1Char('"') && field.trimmed().isEmpty() && !wasQuoted) {
            field.clear();
            quoted = wasQuoted = true;
        } else if (!(wasQuoted && c.isSpace())) {
            field += c;
        }
    }
    if (quoted)
        return std::nullopt;
    fields.append(wasQuoted ? field : field.trimmed());
    return fields;
}

std::optional<std::vector<PostalRow>> parsePostalText(const QString& text,
                                                      const PostalFieldLimits& limits,
                                                      QString* error) {
    QString normalised = text;
    normalised.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    normalised.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QStringList lines = normalised.split(QLatin1Char('\n'));

    std::optional<ColumnMap> map;
    QChar separator;
    std::vector<PostalRow> rows;
    for (int index = 0; index < lines.size(); ++index) {
        const int lineNumber = index + 1;
        const QString& line = lines[index];
        if (line.trimmed().isEmpty())
            continue;
        if (!map) {
            if (line.trimmed().startsWith(QLatin1Char('#')))
                continue;
            const std::optional<QChar> found = detectSeparator(line);
            if (!found) {
                setError(error,
                         lineError(lineNumber, QStringLiteral("머리글 줄에 ZIP, ADDR, DDD 항목 "
                                                              "이름이 쉼표, 탭 또는 세미콜론으로 "
                                                              "나뉘어 있어야 합니다.")));
                return std::nullopt;
            }
            separator = *found;
        }
        const std::optional<QStringList> fields = splitFields(line, separator);
        if (!fields) {
            setError(error, lineError(lineNumber, QStringLiteral("따옴표가 닫히지 않았습니다.")));
            return std::nullopt;
        }
        if (!map) {
            map = mapHeader(*fields, lineNumber, error);
            if (!map)
                return std::nullopt;
            continue;
        }
        if (isBlank(*fields))
            continue;
        if (fields->size() != map->width) {
            setError(error, lineError(lineNumber,
                                      QStringLiteral("항목이 %1개로, 머리글의 %2개와 다릅니다.")
                                          .arg(fields->size())
                                          .arg(map->width)));
            return std::nullopt;
        }
        PostalRow row{fields->at(map->zip), fields->at(map->addr), fields->at(map->ddd),
                      lineNumber};
        if (!fitsField(row.zip, limits.zip, QStringLiteral("우편번호(ZIP)"), lineNumber, error) ||
            !fitsField(row.addr, limits.addr, QStringLiteral("주소(ADDR)"), lineNumber, error) ||
            !fitsField(row.ddd, limits.ddd, QStringLiteral("DDD"), lineNumber, error)) {
            return std::nullopt;
        }
        rows.push_back(std::move(row));
    }
    if (!map) {
        setError(error,
                 QStringLiteral(
                     "머리글 줄이 없습니다. 첫 줄에 ZIP, ADDR, DDD 항목 이름이 있어야 합니다."));
        return std::nullopt;
    }
    if (rows.empty()) {
        setError(error, QStringLiteral("머리글 아래에 우편번호 자료가 없습니다."));
        return std::nullopt;
    }
    return rows;
}
