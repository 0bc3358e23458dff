#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <functional>

// The skin package: the stored block, its compression and the container of
// named entries inside it. Pure data handling, no widgets; shared by the
// program, the build-time packer and the fuzzer.
//
//   block     = u32le N, N bytes of package
//   package   = u32le unpacked size, zlib stream of exactly that many bytes
//   unpacked  = u32le format number (20000), u32le entry count,
//               entries: u16le name length, name (ASCII), u32le data length, data
//
// Every size is checked against the bytes at hand and against a fixed
// ceiling before anything is allocated or read.
namespace SkinPackage {

constexpr quint32 FormatNumber = 20000;
// Ceilings: far above what our skin needs (tens of KB), far below harm.
constexpr qsizetype MaxPackageBytes = 1 << 20;
constexpr qsizetype MaxUnpackedBytes = 4 << 20;
constexpr quint32 MaxEntries = 256;
constexpr quint16 MaxNameBytes = 64;

struct Entry
{
    QString name;
    QByteArray data;
};

enum class Status {
    Empty,       // count 0: no skin, nothing to say
    Usable,      // unpacked and well formed
    OlderFormat, // another format number
    Damaged,     // truncated, inconsistent or corrupt
    NoMemory,    // the unpacking buffer could not be had
};

struct Result
{
    Status status = Status::Empty;
    QString problem; // for Damaged: what was wrong, for logs and tests
    QList<Entry> entries;
};

// Gets the buffer for the unpacked bytes; returns false when the memory
// cannot be had. Replaceable so that the failure can be tested.
using Allocator = std::function<bool(QByteArray &buffer, qsizetype size)>;
bool defaultAllocate(QByteArray &buffer, qsizetype size);

// Reads a stored block. Never throws for bad input; every fault is
// reported in the result.
Result read(QByteArrayView block, const Allocator &allocate = defaultAllocate);

// The writing side, for the packer and the tests.
QByteArray container(const QList<Entry> &entries, quint32 format = FormatNumber);
QByteArray compress(const QByteArray &unpacked);
QByteArray block(const QByteArray &package);
inline QByteArray pack(const QList<Entry> &entries, quint32 format = FormatNumber)
{
    return block(compress(container(entries, format)));
}

} // namespace SkinPackage
