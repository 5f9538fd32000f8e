// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PakCommands.h"

#include <QFile>
#include <QFileInfo>
#include <cstdio>

#include "PhotosetFolder.h"
#include "data/PackReader.h"
#include "data/PackWriter.h"
#include "platform/TarvoError.h"
#include "platform/RegularFile.h"

namespace {

constexpr int kNotFound = 1;
constexpr int kBad = 2;

int Usage(PakIo io, const char* text) {
    io.err << QStringLiteral("Użycie: terravika-pak ") << text << "\n";
    return kBad;
}

// Regular files only, so that a FIFO never blocks, and no larger than an
// archive member may be.
QByteArray ReadFile(const QString& path) {
    QFile file;
    QString why;
    if (!OpenRegularFile(file, path, QIODevice::ReadOnly, why))
        throw TarvoError(QStringLiteral("%1: nie można otworzyć pliku: %2").arg(path, why));
    if (file.size() > PackReader::kMaxMemberBytes)
        throw TarvoError(QStringLiteral("%1: plik jest za duży").arg(path));
    return file.read(PackReader::kMaxMemberBytes);
}

// A name from an archive as the terminal may show it: control characters,
// which could move the cursor or change colours, are written as \xNN.
QString Printable(const QString& name) {
    QString shown;
    for (const QChar c : name)
        shown += c.category() == QChar::Other_Control
                     ? QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QChar('0'))
                     : QString(c);
    return shown;
}

// Opens an archive read-only; a file that is not a PACK archive is an error.
void OpenArchive(PackReader& pak, const QString& path) {
    if (!pak.Open(path))
        throw TarvoError(QStringLiteral("%1: to nie jest archiwum PACK").arg(path));
}

}  // namespace

int PakCreate(const QStringList& args, PakIo io) {
    if (args.size() < 1) return Usage(io, "create ARCHIWUM PLIK...");
    QList<PackMember> members;
    for (const QString& path : args.mid(1))
        members.append({QFileInfo(path).fileName(), ReadFile(path)});
    WritePack(args[0], members);
    return 0;
}

int PakList(const QStringList& args, PakIo io) {
    if (args.size() != 1) return Usage(io, "list ARCHIWUM");
    PackReader pak;
    OpenArchive(pak, args[0]);
    for (int i = 0; i < pak.Names().size(); ++i)
        io.out << Printable(pak.Names()[i]) << '\t' << pak.MemberSize(i) << '\n';
    return 0;
}

int PakExtract(const QStringList& args, PakIo io) {
    if (args.size() != 2 && !(args.size() == 4 && args[2] == "-o"))
        return Usage(io, "extract ARCHIWUM NAZWA [-o PLIK]");
    PackReader pak;
    OpenArchive(pak, args[0]);
    const auto bytes = pak.Extract(args[1]);
    if (!bytes) {
        io.err << QStringLiteral("terravika-pak: %1: brak takiej pozycji\n").arg(args[1]);
        return kNotFound;
    }
    if (args.size() == 4) {
        QFile file(args[3]);
        if (!file.open(QIODevice::WriteOnly) || file.write(*bytes) != bytes->size())
            throw TarvoError(QStringLiteral("%1: nie można zapisać pliku").arg(args[3]));
    } else {
        io.out.flush();
        std::fwrite(bytes->constData(), 1, size_t(bytes->size()), stdout);
        std::fflush(stdout);
    }
    return 0;
}

int PakCheck(const QStringList& args, PakIo io) {
    if (args.size() != 1) return Usage(io, "check ARCHIWUM");
    PackReader pak;
    OpenArchive(pak, args[0]);
    // A damaged member only fails when it is read, so read every one.
    for (int i = 0; i < pak.EntryCount(); ++i) pak.ExtractByIndex(i);
    io.out << QStringLiteral("%1: archiwum poprawne, pozycji: %2\n")
                  .arg(args[0])
                  .arg(pak.EntryCount());
    return 0;
}

int PakPhotoset(const QStringList& args, PakIo io) {
    if (args.size() != 2) return Usage(io, "photoset FOLDER ARCHIWUM");
    const PhotosetFolder folder = ReadPhotosetFolder(args[0]);
    for (const QString& note : folder.notes) io.out << QStringLiteral("Uwaga: ") << note << '\n';
    if (!folder.problems.isEmpty()) {
        for (const QString& problem : folder.problems) io.err << problem << '\n';
        io.err << QStringLiteral("terravika-pak: zestawu nie zapisano\n");
        return kBad;
    }
    WritePack(args[1], PhotoSetMembers(folder.set));
    io.out << QStringLiteral("%1: zapisano zestaw, obrazków: %2\n")
                  .arg(args[1])
                  .arg(folder.set.entries.size());
    return 0;
}
