#include "common/query_csv.h"

#include "common/dialogs.h"
#include "common/list_cell_text.h"
#include "data/query.h"

#include <QSaveFile>
#include <QStringList>

namespace {

QString quoted(const QString& text) {
    return u'"' + QString(text).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

QString csvValue(const FieldDef& field, const QVariant& value) {
    if (field.isNumeric()) return numericValueText(value);
    return quoted(value.toString());
}

std::vector<int> csvFields(const Query& query, int fieldCount) {
    const int count =
        fieldCount < 0 ? query.fieldCount() : std::min(fieldCount, query.fieldCount());
    std::vector<int> fields;
    for (int i = 0; i < count; ++i) {
        if (query.fields()[size_t(i)].visible) fields.push_back(i);
    }
    return fields;
}

bool writeWhole(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

}  // namespace

QByteArray queryCsv(Query& query, int fieldCount) {
    const std::vector<int> fields = csvFields(query, fieldCount);
    QStringList lines;
    QStringList titles;
    for (const int i : fields)
        titles.append(quoted(query.fields()[size_t(i)].displayLabel));
    lines.append(titles.join(u','));
    for (query.first(); !query.eof(); query.next()) {
        QStringList cells;
        for (const int i : fields)
            cells.append(csvValue(query.fields()[size_t(i)], query.value(i)));
        lines.append(cells.join(u','));
    }
    query.first();
    QByteArray bytes("\xEF\xBB\xBF");
    bytes += lines.join(QStringLiteral("\r\n")).toUtf8();
    bytes += "\r\n";
    return bytes;
}

bool saveQueryAsCsv(Query& query, int fieldCount) {
    QString path = dialogs().saveFileName(QStringLiteral("CSV 파일로 저장"),
                                          QStringLiteral("CSV 파일 (*.csv)"));
    if (path.isEmpty()) return false;
    if (!path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive)) path += QStringLiteral(".csv");
    if (!writeWhole(path, queryCsv(query, fieldCount))) {
        dialogs().warning(csvNotWrittenMessage(path));
        return false;
    }
    dialogs().information(csvSavedMessage());
    return true;
}

QString csvSavedMessage() {
    return QStringLiteral("CSV 파일로 저장하였습니다 ...!");
}

QString csvNotWrittenMessage(const QString& path) {
    return QStringLiteral("파일을 저장할 수 없습니다: ") + path;
}
