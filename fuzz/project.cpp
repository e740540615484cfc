// The project reader on arbitrary bytes never reads outside them, and what it accepts writes
// and reads back unchanged, its format block included; a content with no NUL byte also writes
// and reads back unchanged, in either format.
#include "fuzz/FuzzInput.h"
#include "project/ProjectFile.h"
#include "services/WindowText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // The view ends exactly where the fuzzer's buffer ends, so a read past it is caught.
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    if (const auto read = DecodeProject(bytes)) {
        FUZZ_CHECK(size >= 16);
        for (const QByteArray* part : {&read->title, &read->text, &read->outputName})
            FUZZ_CHECK(!part->contains('\0') && size_t(part->size()) <= size);
        FUZZ_CHECK(DecodeProject(EncodeProject(*read)) == read);
    }

    // Text as a page is built from it, in one pass, as through the text field.
    FUZZ_CHECK(TextBytesAsBuilt(bytes) == BytesFromFieldText(FieldTextFromBytes(bytes)));

    QByteArrayView rest = bytes;
    ProjectContent content;
    const QByteArrayView markdown = Take(rest, 1);
    content.format =
        !markdown.isEmpty() && markdown[0] & 1 ? TextFormat::Markdown : TextFormat::Html;
    content.title = TakePart(rest).toByteArray().replace('\0', "");
    content.outputName = TakePart(rest).toByteArray().replace('\0', "");
    content.text = rest.toByteArray().replace('\0', "");
    const QByteArray encoded = EncodeProject(content);
    // An HTML project is laid out as earlier Wendles wrote it, with no block.
    FUZZ_CHECK((encoded.size()
                == 16 + content.title.size() + content.text.size() + content.outputName.size())
               == (content.format == TextFormat::Html));
    FUZZ_CHECK(DecodeProject(encoded) == content);
    return 0;
}
