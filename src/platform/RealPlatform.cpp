// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/RealPlatform.h"

#include <QApplication>
#include <QCursor>
#include <QDesktopServices>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGridLayout>
#include <QLibrary>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QProcess>
#include <QThread>
#include <QTimer>
#include <QUrl>
#include <QtEndian>
#include <algorithm>
#include <functional>

#include "platform/SoundOutput.h"

namespace {

// The sound plugin beside the program (in a build) or in the program's
// library folder (installed); null when it is in neither place or finds no
// audio output.
std::unique_ptr<SoundOutput> LoadSoundOutput() {
    const QDir programFolder(QCoreApplication::applicationDirPath());
    for (const QString& folder :
         {programFolder.path(), programFolder.filePath(TERRAVIKA_PLUGIN_FOLDER)}) {
        QLibrary plugin(QDir(folder).filePath("terravika-sound"));
        if (auto make = reinterpret_cast<MakeSoundOutputFunction>(plugin.resolve(kMakeSoundOutput)))
            return std::unique_ptr<SoundOutput>(make());
    }
    return nullptr;
}

}  // namespace

QtSounds::QtSounds(Waits& waits) : waits(waits) {}

QtSounds::~QtSounds() = default;

void QtSounds::Prepare() {
    if (prepared) return;
    prepared = true;
    output = LoadSoundOutput();
    const QDir dir(":/sounds");
    for (const QString& entry : dir.entryList(QDir::Files)) {
        QFile file(dir.filePath(entry));
        if (!file.open(QIODevice::ReadOnly)) continue;
        const QString name = QFileInfo(entry).completeBaseName().toLower();
        durations.insert(name, WavDurationMs(file.readAll()));
        if (output) output->add(name, QUrl("qrc" + dir.filePath(entry)));
    }
}

int QtSounds::WavDurationMs(const QByteArray& wav) {
    if (wav.size() < 12 || !wav.startsWith("RIFF") || wav.mid(8, 4) != "WAVE") return 0;
    quint32 byteRate = 0;
    qint64 at = 12;
    while (at + 8 <= wav.size()) {
        const QByteArray id = wav.mid(at, 4);
        const quint32 length = qFromLittleEndian<quint32>(wav.constData() + at + 4);
        if (id == "fmt " && at + 20 <= wav.size())
            byteRate = qFromLittleEndian<quint32>(wav.constData() + at + 16);
        if (id == "data") {
            const qint64 bytes = std::min<qint64>(length, wav.size() - at - 8);
            return byteRate ? int(bytes * 1000 / byteRate) : 0;
        }
        at += 8 + qint64(length) + (length & 1);
    }
    return 0;
}

const int* QtSounds::DurationOf(const QString& name) {
    Prepare();
    auto it = durations.constFind(name.toLower());
    return it == durations.constEnd() ? nullptr : &*it;
}

void QtSounds::play(const QString& name) {
    if (output && DurationOf(name)) output->play(name.toLower());
}

void QtSounds::playAndWait(const QString& name) {
    const int* durationMs = DurationOf(name);
    if (!output || !durationMs) return;
    output->play(name.toLower());
    waits.pause(*durationMs + 20);
}

void QtWaits::processEvents() {
    QCoreApplication::processEvents();
}

void QtWaits::pause(int ms) {
    // A local loop that handles paints and timers but holds user input back;
    // Qt delivers the held input once the loop has ended.
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

void QtWaits::sleepUntil(double untilMs) {
    for (double left = untilMs - clock.nowMs(); left > 0; left = untilMs - clock.nowMs())
        QThread::usleep(static_cast<unsigned long>(std::min(left, 2.0) * 1000));
}

int StdRandom::uniform(int lo, int hi) {
    return std::uniform_int_distribution<int>(lo, hi)(engine);
}

void StdRandom::seedFromClock() {
    engine.seed(static_cast<unsigned>(clock.timeOfDay().msecsSinceStartOfDay()));
}

QPoint QtPointer::pos() {
    return QCursor::pos();
}
void QtPointer::moveTo(QPoint screenPos) {
    QCursor::setPos(screenPos);
}

namespace {
// Whether the desktop names an application for files of this type. Without
// one, opening would start nothing and tell nobody.
bool HasDefaultHandler(const QString& mimeType) {
    QProcess query;
    query.start(QStringLiteral("xdg-mime"),
                {QStringLiteral("query"), QStringLiteral("default"), mimeType});
    if (!query.waitForFinished(2000) || query.exitStatus() != QProcess::NormalExit ||
        query.exitCode() != 0)
        return false;
    return !query.readAllStandardOutput().trimmed().isEmpty();
}
}  // namespace

bool QtShell::open(const QString& path) {
    if (!QFileInfo(path).isFile()) return false;
    if (!HasDefaultHandler(QMimeDatabase().mimeTypeForFile(path).name())) return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

namespace {

// A generous guess at the width a window manager's title bar needs for the
// title: bold text larger than ours, plus the icon and the window buttons;
// a very long title (a path) is cut by the screen rather than widen the box.
int TitleBarWidth(const QString& title) {
    QFont font = QApplication::font();
    font.setPixelSize(15);
    font.setBold(true);
    return std::min(QFontMetrics(font).horizontalAdvance(title) + 150, 800);
}

}  // namespace

void QtMessages::error(const QString& message, const QString& verdict) {
    Show(message, verdict + "\n\n" + message);
}

void QtMessages::info(const QString& title, const QString& text) {
    Show(title, text);
}

// A title bar may cut the title short or not be there at all: the box is
// made wide enough for the whole title.
void QtMessages::Show(const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(TitleBarWidth(title), 0, QSizePolicy::Minimum),
                      grid->rowCount(), 0, 1, grid->columnCount());
    box.exec();
}
