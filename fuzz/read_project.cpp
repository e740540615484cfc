// ReadProject's decoding on arbitrary bytes: it never reads outside them, and what it accepts
// is a content that writes and reads back unchanged.
#include "fuzz/FuzzInput.h"
#include "project/ProjectFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // The view ends exactly where the fuzzer's buffer ends, so a read past it is caught.
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const auto content = DecodeProject(bytes);
    if (!content)
        return 0;
    FUZZ_CHECK(size >= 16);
    for (const QByteArray* part : {&content->title, &content->text, &content->outputName}) {
        FUZZ_CHECK(!part->contains('\0'));
        FUZZ_CHECK(size_t(part->size()) <= size);
    }
    FUZZ_CHECK(DecodeProject(EncodeProject(*content)) == content);
    return 0;
}
