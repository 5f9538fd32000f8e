// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/ResultRecorder.h"

#include <pwd.h>
#include <unistd.h>

#include "platform/TarvoError.h"
#include "results/ClassFolder.h"

ResultRecorder::ResultRecorder(const QString& databasePath, const QString& login,
                               const QString& classFolderPath, Now now, QObject* parent)
    : QObject(parent),
      databasePath(databasePath),
      login(login),
      now(std::move(now)),
      worker(new QObject) {
    if (!classFolderPath.isEmpty())
        classFolder = std::make_unique<ClassFolder>(classFolderPath, login);
    thread.setObjectName(QStringLiteral("wyniki"));
    worker->moveToThread(&thread);
    connect(&thread, &QThread::finished, worker, &QObject::deleteLater);
    thread.start(QThread::LowPriority);
    // Results a previous run could not send go out now, off the start-up path.
    if (classFolder) Post([this] { SendToClassFolder(); });
}

ResultRecorder::~ResultRecorder() {
    // Quitting from the worker runs every queued write first; the store is
    // closed on the thread that opened it.
    Post([this] {
        store.reset();
        thread.quit();
    });
    thread.wait();
}

void ResultRecorder::Post(std::function<void()> work) {
    QMetaObject::invokeMethod(worker, std::move(work), Qt::QueuedConnection);
}

ResultStore* ResultRecorder::Store() {
    if (!store) store = std::make_unique<ResultStore>(databasePath);
    return store.get();
}

void ResultRecorder::Record(ExerciseResult result) {
    result.finishedAt = now();
    Post([this, result] {
        try {
            const std::optional<ExerciseResult> best = Store()->Add(login, result);
            const QString comparison = ComparisonLine(best ? &*best : nullptr, result);
            QMetaObject::invokeMethod(
                this, [this, result, comparison] { emit Recorded(result, comparison); });
        } catch (const TarvoError& e) {
            QMetaObject::invokeMethod(this, [this, note = e.message()] { emit Failed(note); });
            return;
        }
        SendToClassFolder();
    });
}

void ResultRecorder::RequestHistory() {
    Post([this] {
        try {
            std::vector<StoredResult> history = Store()->All();
            QMetaObject::invokeMethod(this, [this, history] { emit HistoryReady(history); });
        } catch (const TarvoError& e) {
            QMetaObject::invokeMethod(this, [this, note = e.message()] { emit Failed(note); });
        }
    });
}

// A folder that cannot be reached is tried again after the next result;
// the pupil is not told, since nothing is lost.
void ResultRecorder::SendToClassFolder() {
    if (!classFolder) return;
    try {
        const std::vector<StoredResult> unsent = Store()->Unsent();
        if (unsent.empty()) return;
        classFolder->Append(unsent);
        Store()->MarkSent(unsent.back().id);
    } catch (const TarvoError&) {
    }
}

QString CurrentLogin() {
    if (const passwd* user = ::getpwuid(::geteuid())) return QString::fromLocal8Bit(user->pw_name);
    return qEnvironmentVariable("USER", QStringLiteral("uczeń"));
}
