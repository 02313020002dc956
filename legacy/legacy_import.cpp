#include "legacy/legacy_import.h"

#include "common/number_format.h"
#include "data/database.h"
#include "data/store_error.h"
#include "data/transaction.h"
#include "legacy/legacy_folder.h"
#include "legacy/photo_plan.h"
#include "legacy/table_roles.h"
#include "legacy/value_conversion.h"

#include <QSqlError>
#include <QSqlQuery>

#include <optional>

namespace {

// Stops the import; the message names what could not be imported.
struct ImportStopped {
    QString message;
};

QString quoted(const QString& name) {
    return QLatin1Char('"') + QString(name).replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
           QLatin1Char('"');
}

// One table ready to be written: the store's columns and every row's values.
struct PreparedTable {
    LegacyTableFile file;
    QStringList columns;
    std::vector<QVariantList> rows;
    std::vector<int> recordNumbers;  // each row's record in the old file
    int deletedRecords = 0;
};

class LegacyImport {
public:
    LegacyImport(Database& database, QString pictureFolder, bool replace,
                 const ImportProgress& progress, LegacyImportReport& report)
        : database_(database),
          pictureFolder_(std::move(pictureFolder)),
          replace_(replace),
          progress_(progress),
          report_(report) {}

    void run(const QString& folderPath) {
        QString error;
        const std::optional<LegacyFolder> folder = scanLegacyFolder(folderPath, &error);
        if (!folder) throw ImportStopped{error};
        const std::vector<LegacyTableFile> files = filesToImport(*folder);
        if (files.empty()) {
            throw ImportStopped{
                QStringLiteral("가져올 표가 없습니다: %1 (BUDONG.DB 같은 예전 표 파일이 있는 "
                               "폴더를 주십시오.)")
                    .arg(folderPath)};
        }
        std::vector<PreparedTable> tables;
        for (const LegacyTableFile& file : files)
            tables.push_back(prepare(file, *folder));
        write(tables);
        copyPlannedPhotos();
    }

private:
    std::vector<LegacyTableFile> filesToImport(const LegacyFolder& folder) {
        std::vector<LegacyTableFile> files;
        for (const LegacyTableFile& file : folder.tables) {
            const TableRole role = tableRole(file.table);
            if (!database_.hasTable(file.table)) {
                report_.skipped.push_back(
                    {file.fileName, QStringLiteral("이 프로그램의 자료에 없는 표입니다")});
            } else if (!isImported(role)) {
                report_.passedOver.push_back({file.fileName, passedOverReason(role)});
            } else {
                files.push_back(file);
            }
        }
        return files;
    }

    void refuseWhenUsersEnteredData() {
        if (replace_) return;
        QStringList held;
        for (const QString& table : database_.tableNames()) {
            if (tableRole(table) != TableRole::OfficeData) continue;
            QSqlQuery count(database_.connection());
            if (!count.exec(QStringLiteral("SELECT count(*) FROM %1").arg(quoted(table))) ||
                !count.next()) {
                throw StoreError(QStringLiteral("자료의 수를 셀 수 없습니다: ") + table,
                                 count.lastError().text());
            }
            const int rows = count.value(0).toInt();
            if (rows > 0)
                held.append(QStringLiteral("%1 %2건").arg(tableTitle(table), formatAmount(rows)));
        }
        if (held.isEmpty()) return;
        throw ImportStopped{QStringLiteral("이 사무실에는 이미 입력한 자료가 있어 가져오지 "
                                           "않았습니다 (%1). 예전 자료로 바꾸려면 --replace를 "
                                           "붙여 다시 실행하십시오.")
                                .arg(held.join(QStringLiteral(", ")))};
    }

    PreparedTable prepare(const LegacyTableFile& file, const LegacyFolder& folder) {
        say(QStringLiteral("읽는 중: %1 (%2)").arg(file.fileName, tableTitle(file.table)));
        LegacyTable legacy;
        try {
            legacy = readLegacyTableFile(file);
        } catch (const LegacyFileError& failure) {
            throw ImportStopped{QStringLiteral("%1: %2").arg(file.fileName, failure.message())};
        }
        const TableInfo info = database_.tableInfo(file.table);
        PreparedTable prepared{file, {}, {}, {}, legacy.deletedRecords};
        const std::vector<int> targets = mapFields(file, legacy, info);
        for (int target : targets) {
            if (target >= 0) prepared.columns.append(info.fields[static_cast<size_t>(target)].name);
        }
        if (prepared.columns.isEmpty()) {
            throw ImportStopped{QStringLiteral("%1: 이 표의 항목이 하나도 없습니다. 다른 표의 "
                                               "파일인지 살펴보십시오.")
                                    .arg(file.fileName)};
        }
        for (const LegacyRecord& record : legacy.records) {
            prepared.rows.push_back(convertRecord(file, legacy, info, targets, record));
            prepared.recordNumbers.push_back(record.number);
        }
        if (file.table == QLatin1String("pict")) placePhotos(prepared, info, folder);
        return prepared;
    }

    // The store field of each field of the old file, -1 for a field the
    // store does not know.
    std::vector<int> mapFields(const LegacyTableFile& file, const LegacyTable& legacy,
                               const TableInfo& info) {
        std::vector<int> targets;
        std::vector<bool> used(info.fields.size(), false);
        for (const LegacyField& field : legacy.fields) {
            const int target = info.fieldIndex(field.name);
            if (target < 0) {
                report_.skipped.push_back(
                    {QStringLiteral("%1의 항목 %2").arg(file.fileName, field.name),
                     QStringLiteral("이 프로그램의 표에 없는 항목입니다")});
            } else if (used[static_cast<size_t>(target)]) {
                throw ImportStopped{QStringLiteral("%1: 항목 %2이(가) 두 번 있습니다.")
                                        .arg(file.fileName, field.name)};
            } else {
                used[static_cast<size_t>(target)] = true;
            }
            targets.push_back(target);
        }
        return targets;
    }

    static QVariantList convertRecord(const LegacyTableFile& file, const LegacyTable& legacy,
                                      const TableInfo& info, const std::vector<int>& targets,
                                      const LegacyRecord& record) {
        QVariantList values;
        for (size_t i = 0; i < targets.size(); ++i) {
            if (targets[i] < 0) continue;
            const FieldDef& target = info.fields[static_cast<size_t>(targets[i])];
            const LegacyValue& value = record.values[i];
            QString problem;
            if (info.primaryKey.contains(target.name, Qt::CaseInsensitive) &&
                isBlankLegacyValue(value)) {
                problem = QStringLiteral("열쇠 항목이 비어 있습니다.");
            } else {
                ConvertedValue converted =
                    convertLegacyValue(value, legacy.fields[i].type, target, legacy.codePage);
                problem = converted.error;
                values.append(std::move(converted.value));
            }
            if (!problem.isEmpty()) {
                throw ImportStopped{QStringLiteral("%1 %2번째 레코드, 항목 %3: %4")
                                        .arg(file.fileName)
                                        .arg(record.number)
                                        .arg(legacy.fields[i].name, problem)};
            }
        }
        return values;
    }

    void placePhotos(PreparedTable& prepared, const TableInfo& info, const LegacyFolder& folder) {
        const int field = info.fieldIndex(QStringLiteral("filename"));
        const qsizetype column =
            field < 0 ? -1 : prepared.columns.indexOf(info.fields[static_cast<size_t>(field)].name);
        if (column < 0) return;
        photos_.emplace(folder.pictureFolder, pictureFolder_,
                        info.fields[static_cast<size_t>(field)].size);
        std::vector<QVariantList> rows;
        std::vector<int> numbers;
        for (size_t i = 0; i < prepared.rows.size(); ++i) {
            QVariantList& row = prepared.rows[i];
            const std::optional<QString> name = photos_->place(row[column].toString());
            if (!name) continue;
            row[column] = *name;
            rows.push_back(std::move(row));
            numbers.push_back(prepared.recordNumbers[i]);
        }
        prepared.rows = std::move(rows);
        prepared.recordNumbers = std::move(numbers);
        for (const PhotoSkip& skip : photos_->skipped())
            report_.skipped.push_back({QStringLiteral("사진 %1").arg(skip.name), skip.reason});
    }

    void write(const std::vector<PreparedTable>& tables) {
        Transaction transaction(database_);
        // Checked inside the transaction, so that nothing entered meanwhile
        // is replaced.
        refuseWhenUsersEnteredData();
        for (const PreparedTable& table : tables) {
            say(QStringLiteral("저장하는 중: %1 %2건")
                    .arg(tableTitle(table.file.table),
                         formatAmount(static_cast<qint64>(table.rows.size()))));
            writeTable(table);
            report_.tables.push_back({table.file.fileName, table.file.table,
                                      static_cast<int>(table.rows.size()), table.deletedRecords});
        }
        transaction.commit();
    }

    void writeTable(const PreparedTable& table) {
        database_.execute(QStringLiteral("DELETE FROM %1").arg(quoted(table.file.table)));
        QStringList names;
        QStringList marks;
        for (const QString& column : table.columns) {
            names.append(quoted(column));
            marks.append(QStringLiteral("?"));
        }
        QSqlQuery insert(database_.connection());
        if (!insert.prepare(
                QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                    .arg(quoted(table.file.table), names.join(u','), marks.join(u',')))) {
            throw StoreError(QStringLiteral("자료 처리 명령이 잘못되었습니다."),
                             insert.lastError().text());
        }
        for (size_t i = 0; i < table.rows.size(); ++i) {
            const QVariantList& row = table.rows[i];
            for (qsizetype v = 0; v < row.size(); ++v)
                insert.bindValue(static_cast<int>(v), row[v]);
            if (!insert.exec()) {
                const QSqlError failure = insert.lastError();
                throw ImportStopped{QStringLiteral("%1 %2번째 레코드를 저장할 수 없습니다: %3")
                                        .arg(table.file.fileName)
                                        .arg(table.recordNumbers[i])
                                        .arg(failure.databaseText().isEmpty()
                                                 ? failure.text()
                                                 : failure.databaseText())};
            }
        }
    }

    void copyPlannedPhotos() {
        if (!photos_) return;
        report_.photosAlreadyThere = photos_->alreadyThere();
        if (photos_->copies().empty()) return;
        say(QStringLiteral("사진을 복사하는 중: %1장").arg(photos_->copies().size()));
        std::vector<PhotoSkip> failed;
        report_.photosCopied = copyPhotos(photos_->copies(), &failed);
        for (const PhotoSkip& skip : failed)
            report_.skipped.push_back({QStringLiteral("사진 %1").arg(skip.name), skip.reason});
    }

    void say(const QString& line) const {
        if (progress_) progress_(line);
    }

    Database& database_;
    QString pictureFolder_;
    bool replace_;
    const ImportProgress& progress_;
    LegacyImportReport& report_;
    std::optional<PhotoPlan> photos_;
};

}  // namespace

bool importLegacyFolder(Database& database, const QString& folder, const QString& pictureFolder,
                        bool replace, const ImportProgress& progress, LegacyImportReport* report,
                        QString* error) {
    LegacyImportReport attempt;
    try {
        LegacyImport(database, pictureFolder, replace, progress, attempt).run(folder);
    } catch (const ImportStopped& stopped) {
        *error = stopped.message;
        return false;
    } catch (const StoreError& failure) {
        *error = QString::fromStdString(failure.what());
        return false;
    }
    *report = std::move(attempt);
    return true;
}
