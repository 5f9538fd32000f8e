// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/Config.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <algorithm>
#include <cerrno>
#include <optional>

#include "platform/RegularFile.h"
#include "platform/TarvoError.h"
#include "platform/Windows1250.h"

namespace {

constexpr qint64 kMaxConfigBytes = 64 << 10;  // a real file has about 60 bytes

QString ConfigPath(const Config& config) {
    return config.BaseFolder + "/Tarvo.ini";
}

// The value after the first "=" of the first line whose key matches.
std::optional<QString> FindValue(const QStringList& lines, const QString& key) {
    for (const QString& line : lines) {
        const int eq = line.indexOf('=');
        if (eq >= 0 && QString::compare(line.left(eq), key, Qt::CaseInsensitive) == 0)
            return line.mid(eq + 1);
    }
    return std::nullopt;
}

int WholeNumber(const std::optional<QString>& value, int fallback) {
    if (!value) return fallback;
    bool ok = false;
    const int number = value->trimmed().toInt(&ok, 10);
    return ok ? number : fallback;
}

// Temporary files of WriteConfig are "Tarvo.ini." and six letters or digits.
// Checked by hand: a pattern would load the regular-expression engine at
// every start for one file name.
bool IsTemporaryName(const QString& name) {
    static const QString prefix = QStringLiteral("Tarvo.ini.");
    if (name.size() != prefix.size() + 6 || !name.startsWith(prefix)) return false;
    return std::all_of(name.begin() + prefix.size(), name.end(), [](QChar c) {
        return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    });
}

// Removes temporary files left by a write that was killed before its rename.
void RemoveStaleTemporaries(const QString& folder) {
    QDir dir(folder);
    for (const QString& entry : dir.entryList(QDir::Files | QDir::Hidden))
        if (IsTemporaryName(entry)) dir.remove(entry);
}

QByteArray FileName(const QString& path) {
    return QFile::encodeName(path);
}

// Writes all bytes at offset 0; returns 0 or the error number.
int WriteAll(int fd, const QByteArray& bytes) {
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t n = pwrite(fd, bytes.constData() + done, size_t(bytes.size() - done), done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return n < 0 ? errno : EIO;
        done += n;
    }
    return 0;
}

// Makes sure the bytes have reached the disk and the file holds exactly them.
int Settle(int fd, qint64 expectedSize) {
    if (fsync(fd) != 0) return errno;
    struct stat info {};
    if (fstat(fd, &info) != 0) return errno;
    return info.st_size == expectedSize ? 0 : EIO;
}

// Opens a new temporary file of the own pattern next to path; -1 on failure.
int CreateTemporary(const QString& path, QByteArray& name) {
    static const char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = FileName(path) + '.';
        for (int i = 0; i < 6; ++i) name += kLetters[QRandomGenerator::global()->bounded(62)];
        const int fd = open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// Writes a temporary file and renames it over path, so that a failed or
// interrupted write leaves the old file whole. Returns 0 or the error number.
int ReplaceFile(const QString& path, const QByteArray& bytes) {
    QByteArray temporary;
    const int fd = CreateTemporary(path, temporary);
    if (fd < 0) return errno;
    struct stat old {};
    if (stat(FileName(path).constData(), &old) == 0 && S_ISREG(old.st_mode))
        fchmod(fd, old.st_mode & 07777);
    int error = WriteAll(fd, bytes);
    if (!error) error = Settle(fd, bytes.size());
    if (close(fd) != 0 && !error) error = errno;
    if (!error && rename(temporary.constData(), FileName(path).constData()) != 0) error = errno;
    if (error) unlink(temporary.constData());
    return error;
}

// For a folder where no new file may be made but the file itself is
// writable: overwrites the file in place, putting the old bytes back when the
// write fails. A link is never written through: its target may be anyone's
// file. Returns 0 or the error number.
int RewriteInPlace(const QString& path, const QByteArray& bytes) {
    const int fd = open(FileName(path).constData(), O_RDWR | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return errno;
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size > kMaxConfigBytes) {
        close(fd);
        return EACCES;
    }
    QByteArray old(info.st_size, Qt::Uninitialized);
    int error = pread(fd, old.data(), size_t(old.size()), 0) == old.size() ? 0 : EIO;
    if (!error) error = WriteAll(fd, bytes);
    if (!error && ftruncate(fd, bytes.size()) != 0) error = errno;
    if (!error) error = Settle(fd, bytes.size());
    if (error && !old.isEmpty() && WriteAll(fd, old) == 0 && ftruncate(fd, old.size()) == 0)
        fsync(fd);
    close(fd);
    return error;
}

}  // namespace

Config ParseConfig(const QByteArray& text) {
    QString decoded = Windows1250::Decode(text);
    // Lines end at CR LF, LF or a lone CR.
    decoded.replace("\r\n", "\n").replace('\r', '\n');
    const QStringList lines = decoded.split('\n');

    Config config;
    config.PhotoSetIndex = WholeNumber(FindValue(lines, "Name"), 0);
    config.Tempo = WholeNumber(FindValue(lines, "Tempo"), 3);
    config.Blokada = WholeNumber(FindValue(lines, "Blokada"), 1);
    return config;
}

int PuzzleSeconds(const Config& config) {
    const int tempo = config.Tempo >= 1 && config.Tempo <= 3 ? config.Tempo : Config{}.Tempo;
    return tempo * 60;
}

bool PuzzleChoiceLocked(const Config& config) {
    return config.Blokada != 0;
}

QByteArray FormatConfig(const Config& config) {
    return QStringLiteral("[DATA]\r\nFolder=Data\r\nName=%1\r\nTempo=%2\r\nBlokada=%3\r\n")
        .arg(config.PhotoSetIndex)
        .arg(config.Tempo)
        .arg(config.Blokada)
        .toLatin1();
}

void ReadConfig(Config& config) {
    const QString base = QDir::currentPath();
    RemoveStaleTemporaries(base);
    QFile file;
    QString why;
    if (OpenRegularFile(file, base + "/Tarvo.ini", QIODevice::ReadOnly, why)) {
        config = ParseConfig(file.read(kMaxConfigBytes));
        config.BaseFolder = base;
        return;
    }
    config = Config{};
    config.BaseFolder = base;
    if (!QFileInfo::exists(ConfigPath(config))) WriteConfig(config);
}

void WriteConfig(const Config& config) {
    const QString path = ConfigPath(config);
    const QByteArray bytes = FormatConfig(config);
    int error = ReplaceFile(path, bytes);
    // A lab folder may forbid new files while the file itself stays writable.
    if ((error == EACCES || error == EPERM) && access(FileName(path).constData(), W_OK) == 0)
        error = RewriteInPlace(path, bytes);
    if (error)
        throw TarvoError(QStringLiteral("Nie można zapisać pliku %1: %2")
                             .arg(QDir::toNativeSeparators(path), SystemErrorText(error)));
}
