// libFuzzer target for the skin package reader and the theme built from it.
// The first byte chooses what the rest is: a stored block as the program
// reads it, or the unpacked container, which is packed first so that the
// fuzzer reaches the structure behind the compression.
#include "SkinPackage.h"
#include "SkinTheme.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const QByteArray rest(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    const QByteArray block =
        data[0] & 1 ? SkinPackage::block(SkinPackage::compress(rest)) : rest;
    const SkinPackage::Result result = SkinPackage::read(block);
    if (result.status == SkinPackage::Status::Usable) {
        QString problem;
        SkinTheme::fromEntries(result.entries, &problem);
    }
    return 0;
}
