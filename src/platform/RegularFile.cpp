// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/RegularFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

QString SystemErrorText(int error) {
    switch (error) {
        case ENOENT:
            return QStringLiteral("plik nie istnieje");
        case EACCES:
        case EPERM:
            return QStringLiteral("brak uprawnień");
        case EROFS:
            return QStringLiteral("dysk jest tylko do odczytu");
        case ENOSPC:
        case EDQUOT:
        case EFBIG:
            return QStringLiteral("brak miejsca na dysku");
        case EISDIR:
            return QStringLiteral("to jest folder");
        case EIO:
            return QStringLiteral("błąd odczytu lub zapisu na dysku");
        case ELOOP:
            return QStringLiteral("to jest dowiązanie symboliczne");
        default:
            return QStringLiteral("błąd systemu (%1)").arg(QString::fromLocal8Bit(strerror(error)));
    }
}

bool OpenRegularFile(QFile& file, const QString& path, QIODevice::OpenMode mode, QString& why) {
    const bool reads = mode & QIODevice::ReadOnly, writes = mode & QIODevice::WriteOnly;
    const int access = reads && writes ? O_RDWR : writes ? O_WRONLY : O_RDONLY;
    // O_NONBLOCK keeps the open itself from waiting on a FIFO's other end.
    const int fd = ::open(QFile::encodeName(path).constData(), access | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        why = SystemErrorText(errno);
        return false;
    }
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        why = QStringLiteral("to nie jest zwykły plik");
        return false;
    }
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(fd, mode, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        why = file.errorString();
        return false;
    }
    return true;
}
