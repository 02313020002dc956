#include "app/copy_store_command.h"

#include "common/office_folder.h"
#include "common/office_store.h"
#include "data/database.h"
#include "data/server_address.h"
#include "data/store_transfer.h"

#include <QFileInfo>
#include <QTextStream>

#include <cstdio>
#include <exception>
#include <memory>

int runCopyStoreCommand(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    const qsizetype option = arguments.indexOf(QStringLiteral("--copy-store"));
    const QString target = arguments.value(option + 1).trimmed();
    if (option < 0 || target.isEmpty() || target.startsWith(QLatin1String("--"))) {
        err << QStringLiteral(
                   "사용법: quarnel --copy-store <postgresql://사용자@서버/자료이름 또는 자료 "
                   "폴더>")
            << Qt::endl;
        return 2;
    }
    try {
        const OfficeFolder office = OfficeFolder::fromEnvironment();
        const std::unique_ptr<Database> from = openOfficeStore(office, {});
        const QString location =
            isServerAlias(target) ? target : QFileInfo(target).absoluteFilePath();
        Database to(location);
        const StoreTransferResult result = transferStore(*from, to);
        out << QStringLiteral("자료를 옮겼습니다: 표 %1개, 자료 %2건 → %3")
                   .arg(result.tables)
                   .arg(result.rows)
                   .arg(to.shownLocation())
            << Qt::endl;
        out << QStringLiteral(
                   "사진(PICT 폴더)은 사무실 폴더에 그대로 있습니다. 여러 자리에서 쓰려면 "
                   "공유하세요.")
            << Qt::endl;
        return 0;
    } catch (const std::exception& failure) {
        err << QString::fromStdString(failure.what()) << Qt::endl;
    }
    return 1;
}

int runCopyStoreCommand(const QStringList& arguments) {
    QTextStream out(stdout);
    QTextStream err(stderr);
    return runCopyStoreCommand(arguments, out, err);
}
