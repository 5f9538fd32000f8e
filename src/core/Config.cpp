#include "core/Config.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <optional>

#include "data/TarvoError.h"

namespace {

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

}  // namespace

Config ParseConfig(const QByteArray& text) {
    QStringDecoder decoder("windows-1250");
    const QString decoded = decoder.decode(text);
    QStringList lines = decoded.split('\n');
    for (QString& line : lines)
        if (line.endsWith('\r')) line.chop(1);

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
    QFile file(base + "/Tarvo.ini");
    if (file.open(QIODevice::ReadOnly)) {
        config = ParseConfig(file.readAll());
        config.BaseFolder = base;
        return;
    }
    config = Config{};
    config.BaseFolder = base;
    if (!file.exists()) WriteConfig(config);
}

void WriteConfig(const Config& config) {
    // Written to a temporary file and renamed over the old one, so that a
    // failed or interrupted write leaves the previous file whole.
    QSaveFile file(ConfigPath(config));
    const QByteArray bytes = FormatConfig(config);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw TarvoError(
            QStringLiteral("Nie można zapisać pliku %1: %2")
                .arg(QDir::toNativeSeparators(ConfigPath(config)), file.errorString()));
}
