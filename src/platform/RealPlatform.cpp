#include "platform/RealPlatform.h"

#include <QApplication>
#include <QAudioDevice>
#include <QCursor>
#include <QDesktopServices>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QMediaDevices>
#include <QMessageBox>
#include <QSoundEffect>
#include <QThread>
#include <QTimer>
#include <QUrl>
#include <QtEndian>

QtSounds::QtSounds(Waits& waits) : waits(waits) {
    haveOutput = !QMediaDevices::audioOutputs().isEmpty();
    const QDir dir(":/sounds");
    for (const QString& entry : dir.entryList(QDir::Files)) {
        QFile file(dir.filePath(entry));
        if (!file.open(QIODevice::ReadOnly)) continue;
        Sound sound;
        sound.durationMs = WavDurationMs(file.readAll());
        if (haveOutput) {
            sound.effect = new QSoundEffect;
            sound.effect->setSource(QUrl("qrc" + dir.filePath(entry)));
        }
        sounds.insert(QFileInfo(entry).completeBaseName().toLower(), sound);
    }
}

QtSounds::~QtSounds() {
    for (Sound& sound : sounds) delete sound.effect;
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

QtSounds::Sound* QtSounds::Find(const QString& name) {
    auto it = sounds.find(name.toLower());
    return it == sounds.end() ? nullptr : &*it;
}

void QtSounds::play(const QString& name) {
    if (Sound* sound = Find(name); sound && sound->effect) sound->effect->play();
}

void QtSounds::playAndWait(const QString& name) {
    Sound* sound = Find(name);
    if (!sound || !sound->effect) return;
    sound->effect->play();
    waits.pause(sound->durationMs + 20);
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

bool QtShell::open(const QString& path) {
    return QFileInfo::exists(path) && QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void QtMessages::show(const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);  // messages may carry names from data files
    box.exec();
}
