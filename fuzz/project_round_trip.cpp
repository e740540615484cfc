// Writing a content with no NUL byte and reading it back gives the same three strings.
#include "fuzz/FuzzInput.h"
#include "project/ProjectFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput input(data, size);
    ProjectContent content;
    content.title = input.TakePart().replace('\0', "");
    content.outputName = input.TakePart().replace('\0', "");
    content.text = input.TakeRest().replace('\0', "");

    const QByteArray bytes = EncodeProject(content);
    FUZZ_CHECK(bytes.size()
               == 16 + content.title.size() + content.text.size() + content.outputName.size());
    FUZZ_CHECK(DecodeProject(bytes) == content);
    return 0;
}
