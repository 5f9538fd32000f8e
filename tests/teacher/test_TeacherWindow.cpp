// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QTableWidget>
#include <QTemporaryDir>

#include "results/ClassFolder.h"
#include "teacher/TeacherCommandLine.h"
#include "teacher/TeacherWindow.h"

namespace {

struct ArgumentsCase {
    QStringList arguments;
    const char* path;
    bool help;
    const char* error;
};
class Arguments : public ::testing::TestWithParam<ArgumentsCase> {};
TEST_P(Arguments, AFolderOrFileTheHelpOrAPolishNote) {
    const TeacherArguments parsed = ParseTeacherArguments(GetParam().arguments);
    EXPECT_EQ(parsed.path, GetParam().path);
    EXPECT_EQ(parsed.help, GetParam().help);
    EXPECT_EQ(parsed.error, QString::fromUtf8(GetParam().error));
}
INSTANTIATE_TEST_SUITE_P(
    CommandLine, Arguments,
    ::testing::Values(ArgumentsCase{{}, "", false, ""},
                      ArgumentsCase{{"/srv/wyniki/5b"}, "/srv/wyniki/5b", false, ""},
                      ArgumentsCase{{"--help"}, "", true, ""},
                      ArgumentsCase{{"--", "-plik"}, "-plik", false, ""},
                      ArgumentsCase{{"--wersja"}, "", false, "Nieznana opcja: --wersja"},
                      ArgumentsCase{
                          {"a", "b"}, "a", false, "Można podać tylko jeden folder albo plik"}));

TEST(TeacherWindow, ShowsAClassAndSavesItsTableAsCsv) {
    QTemporaryDir dir;
    for (const char* login : {"ola", "jan"}) {
        StoredResult stored{1, login, ExerciseResult::MapTest("Europa", 46, {"Mołdawia"})};
        ClassFolder(dir.path(), login).Append({stored});
    }
    TeacherWindow window;
    window.Open(dir.path());
    EXPECT_EQ(window.findChild<QTableWidget*>("ClassTable")->rowCount(), 2);
    EXPECT_EQ(window.findChild<QComboBox*>()->count(), 2);

    ASSERT_TRUE(window.ExportCsv(dir.filePath("klasa.csv")));
    QFile csv(dir.filePath("klasa.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    EXPECT_TRUE(csv.readAll().startsWith("\xEF\xBB\xBF\"Uczeń\";\"Ćwiczenie\""));
    EXPECT_FALSE(window.ExportCsv(dir.filePath("nie-ma/klasa.csv")));
}

}  // namespace
