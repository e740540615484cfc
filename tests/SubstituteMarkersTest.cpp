#include "build/SubstituteMarkers.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Case {
    const char* name;
    std::string page;
    std::string title;
    std::string text;
    std::string expected;
    MarkerStatus status = MarkerStatus::Ok;
};

void PrintTo(const Case& c, std::ostream* os)
{
    *os << c.name;
}

QByteArrayView View(const std::string& s)
{
    return QByteArrayView(s.data(), qsizetype(s.size()));
}

class Utf8Substitution : public testing::TestWithParam<Case> { };

TEST_P(Utf8Substitution, givesThePageTheMarkersDefine)
{
    const Case& c = GetParam();
    QByteArray page(c.page.data(), qsizetype(c.page.size()));
    EXPECT_EQ(SubstituteMarkers(page, View(c.title), View(c.text)), c.status);
    EXPECT_EQ(page.toStdString(), c.expected);

    // The pieces written by Build are the same page.
    const Substitution plan = PlanSubstitution(View(c.page), View(c.title), View(c.text));
    EXPECT_EQ(plan.joined().toStdString(), c.expected);
    EXPECT_EQ(plan.size(), qsizetype(c.expected.size()));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Utf8Substitution,
    testing::Values(Case{"plain", "<title>%s</title><body>%s</body>", "Home", "Hi",
                         "<title>Home</title><body>Hi</body>"},
                    Case{"titleBringsTheSecondMarker", "A%sB%sC", "5%s", "x", "A5xB%sC"},
                    Case{"titlesPercentAndTemplatesSFormTheMarker", "X%ssY", "5%", "Q", "X5QY"},
                    Case{"doublePercentIsNoEscape", "a%%sb%sc", "T", "U", "a%TbUc"},
                    Case{"upperCaseSIsNoMarker", "%S%s-%s", "a", "b", "%Sa-b"},
                    Case{"emptyTitleRemovesTheFirstMarker", "%s%s", "", "T", "T"},
                    Case{"emptyTextRemovesTheSecondMarker", "a%sb%sc", "T", "", "aTbc"},
                    Case{"thirdMarkerStays", "a%sb%sc%sd", "1", "2", "a1b2c%sd"},
                    Case{"markersAtBothEnds", "%sxyz%s", "<", ">", "<xyz>"},
                    Case{"textIsInsertedUnchanged", "%s|%s", "<b>&amp;", "one\r\ntwo & <i>",
                         "<b>&amp;|one\r\ntwo & <i>"},
                    Case{"textMayHoldMarkers", "%s %s", "t", "%s%s", "t %s%s"},
                    Case{"noMarkerLeavesThePage", "no marker here %", "T", "U", "no marker here %",
                         MarkerStatus::NoFirstMarker},
                    Case{"emptyPage", "", "T", "U", "", MarkerStatus::NoFirstMarker},
                    Case{"oneMarkerLeavesThePage", "only %s one", "T", "U", "only %s one",
                         MarkerStatus::NoSecondMarker},
                    Case{"titleEndingInPercentAtThePagesEnd", "a%s", "x%", "U", "a%s",
                         MarkerStatus::NoSecondMarker},
                    Case{"oneMarkerAndATitleThatBringsOne", "a%sb", "x%s", "T", "axTb"},
                    Case{"nonAsciiAroundMarkers", "\xc3\xa9%s\xe2\x82\xac%s\xc3\xa9", "\xc3\xa0",
                         "\xe2\x82\xac", "\xc3\xa9\xc3\xa0\xe2\x82\xac\xe2\x82\xac\xc3\xa9"}),
    [](const testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

// A Shift JIS-like code page: these bytes start two-byte characters, and the byte after one
// is never read as a character of its own.
const CodePage& DoubleByte()
{
    static const CodePage codePage = CodePage::WithLeadBytes({{0x81, 0x9f}, {0xe0, 0xfc}});
    return codePage;
}

TEST(DoubleByteSubstitution, percentAfterALeadByteStartsNoMarker)
{
    const struct {
        const char* name;
        std::string page, title, text, expected;
        MarkerStatus status;
    } cases[] = {
        {"leadByteSwallowsPercent", "\x81%s%s%s", "T", "U", "\x81%sTU", MarkerStatus::Ok},
        {"trailByteIsSkipped", "\x82\x25s%s", "T", "U", "\x82%sT", MarkerStatus::NoSecondMarker},
        {"titlesLastLeadByteTakesTheTemplatesPercent", "a%s%sb", "\x81", "U", "a%s%sb",
         MarkerStatus::NoSecondMarker},
        {"singleBytesBetweenMarkers", "a\x81\x40%sb%sc", "T", "U", "a\x81\x40TbUc",
         MarkerStatus::Ok},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QByteArray page(c.page.data(), qsizetype(c.page.size()));
        const MarkerStatus status =
            SubstituteMarkers(page, View(c.title), View(c.text), DoubleByte());
        EXPECT_EQ(status, c.status);
        if (status == MarkerStatus::Ok)
            EXPECT_EQ(page.toStdString(), c.expected);
        else
            EXPECT_EQ(page.toStdString(), c.page);
    }
    // Read as UTF-8, the same bytes hold an ordinary marker after the title.
    QByteArray page("a%s%sb");
    EXPECT_EQ(SubstituteMarkers(page, "\x81", "U"), MarkerStatus::Ok);
    EXPECT_EQ(page, QByteArray("a\x81Ub"));
}

TEST(FindMarker, stopsAtTheEndOfTheData)
{
    // The "%" in the last byte has no "s" after it inside the view, whatever follows in memory.
    const char bytes[] = "ab%s";
    EXPECT_EQ(FindMarker(QByteArrayView(bytes, 3), 0, CodePage::Utf8()), -1);
    EXPECT_EQ(FindMarker(QByteArrayView(bytes, 3), 0, DoubleByte()), -1);
    EXPECT_EQ(FindMarker(QByteArrayView(bytes, 4), 0, CodePage::Utf8()), 2);
    EXPECT_EQ(FindMarker(QByteArrayView(bytes, 4), 3, CodePage::Utf8()), -1);
    EXPECT_EQ(FindMarker(QByteArrayView(bytes, 4), 9, DoubleByte()), -1);
}

TEST(SubstituteMarkers, handlesALargePageWithMarkersNearItsEnd)
{
    QByteArray page(8 << 20, 'x');
    page.replace(page.size() - 10, 2, "%s");
    page.replace(page.size() - 4, 2, "%s");
    ASSERT_EQ(SubstituteMarkers(page, "TITLE", "TEXT"), MarkerStatus::Ok);
    EXPECT_EQ(page.size(), (8 << 20) - 4 + 9);
    EXPECT_TRUE(page.endsWith("xxxxxxxxTITLExxxxTEXTxx"));
}

}  // namespace
