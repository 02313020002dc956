#include "common/regular_file.h"

#include <QFile>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

void setError(QString* error, const QString& text) {
    if (error) *error = text;
}

QString reasonOf(int error) {
    switch (error) {
        case ENOENT:
            return QStringLiteral("파일이 없습니다");
        case EACCES:
        case EPERM:
            return QStringLiteral("읽을 권한이 없습니다");
        case EISDIR:
            return QStringLiteral("폴더입니다");
        default:
            return QString::fromLocal8Bit(std::strerror(error));
    }
}

QString kindOf(mode_t mode) {
    if (S_ISDIR(mode)) return QStringLiteral("폴더");
    if (S_ISFIFO(mode)) return QStringLiteral("파이프");
    if (S_ISSOCK(mode)) return QStringLiteral("소켓");
    return QStringLiteral("장치 파일");
}

}  // namespace

bool openRegularFile(const QString& path, QFile& file, QString* error) {
    if (path.startsWith(QLatin1Char(':'))) {
        file.setFileName(path);
        if (file.open(QIODevice::ReadOnly)) return true;
        setError(error,
                 QStringLiteral("파일을 열 수 없습니다: %1 (%2)").arg(path, file.errorString()));
        return false;
    }
    // Opened without waiting, so that a pipe with no writer cannot hold the
    // program; what it is is asked of the opened file itself.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        setError(error,
                 QStringLiteral("파일을 열 수 없습니다: %1 (%2)").arg(path, reasonOf(errno)));
        return false;
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        const bool known = status.st_mode != 0;
        ::close(fd);
        setError(error, known ? QStringLiteral("보통 파일이 아니라 %1이므로 읽지 않습니다: %2")
                                    .arg(kindOf(status.st_mode), path)
                              : QStringLiteral("파일을 열 수 없습니다: %1").arg(path));
        return false;
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0) ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    file.setFileName(path);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        setError(error,
                 QStringLiteral("파일을 열 수 없습니다: %1 (%2)").arg(path, file.errorString()));
        return false;
    }
    return true;
}
