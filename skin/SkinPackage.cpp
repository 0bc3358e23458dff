#include "SkinPackage.h"

#include <new>
#include <zlib.h>

namespace SkinPackage {
namespace {

// A cursor over bytes that refuses every read past the end.
class Reader
{
public:
    explicit Reader(QByteArrayView bytes) : m_bytes(bytes) {}

    qsizetype remaining() const { return m_bytes.size() - m_pos; }
    bool u16(quint16 &value)
    {
        if (remaining() < 2)
            return false;
        value = quint16(byte(0) | byte(1) << 8);
        m_pos += 2;
        return true;
    }
    bool u32(quint32 &value)
    {
        if (remaining() < 4)
            return false;
        value = quint32(byte(0)) | quint32(byte(1)) << 8 | quint32(byte(2)) << 16 |
                quint32(byte(3)) << 24;
        m_pos += 4;
        return true;
    }
    bool bytes(qsizetype count, QByteArrayView &out)
    {
        if (count < 0 || count > remaining())
            return false;
        out = m_bytes.sliced(m_pos, count);
        m_pos += count;
        return true;
    }

private:
    quint32 byte(qsizetype offset) const { return quint8(m_bytes[m_pos + offset]); }

    QByteArrayView m_bytes;
    qsizetype m_pos = 0;
};

void putU16(QByteArray &out, quint16 value)
{
    out.append(char(value & 0xff));
    out.append(char(value >> 8));
}

void putU32(QByteArray &out, quint32 value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.append(char((value >> shift) & 0xff));
}

Result damaged(const QString &problem)
{
    return Result{Status::Damaged, problem, {}};
}

// Inflates exactly `size` bytes into `out`; anything else is a fault.
QString inflateExactly(QByteArrayView body, QByteArray &out)
{
    z_stream stream{};
    if (inflateInit(&stream) != Z_OK)
        return QStringLiteral("cannot start decompression");
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(body.data()));
    stream.avail_in = uInt(body.size());
    stream.next_out = reinterpret_cast<Bytef *>(out.data());
    stream.avail_out = uInt(out.size());
    const int rc = inflate(&stream, Z_FINISH);
    const qsizetype produced = qsizetype(stream.total_out);
    const uInt leftOver = stream.avail_in;
    inflateEnd(&stream);
    if (rc == Z_BUF_ERROR && produced == out.size())
        return QStringLiteral("unpacked data longer than its declared size");
    if (rc != Z_STREAM_END)
        return QStringLiteral("compressed body is corrupt or truncated");
    if (produced != out.size())
        return QStringLiteral("unpacked data shorter than its declared size");
    if (leftOver != 0)
        return QStringLiteral("bytes after the compressed body");
    return {};
}

Result readContainer(QByteArrayView unpacked)
{
    Reader in(unpacked);
    quint32 format = 0;
    if (!in.u32(format))
        return damaged(QStringLiteral("no format number"));
    if (format != FormatNumber)
        return Result{Status::OlderFormat, {}, {}};
    quint32 count = 0;
    if (!in.u32(count))
        return damaged(QStringLiteral("no entry count"));
    if (count > MaxEntries)
        return damaged(QStringLiteral("too many entries"));
    Result result{Status::Usable, {}, {}};
    for (quint32 i = 0; i < count; ++i) {
        quint16 nameSize = 0;
        QByteArrayView name;
        if (!in.u16(nameSize) || nameSize == 0 || nameSize > MaxNameBytes ||
            !in.bytes(nameSize, name))
            return damaged(QStringLiteral("entry %1: bad name").arg(i));
        quint32 dataSize = 0;
        QByteArrayView data;
        if (!in.u32(dataSize) || dataSize > quint32(in.remaining()) || !in.bytes(dataSize, data))
            return damaged(QStringLiteral("entry %1: data past the end").arg(i));
        result.entries.append({QString::fromLatin1(name), data.toByteArray()});
    }
    if (in.remaining() != 0)
        return damaged(QStringLiteral("bytes after the last entry"));
    return result;
}

} // namespace

bool defaultAllocate(QByteArray &buffer, qsizetype size)
{
    try {
        buffer = QByteArray(size, Qt::Uninitialized);
    } catch (const std::bad_alloc &) {
        return false;
    }
    return buffer.size() == size;
}

Result read(QByteArrayView block, const Allocator &allocate)
{
    Reader in(block);
    quint32 count = 0;
    if (!in.u32(count))
        return damaged(QStringLiteral("no byte count"));
    if (count == 0)
        return Result{};
    if (count > quint32(MaxPackageBytes))
        return damaged(QStringLiteral("package larger than the ceiling"));
    QByteArrayView package;
    if (!in.bytes(qsizetype(count), package))
        return damaged(QStringLiteral("package shorter than its byte count"));

    Reader pin(package);
    quint32 unpackedSize = 0;
    if (!pin.u32(unpackedSize))
        return damaged(QStringLiteral("no unpacked size"));
    if (unpackedSize < 4 || unpackedSize > quint32(MaxUnpackedBytes))
        return damaged(QStringLiteral("unpacked size out of range"));
    QByteArrayView body;
    pin.bytes(pin.remaining(), body);

    QByteArray unpacked;
    if (!allocate(unpacked, qsizetype(unpackedSize)) || unpacked.size() != qsizetype(unpackedSize))
        return Result{Status::NoMemory, {}, {}};
    const QString problem = inflateExactly(body, unpacked);
    if (!problem.isEmpty())
        return damaged(problem);
    return readContainer(unpacked);
}

QByteArray container(const QList<Entry> &entries, quint32 format)
{
    QByteArray out;
    putU32(out, format);
    putU32(out, quint32(entries.size()));
    for (const Entry &entry : entries) {
        const QByteArray name = entry.name.toLatin1();
        putU16(out, quint16(name.size()));
        out.append(name);
        putU32(out, quint32(entry.data.size()));
        out.append(entry.data);
    }
    return out;
}

QByteArray compress(const QByteArray &unpacked)
{
    uLongf size = compressBound(uLong(unpacked.size()));
    QByteArray body(qsizetype(size), Qt::Uninitialized);
    if (compress2(reinterpret_cast<Bytef *>(body.data()), &size,
                  reinterpret_cast<const Bytef *>(unpacked.constData()), uLong(unpacked.size()),
                  Z_BEST_COMPRESSION) != Z_OK)
        return {};
    QByteArray out;
    putU32(out, quint32(unpacked.size()));
    out.append(body.constData(), qsizetype(size));
    return out;
}

QByteArray block(const QByteArray &package)
{
    QByteArray out;
    putU32(out, quint32(package.size()));
    out.append(package);
    return out;
}

} // namespace SkinPackage
