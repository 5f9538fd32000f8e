// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The settings kept in Tarvo.ini in the base folder.
#include <QString>

struct Config {
    QString BaseFolder;     // no trailing separator
    int PhotoSetIndex = 0;  // key "Name"
    int Tempo = 3;          // 1..3, puzzle time limit Tempo x 60 s
    int Blokada = 1;        // 0 or 1, lock on choosing another puzzle picture
};

// The puzzle's reading of the values as a hand-edited file may hold them:
// a pace outside 1..3 is the default pace, and any lock value but 0 locks.
int PuzzleSeconds(const Config& config);
bool PuzzleChoiceLocked(const Config& config);

// Parses the text of a Tarvo.ini: lines ended by CR LF, LF or CR, keys in any
// order and letter case, the first line of a key wins; a missing or malformed
// value takes that key's default. Whole numbers are kept as written, even
// outside their range.
Config ParseConfig(const QByteArray& text);
QByteArray FormatConfig(const Config& config);

// Sets BaseFolder to the current directory, removes temporary files that an
// interrupted write left there, and reads BaseFolder/Tarvo.ini (only a
// regular file, at most 64 KiB), or writes the default file when there is
// none. Throws TarvoError when the default file cannot be written; the
// defaults are in config all the same.
void ReadConfig(Config& config);
// Replaces BaseFolder/Tarvo.ini through a temporary file, checked end to end
// (written, synced, size) before the rename. When the folder forbids new
// files but the file is writable, rewrites it in place instead. Throws
// TarvoError with a Polish reason on failure, leaving the old file whole.
void WriteConfig(const Config& config);
