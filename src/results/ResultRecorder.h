// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Keeps finished exercises without holding up the window: every database
// access runs, in order, on a thread of its own, and the answers come back
// as signals on the recorder's thread. The database is opened at the first
// request, so start-up does not wait for it. After each write the results
// not yet in the class folder (when one is set) are copied there; a folder
// that cannot be reached keeps them queued for the next time.
#include <QDateTime>
#include <QObject>
#include <QThread>
#include <functional>
#include <memory>
#include <vector>

#include "core/ExerciseResult.h"
#include "results/ResultStore.h"

class ClassFolder;

class ResultRecorder : public QObject {
    Q_OBJECT
public:
    using Now = std::function<QDateTime()>;

    // databasePath: the pupil's database; classFolder: the shared results
    // folder, or empty.
    ResultRecorder(const QString& databasePath, const QString& login, const QString& classFolder,
                   Now now = &QDateTime::currentDateTime, QObject* parent = nullptr);
    // Finishes every queued write before returning.
    ~ResultRecorder() override;

    void Record(ExerciseResult result);
    void RequestHistory();

signals:
    // today's result, and the comparison with the best earlier one (or empty)
    void Recorded(const ExerciseResult& result, const QString& comparison);
    void HistoryReady(const std::vector<StoredResult>& history);
    // A Polish note: the database or the class folder failed.
    void Failed(const QString& note);

private:
    // Runs on the worker thread; opens the store on first use.
    ResultStore* Store();
    void SendToClassFolder();
    void Post(std::function<void()> work);

    QString databasePath;
    QString login;
    Now now;
    QThread thread;
    QObject* worker;                           // lives on thread; the context of queued work
    std::unique_ptr<ResultStore> store;        // touched only on thread
    std::unique_ptr<ClassFolder> classFolder;  // touched only on thread
};

// The login name of the user running the program.
QString CurrentLogin();
