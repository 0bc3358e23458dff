// The skin package reader: the embedded package, other format numbers, an
// empty block, and every way a block can be cut short, oversized or corrupt.
#include "SkinData.h"
#include "SkinPackage.h"
#include "SkinTheme.h"

#include <QFile>
#include <QtEndian>
#include <QtTest>

using SkinPackage::Entry;
using SkinPackage::Status;

Q_DECLARE_METATYPE(SkinPackage::Status)

namespace {

QByteArray le32(quint32 value)
{
    QByteArray out(4, Qt::Uninitialized);
    qToLittleEndian(value, out.data());
    return out;
}

// A package whose declared unpacked size is `declared` over a body that
// unpacks to `unpacked`.
QByteArray packageDeclaring(quint32 declared, const QByteArray &unpacked)
{
    QByteArray package = SkinPackage::compress(unpacked);
    qToLittleEndian(declared, package.data());
    return SkinPackage::block(package);
}

const QList<Entry> SmallEntries = {{QStringLiteral("a.txt"), "hello"},
                                   {QStringLiteral("b.bin"), QByteArray(300, 'x')}};

} // namespace

class TestSkinReader : public QObject
{
    Q_OBJECT
private slots:
    void embeddedPackageIsUsable()
    {
        const QByteArray block = TSkinData::builtInSkinStream();
        QVERIFY(!block.isEmpty());
        QCOMPARE(qFromLittleEndian<quint32>(block.constData()), quint32(block.size() - 4));
        QVERIFY2(block.size() < 64 * 1024, "the skin must stay small");
        const SkinPackage::Result result = SkinPackage::read(block);
        QCOMPARE(result.status, Status::Usable);
        QString problem;
        const auto theme = SkinTheme::fromEntries(result.entries, &problem);
        QVERIFY2(theme, qPrintable(problem));
        for (CaptionButton button : {CaptionButton::Close, CaptionButton::Minimize,
                                     CaptionButton::Maximize, CaptionButton::Restore})
            QVERIFY(theme->defines(button));
        for (const SlicedImage &image : theme->images)
            QVERIFY(!image.image.isNull());
        QCOMPARE(theme->colors.buttonFace.isValid(), true);
    }

    void roundTrip()
    {
        const SkinPackage::Result result = SkinPackage::read(SkinPackage::pack(SmallEntries));
        QCOMPARE(result.status, Status::Usable);
        QCOMPARE(result.entries.size(), 2);
        QCOMPARE(result.entries[0].name, QStringLiteral("a.txt"));
        QCOMPARE(result.entries[0].data, QByteArray("hello"));
        QCOMPARE(result.entries[1].data, QByteArray(300, 'x'));
    }

    void outcomes_data()
    {
        QTest::addColumn<QByteArray>("block");
        QTest::addColumn<Status>("status");
        const QByteArray container = SkinPackage::container(SmallEntries);
        QTest::newRow("count 0") << le32(0) << Status::Empty;
        QTest::newRow("count 0, bytes after it") << le32(0) + "junk" << Status::Empty;
        QTest::newRow("no count") << QByteArray() << Status::Damaged;
        QTest::newRow("half a count") << QByteArray("\x05\x00", 2) << Status::Damaged;
        QTest::newRow("format 19999") << SkinPackage::pack(SmallEntries, 19999)
                                      << Status::OlderFormat;
        QTest::newRow("format 0") << SkinPackage::pack({}, 0) << Status::OlderFormat;
        QTest::newRow("format 20001") << SkinPackage::pack(SmallEntries, 20001)
                                      << Status::OlderFormat;
        QTest::newRow("no entries") << SkinPackage::pack({}) << Status::Usable;
        QTest::newRow("count past the data") << le32(1000) + QByteArray(10, 0) << Status::Damaged;
        QTest::newRow("count past the ceiling")
            << le32(quint32(SkinPackage::MaxPackageBytes) + 1) << Status::Damaged;
        QTest::newRow("count 0xffffffff") << le32(0xffffffffu) + "abc" << Status::Damaged;
        QTest::newRow("package without unpacked size") << SkinPackage::block("ab")
                                                       << Status::Damaged;
        QTest::newRow("unpacked size past the ceiling")
            << packageDeclaring(quint32(SkinPackage::MaxUnpackedBytes) + 1, container)
            << Status::Damaged;
        QTest::newRow("unpacked size 0xffffffff") << packageDeclaring(0xffffffffu, container)
                                                  << Status::Damaged;
        QTest::newRow("unpacked size one short")
            << packageDeclaring(quint32(container.size() - 1), container) << Status::Damaged;
        QTest::newRow("unpacked size one over")
            << packageDeclaring(quint32(container.size() + 1), container) << Status::Damaged;
        QTest::newRow("unpacked too short for a format")
            << packageDeclaring(2, QByteArray("\x20\x4e", 2)) << Status::Damaged;
        QTest::newRow("body not zlib")
            << SkinPackage::block(le32(100) + QByteArray(40, '\x55')) << Status::Damaged;
        QTest::newRow("bytes after the body")
            << SkinPackage::block(SkinPackage::compress(container) + "tail") << Status::Damaged;

        // Containers that are packed correctly but lie inside.
        const auto inner = [](const QByteArray &bytes) {
            return SkinPackage::block(SkinPackage::compress(bytes));
        };
        const QByteArray head = le32(SkinPackage::FormatNumber);
        QTest::newRow("no entry count") << inner(head) << Status::Damaged;
        QTest::newRow("entry count past the ceiling")
            << inner(head + le32(SkinPackage::MaxEntries + 1)) << Status::Damaged;
        QTest::newRow("entry count past the data") << inner(head + le32(3)) << Status::Damaged;
        QTest::newRow("empty name") << inner(head + le32(1) + QByteArray(2, 0) + le32(0))
                                    << Status::Damaged;
        QTest::newRow("name past the ceiling")
            << inner(head + le32(1) + QByteArray("\xff\x00", 2) + QByteArray(255, 'n') + le32(0))
            << Status::Damaged;
        QTest::newRow("name past the data")
            << inner(head + le32(1) + QByteArray("\x10\x00", 2) + "abc") << Status::Damaged;
        QTest::newRow("data length past the data")
            << inner(head + le32(1) + QByteArray("\x01\x00", 2) + "a" + le32(50) + "xyz")
            << Status::Damaged;
        QTest::newRow("data length 0xffffffff")
            << inner(head + le32(1) + QByteArray("\x01\x00", 2) + "a" + le32(0xffffffffu))
            << Status::Damaged;
        QTest::newRow("bytes after the last entry") << inner(container + "x") << Status::Damaged;
    }

    void outcomes()
    {
        QFETCH(QByteArray, block);
        QFETCH(Status, status);
        const SkinPackage::Result result = SkinPackage::read(block);
        QCOMPARE(result.status, status);
        if (status == Status::Damaged)
            QVERIFY(!result.problem.isEmpty());
        if (status != Status::Usable)
            QVERIFY(result.entries.isEmpty());
    }

    // Cut short anywhere, with the count left as it was or made to agree.
    void truncatedAtEveryOffset()
    {
        const QByteArray block = TSkinData::builtInSkinStream();
        QVERIFY(block.size() > 8);
        const QByteArray package = block.mid(4);
        for (qsizetype n = 0; n < block.size(); ++n)
            QCOMPARE(SkinPackage::read(block.left(n)).status, Status::Damaged);
        for (qsizetype n = 1; n < package.size(); ++n)
            QCOMPARE(SkinPackage::read(SkinPackage::block(package.left(n))).status,
                     Status::Damaged);
    }

    void corruptBody()
    {
        const QByteArray block = TSkinData::builtInSkinStream();
        const QList<Entry> original = SkinPackage::read(block).entries;
        // Every byte of the compressed body, flipped in turn; the stream's
        // own check catches what the structure does not. A flip in a bit
        // that deflate ignores may still give the very same bytes.
        int damaged = 0;
        for (qsizetype i = 8; i < block.size(); ++i) {
            QByteArray bad = block;
            bad[i] = char(bad[i] ^ 0x5a);
            const SkinPackage::Result result = SkinPackage::read(bad);
            if (result.status == Status::Damaged) {
                ++damaged;
                continue;
            }
            QCOMPARE(result.status, Status::Usable);
            QCOMPARE(result.entries.size(), original.size());
            for (qsizetype e = 0; e < original.size(); ++e)
                QCOMPARE(result.entries[e].data, original[e].data);
        }
        QVERIFY(damaged > (block.size() - 8) * 9 / 10);
    }

    void memoryThatCannotBeHad()
    {
        qsizetype asked = -1;
        const SkinPackage::Result result =
            SkinPackage::read(TSkinData::builtInSkinStream(), [&asked](QByteArray &, qsizetype size) {
                asked = size;
                return false;
            });
        QCOMPARE(result.status, Status::NoMemory);
        QVERIFY(asked > 0 && asked <= SkinPackage::MaxUnpackedBytes);
        // Oversized declarations are refused before anything is asked for.
        asked = -1;
        SkinPackage::read(packageDeclaring(0xffffffffu, "x"), [&asked](QByteArray &, qsizetype s) {
            asked = s;
            return false;
        });
        QCOMPARE(asked, qsizetype(-1));
    }

    void themeFaults_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("problem");
        QTest::newRow("no description") << QStringLiteral("drop:skin.ini")
                                        << QStringLiteral("no description");
        QTest::newRow("image that does not decode") << QStringLiteral("garble:button_hot.png")
                                                    << QStringLiteral("does not decode");
        QTest::newRow("image file missing") << QStringLiteral("drop:check_on.png")
                                            << QStringLiteral("missing");
        QTest::newRow("colour missing") << QStringLiteral("ini:button-face = #edf1f5|")
                                        << QStringLiteral("button-face");
        QTest::newRow("colour invalid") << QStringLiteral("ini:button-face = #edf1f5|button-face = blue-ish")
                                        << QStringLiteral("button-face");
        QTest::newRow("slices past the image")
            << QStringLiteral("ini:edit_focus.png 2 2 2 2|edit_focus.png 9 2 2 2")
            << QStringLiteral("slices");
        QTest::newRow("unknown caption button")
            << QStringLiteral("ini:minimize maximize restore close|minimize help")
            << QStringLiteral("unknown caption button");
    }

    void themeFaults()
    {
        QFETCH(QString, change);
        QFETCH(QString, problem);
        QList<Entry> entries = SkinPackage::read(TSkinData::builtInSkinStream()).entries;
        const QString what = change.section(u':', 0, 0), arg = change.section(u':', 1);
        for (qsizetype i = 0; i < entries.size(); ++i) {
            Entry &e = entries[i];
            if (what == QLatin1String("drop") && e.name == arg) {
                entries.removeAt(i);
                break;
            }
            if (what == QLatin1String("garble") && e.name == arg)
                e.data = e.data.left(20) + "garbage";
            if (what == QLatin1String("ini") && e.name == QLatin1String(SkinDescriptionName)) {
                const QString text = QString::fromUtf8(e.data);
                QVERIFY(text.contains(arg.section(u'|', 0, 0)));
                e.data = QString(text).replace(arg.section(u'|', 0, 0), arg.section(u'|', 1)).toUtf8();
            }
        }
        QString said;
        QVERIFY(!SkinTheme::fromEntries(entries, &said));
        QVERIFY2(said.contains(problem), qPrintable(said));
    }

    void onlyDefinedCaptionButtonsNeedImages()
    {
        QList<Entry> entries = SkinPackage::read(TSkinData::builtInSkinStream()).entries;
        for (Entry &e : entries) {
            if (e.name == QLatin1String(SkinDescriptionName))
                e.data.replace("caption-buttons = minimize maximize restore close",
                               "caption-buttons = close");
        }
        entries.removeIf([](const Entry &e) { return e.name.startsWith(QLatin1String("caption_minimize")); });
        const auto theme = SkinTheme::fromEntries(entries, nullptr);
        QVERIFY(theme);
        QCOMPARE(theme->captionButtons, QList<CaptionButton>{CaptionButton::Close});
    }
};

QTEST_GUILESS_MAIN(TestSkinReader)
#include "tst_skin_reader.moc"
