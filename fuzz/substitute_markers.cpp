// The marker substitution against a plain reference written from the algorithm's own
// description: take the page apart, step over characters, put the page together again.
#include "build/SubstituteMarkers.h"
#include "fuzz/FuzzInput.h"

#include <string>

namespace {

// The first "%s" at or after `from`, stepping one character at a time.
std::string::size_type ReferenceFind(const std::string& page, std::string::size_type from,
                                     const CodePage& codePage)
{
    for (std::string::size_type at = from; at + 1 < page.size();) {
        if (page[at] == '%' && page[at + 1] == 's')
            return at;
        at += codePage.IsLeadByte(static_cast<unsigned char>(page[at])) ? 2 : 1;
    }
    return std::string::npos;
}

// The page after substitution, or nothing when a marker is missing.
std::optional<std::string> Reference(std::string page, const std::string& title,
                                     const std::string& text, const CodePage& codePage)
{
    const auto p1 = ReferenceFind(page, 0, codePage);
    if (p1 == std::string::npos)
        return std::nullopt;
    page.erase(p1, 2);
    page.insert(p1, title);
    const auto p2 = ReferenceFind(page, p1, codePage);
    if (p2 == std::string::npos)
        return std::nullopt;
    page.erase(p2, 2);
    page.insert(p2, text);
    return page;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const CodePage doubleByte = CodePage::WithLeadBytes({{0x81, 0x9f}, {0xe0, 0xfc}});
    FuzzInput input(data, size);
    const QByteArray selector = input.TakeByte();
    const CodePage& codePage =
        !selector.isEmpty() && (selector[0] & 1) ? doubleByte : CodePage::Utf8();
    const QByteArray title = input.TakePart();
    const QByteArray text = input.TakePart();
    const QByteArray page = input.TakeRest();

    const auto expected =
        Reference(page.toStdString(), title.toStdString(), text.toStdString(), codePage);
    const Substitution plan = PlanSubstitution(page, title, text, codePage);
    FUZZ_CHECK((plan.status == MarkerStatus::Ok) == expected.has_value());
    const QByteArray joined = plan.joined();
    FUZZ_CHECK(joined.size() == plan.size());
    if (expected)
        FUZZ_CHECK(joined.toStdString() == *expected);
    else
        FUZZ_CHECK(joined == page);

    QByteArray inPlace = page;
    FUZZ_CHECK(SubstituteMarkers(inPlace, title, text, codePage) == plan.status);
    FUZZ_CHECK(inPlace == joined);
    return 0;
}
