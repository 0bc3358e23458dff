// Builds the skin block from a description file and the PNG images it
// names: skinpack <description> <output>. Runs at build time.
#include "SkinPackage.h"
#include "SkinTheme.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <cstdio>

namespace {

int fail(const QString &message)
{
    std::fprintf(stderr, "skinpack: %s\n", qPrintable(message));
    return 1;
}

bool readFile(const QString &path, QByteArray &out)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    out = file.readAll();
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3)
        return fail(QStringLiteral("usage: skinpack <description> <output>"));
    const QFileInfo description(args[1]);

    QList<SkinPackage::Entry> entries;
    QByteArray text;
    if (!readFile(description.filePath(), text))
        return fail(QStringLiteral("cannot read %1").arg(description.filePath()));
    entries.append({QString::fromLatin1(SkinDescriptionName), text});

    // Every "key = file.png ..." line of the [images] section brings its file.
    QString section;
    QStringList files;
    for (const QString &raw : QString::fromUtf8(text).split(u'\n')) {
        const QString line = raw.trimmed();
        if (line.startsWith(u'['))
            section = line;
        else if (section == QLatin1String("[images]") && line.contains(u'=')) {
            const QString file = line.section(u'=', 1).trimmed().section(u' ', 0, 0);
            if (!files.contains(file))
                files.append(file);
        }
    }
    for (const QString &file : files) {
        QByteArray data;
        if (!readFile(description.dir().filePath(file), data))
            return fail(QStringLiteral("cannot read image %1").arg(file));
        entries.append({file, data});
    }

    // The program must be able to read what we write.
    const QByteArray block = SkinPackage::pack(entries);
    const SkinPackage::Result check = SkinPackage::read(block);
    QString problem;
    if (check.status != SkinPackage::Status::Usable ||
        !SkinTheme::fromEntries(check.entries, &problem))
        return fail(QStringLiteral("the packed skin does not read back: %1").arg(problem));

    QFile out(args[2]);
    if (!out.open(QIODevice::WriteOnly) || out.write(block) != block.size())
        return fail(QStringLiteral("cannot write %1").arg(args[2]));
    std::printf("skinpack: %d entries, %lld bytes\n", int(entries.size()), qlonglong(block.size()));
    return 0;
}
