// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/ClassFolder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cerrno>
#include <cstring>
#include <set>

#include "platform/TarvoError.h"

namespace {

constexpr qint64 kMaxClassFileBytes = 64 * 1024 * 1024;

QString SystemReason() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

[[noreturn]] void Unreachable(const QString& path) {
    throw TarvoError(QStringLiteral("Nie można zapisać wyników w folderze klasy %1 (%2)")
                         .arg(QFileInfo(path).absolutePath(), SystemReason()));
}

// Owner-only, unless the folder gives new files its own group.
mode_t FileMode(const QString& folder) {
    struct stat info {};
    if (::stat(QFile::encodeName(folder).constData(), &info) == 0 && (info.st_mode & S_ISGID))
        return 0640;
    return 0600;
}

bool WriteAll(int fd, const QByteArray& bytes) {
    qint64 done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += n;
    }
    return ::fsync(fd) == 0;
}

StoredResult ParseLine(const QByteArray& line) {
    const QJsonObject o = QJsonDocument::fromJson(line).object();
    if (o.isEmpty() || !o.value("id").isDouble() || !o.value("exercise").isString())
        throw std::invalid_argument("line");
    StoredResult stored;
    stored.id = qint64(o.value("id").toDouble());
    stored.login = o.value("login").toString();
    ExerciseResult& r = stored.result;
    r.exercise = ExerciseFromKey(o.value("exercise").toString());
    r.subject = o.value("subject").toString();
    r.finishedAt = QDateTime::fromString(o.value("at").toString(), Qt::ISODate);
    r.seconds = o.value("seconds").toInt();
    r.score = o.value("score").toInt();
    r.maxScore = o.value("max").toInt();
    r.moves = o.value("moves").toInt();
    r.solved = o.value("solved").toBool();
    for (const QJsonValue& item : o.value("mistakes").toArray()) r.mistakes << item.toString();
    return stored;
}

}  // namespace

ClassFolder::ClassFolder(const QString& folder, const QString& login)
    : path(QDir(folder).filePath(FileName(login))) {}

QString ClassFolder::FileName(const QString& login) {
    QString name;
    for (const QChar c : login)
        name += (c.isLetterOrNumber() && c.unicode() < 128) || c == '.' || c == '_' || c == '-'
                    ? c
                    : QChar('_');
    if (name.isEmpty() || name.startsWith('.')) name.prepend('_');
    return name + QStringLiteral(".wyniki");
}

void ClassFolder::Append(const std::vector<StoredResult>& results) const {
    QByteArray bytes;
    for (const StoredResult& stored : results) bytes += ResultLine(stored);
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_CLOEXEC,
                          FileMode(QFileInfo(path).absolutePath()));
    if (fd < 0) Unreachable(path);
    struct stat info {};
    // Someone else's file under this pupil's name is not written to.
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_uid != ::geteuid()) {
        ::close(fd);
        errno = EPERM;
        Unreachable(path);
    }
    if (!WriteAll(fd, bytes)) {
        const int error = errno;
        // A part-written line would spoil the next one: back to the old end.
        if (::ftruncate(fd, info.st_size) == 0) ::fsync(fd);
        ::close(fd);
        errno = error;
        Unreachable(path);
    }
    ::close(fd);
}

QByteArray ResultLine(const StoredResult& stored) {
    const ExerciseResult& r = stored.result;
    QJsonObject o{{"v", 1},
                  {"id", double(stored.id)},
                  {"login", stored.login},
                  {"exercise", ExerciseKey(r.exercise)},
                  {"subject", r.subject},
                  {"at", r.finishedAt.toString(Qt::ISODate)},
                  {"seconds", r.seconds},
                  {"score", r.score},
                  {"max", r.maxScore},
                  {"moves", r.moves},
                  {"solved", r.solved},
                  {"mistakes", QJsonArray::fromStringList(r.mistakes)}};
    return QJsonDocument(o).toJson(QJsonDocument::Compact) + '\n';
}

std::vector<StoredResult> ReadClassFile(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        throw TarvoError(QStringLiteral("Nie można odczytać pliku %1").arg(name));
    if (file.size() > kMaxClassFileBytes)
        throw TarvoError(QStringLiteral("Plik %1 jest za duży").arg(name));
    const QByteArray text = file.readAll();
    QList<QByteArray> lines = text.split('\n');
    lines.removeLast();  // empty after a final newline, else an interrupted line
    std::vector<StoredResult> results;
    std::set<qint64> seen;
    for (int i = 0; i < lines.size(); ++i) {
        try {
            StoredResult stored = ParseLine(lines[i]);
            if (seen.insert(stored.id).second) results.push_back(stored);
        } catch (const std::invalid_argument&) {
            throw TarvoError(
                QStringLiteral("Plik %1 jest uszkodzony (wiersz %2)").arg(name).arg(i + 1));
        }
    }
    return results;
}
