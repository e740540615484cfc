// The marker substitution against a plain reference written from the rule itself: replace the
// first "%s" that starts a character by the title, then search again from where the title
// starts and replace the "%s" found there by the text.
#include "build/SubstituteMarkers.h"
#include "fuzz/FuzzInput.h"

namespace {

qsizetype ReferenceFind(const QByteArray& page, qsizetype at, const CodePage& codePage)
{
    for (; at + 1 < page.size(); at += codePage.IsLeadByte(uchar(page[at])) ? 2 : 1) {
        if (page[at] == '%' && page[at + 1] == 's')
            return at;
    }
    return -1;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const CodePage doubleByte = CodePage::WithLeadBytes({{0x81, 0x9f}, {0xe0, 0xfc}});
    FuzzInput input(data, size);
    const CodePage& codePage = input.Take(1).startsWith('\1') ? doubleByte : CodePage::Utf8();
    const QByteArrayView title = input.TakePart();
    const QByteArrayView text = input.TakePart();
    const QByteArrayView page = input.TakeRest();

    // The page the rule gives, or the page unchanged when a marker is missing.
    QByteArray expected = page.toByteArray();
    MarkerStatus status = MarkerStatus::NoFirstMarker;
    if (const qsizetype first = ReferenceFind(expected, 0, codePage); first >= 0) {
        expected.replace(first, 2, title);
        const qsizetype second = ReferenceFind(expected, first, codePage);
        status = second < 0 ? MarkerStatus::NoSecondMarker : MarkerStatus::Ok;
        expected = second < 0 ? page.toByteArray() : expected.replace(second, 2, text);
    }

    const Substitution plan = PlanSubstitution(page, title, text, codePage);
    FUZZ_CHECK(plan.status == status && plan.joined() == expected
               && plan.size() == expected.size());
    QByteArray inPlace = page.toByteArray();
    FUZZ_CHECK(SubstituteMarkers(inPlace, title, text, codePage) == status && inPlace == expected);
    return 0;
}
