#include "app/main_bitmaps.h"

#include "common/office_folder.h"

#include <QFileInfo>
#include <QImageReader>

namespace {
QString readErrorText(const QString& path, const QString& reason) {
    return QStringLiteral("그림 파일을 읽을 수 없습니다: %1\n(%2)").arg(path, reason);
}
}  // namespace

QStringList mainBitmapNames() {
    QStringList names{QStringLiteral("BUDMAIN.BMP")};
    for (const int number : {1, 2, 3, 4, 5, 6, 7, 9}) {
        names.append(QStringLiteral("BT%1.BMP").arg(number));
    }
    return names;
}

QString mainBitmapSource(const OfficeFolder& folder, const QString& name) {
    const QString own = folder.filePath(name);
    if (QFileInfo(own).isFile())
        return own;
    return QStringLiteral(":/bitmaps/") + name;
}

BitmapReadError::BitmapReadError(const QString& path, const QString& reason)
    : std::runtime_error(readErrorText(path, reason).toStdString()) {}

QPixmap readMainBitmap(const OfficeFolder& folder, const QString& name) {
    const QString path = mainBitmapSource(folder, name);
    QImageReader reader(path);
    const QImage image = reader.read();
    if (image.isNull())
        throw BitmapReadError(path, reader.errorString());
    return QPixmap::fromImage(image);
}
