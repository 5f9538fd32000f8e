#include "PakCommands.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <cstdio>

#include "data/ImageCodecs.h"
#include "data/PackWriter.h"
#include "data/TVfsPAK.h"
#include "data/TarvoError.h"
#include "data/UPaker.h"

namespace {

constexpr int kNotFound = 1;
constexpr int kBad = 2;

int Usage(PakIo io, const char* text) {
    io.err << "usage: terravika-pak " << text << "\n";
    return kBad;
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) throw TarvoError(path + ": " + file.errorString());
    return file.readAll();
}

// Opens an archive read-only; a file that is not a PACK archive is an error.
void OpenArchive(TVfsPAK& pak, const QString& path) {
    if (!pak.Open(path, TVfsPAK::ReadOnly))
        throw TarvoError(path + QStringLiteral(": not a PACK archive"));
}

QStringList CheckPhotoset(const QString& folder, QList<PackMember>& members) {
    QStringList problems;
    const QByteArray list = ReadFile(QDir(folder).filePath("Spis.txt"));
    const QStringList lines = DataAccess::DecodeList(list);
    const int count = int(lines.size()) - 2;
    if (count < 1)
        problems << "Spis.txt lists no pictures (heading, picture 0, then one line each)";
    members.append({"Spis.txt", list});
    for (int n = 1; n <= count; ++n) {
        if (!lines[n + 1].contains('*'))
            problems << QStringLiteral("Spis.txt line %1 has no \"*\"").arg(n + 2);
        const QString name = QStringLiteral("Im%1.jpg").arg(n);
        QFile file(QDir(folder).filePath(name));
        if (!file.open(QIODevice::ReadOnly)) {
            problems << name + ": missing";
            continue;
        }
        const QByteArray bytes = file.readAll();
        try {
            const QImage image = DecodeJpeg(bytes);
            if (image.size() != QSize(384, 256))
                problems << QStringLiteral("%1: %2 x %3, not 384 x 256")
                                .arg(name)
                                .arg(image.width())
                                .arg(image.height());
        } catch (const TarvoError& error) {
            problems << name + ": " + error.message();
        }
        members.append({name, bytes});
    }
    const QStringList pictures =
        QDir(folder)
            .entryList({"Im*.jpg"}, QDir::Files)
            .filter(QRegularExpression("^Im[1-9][0-9]*\\.jpg$",
                                       QRegularExpression::CaseInsensitiveOption));
    if (count >= 1 && pictures.size() != count)
        problems << QStringLiteral("%1 pictures in the folder, %2 in Spis.txt")
                        .arg(pictures.size())
                        .arg(count);
    return problems;
}

}  // namespace

int PakCreate(const QStringList& args, PakIo io) {
    if (args.size() < 1) return Usage(io, "create ARCHIVE FILE...");
    QList<PackMember> members;
    for (const QString& path : args.mid(1))
        members.append({QFileInfo(path).fileName(), ReadFile(path)});
    WritePack(args[0], members);
    return 0;
}

int PakList(const QStringList& args, PakIo io) {
    if (args.size() != 1) return Usage(io, "list ARCHIVE");
    TVfsPAK pak;
    OpenArchive(pak, args[0]);
    for (int i = 0; i < pak.Names().size(); ++i)
        io.out << pak.Names()[i] << '\t' << pak.ExtractByIndex(i).size() << '\n';
    return 0;
}

int PakExtract(const QStringList& args, PakIo io) {
    if (args.size() != 2 && !(args.size() == 4 && args[2] == "-o"))
        return Usage(io, "extract ARCHIVE NAME [-o FILE]");
    TVfsPAK pak;
    OpenArchive(pak, args[0]);
    const auto bytes = pak.Extract(args[1]);
    if (!bytes) {
        io.err << "terravika-pak: " << args[1] << ": no such entry\n";
        return kNotFound;
    }
    if (args.size() == 4) {
        QFile file(args[3]);
        if (!file.open(QIODevice::WriteOnly) || file.write(*bytes) != bytes->size())
            throw TarvoError(args[3] + ": " + file.errorString());
    } else {
        io.out.flush();
        std::fwrite(bytes->constData(), 1, size_t(bytes->size()), stdout);
        std::fflush(stdout);
    }
    return 0;
}

int PakCheck(const QStringList& args, PakIo io) {
    if (args.size() != 1) return Usage(io, "check ARCHIVE");
    TVfsPAK pak;
    OpenArchive(pak, args[0]);
    // A damaged member only fails when it is read, so read every one.
    for (int i = 0; i < pak.EntryCount(); ++i) pak.ExtractByIndex(i);
    io.out << args[0] << ": " << pak.EntryCount() << " entries, structure sound\n";
    return 0;
}

int PakPhotoset(const QStringList& args, PakIo io) {
    if (args.size() != 2) return Usage(io, "photoset FOLDER ARCHIVE");
    QList<PackMember> members;
    const QStringList problems = CheckPhotoset(args[0], members);
    if (!problems.isEmpty()) {
        io.err << "terravika-pak: " << problems.join("; ") << "\n";
        return kBad;
    }
    WritePack(args[1], members);
    io.out << args[1] << ": " << members.size() - 1 << " pictures\n";
    return 0;
}
