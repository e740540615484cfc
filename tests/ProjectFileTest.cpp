#include "project/ProjectFile.h"
#include "services/Errors.h"
#include "services/FileAccess.h"
#include "tests/TestSupport.h"

#include <QtEndian>

namespace {

QByteArray Header(quint32 titleLength, quint32 textOffset, quint32 textLength, quint32 nameLength)
{
    QByteArray bytes(16, '\0');
    qToLittleEndian(titleLength, bytes.data());
    qToLittleEndian(textOffset, bytes.data() + 4);
    qToLittleEndian(textLength, bytes.data() + 8);
    qToLittleEndian(nameLength, bytes.data() + 12);
    return bytes;
}

// ReadProject on a file of these bytes: the content, or nullopt when it refuses them.
std::optional<ProjectContent> ReadFromFile(const QByteArray& bytes)
{
    Workspace ws;
    InputFile file(ws.Write(QStringLiteral("p.wendle"), bytes));
    try {
        return ReadProject(file);
    } catch (const FileError&) {
        return std::nullopt;
    }
}

TEST(ProjectFormat, writesTheKnownLayouts)
{
    const struct {
        const char* name;
        ProjectContent content;
        QByteArray bytes;
    } cases[] = {
        {"titleAndTwoLineText", {"Hi", "A\r\nB", ""}, Header(2, 18, 4, 0) + "HiA\r\nB"},
        {"outputNameFirst", {"T", "", "out.html"}, Header(1, 25, 0, 8) + "out.htmlT"},
        {"emptyProject", {"", "", "p.html"}, Header(0, 22, 0, 6) + "p.html"},
        {"nothingAtAll", {"", "", ""}, Header(0, 16, 0, 0)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(EncodeProject(c.content), c.bytes);
        EXPECT_EQ(DecodeProject(c.bytes), c.content);
    }
    EXPECT_EQ(EncodeProject({"Hi", "A\r\nB", ""}).size(), 22);
    EXPECT_EQ(EncodeProject({"T", "", "out.html"}).size(), 25);
}

TEST(ProjectFormat, textComesFromItsStoredOffset)
{
    // Text placed before the title, with a gap of other bytes.
    const QByteArray bytes = Header(5, 24, 3, 0) + "title...txt";
    const auto content = DecodeProject(bytes);
    ASSERT_TRUE(content);
    EXPECT_EQ(ReadFromFile(bytes), content);
    EXPECT_EQ(content->title, "title");
    EXPECT_EQ(content->text, "txt");
    EXPECT_EQ(content->outputName, "");
}

TEST(ProjectFormat, stringsEndAtTheirFirstNul)
{
    const QByteArray bytes = Header(3, 22, 3, 3) + QByteArray("a\0bc\0dx\0z", 9);
    EXPECT_EQ(DecodeProject(bytes), (ProjectContent{"c", "x", "a"}));
    EXPECT_EQ(ReadFromFile(bytes), (ProjectContent{"c", "x", "a"}));
}

TEST(ProjectFormat, roundTripsContentWithoutNul)
{
    const ProjectContent cases[] = {
        {"", "", ""},
        {"Title", "line 1\r\nline 2\r\n", "index.html"},
        {"caf\xc3\xa9 \xe2\x82\xac", "\xe6\x97\xa5\xe6\x9c\xac \xf0\x9f\x98\x80",
         "p\xc3\xa1gina.html"},
        {"%s", "%s%s", "%s.html"},
        {"t", QByteArray(3 << 20, 'x') + "\r\nend", "big.html"},
    };
    for (const ProjectContent& c : cases)
        EXPECT_EQ(DecodeProject(EncodeProject(c)), c) << c.title.toStdString();
}

TEST(ProjectFormat, writesOnlyWhatItCanReadBack)
{
    constexpr quint64 max = 0xffffffffu;
    const struct {
        quint64 name, title, text;
        bool fits;
    } cases[] = {
        {0, 0, max - 16, true},  // the file is exactly the largest the reader takes
        {0, 0, max - 15, false}, {8, max - 30, 6, true},
        {8, max - 30, 7, false},  // every field fits, the whole file does not
        {max, 0, 0, false},      {0, 1ull << 33, 0, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ProjectFits(c.name, c.title, c.text), c.fits)
            << c.name << " " << c.title << " " << c.text;
}

TEST(ProjectFormat, refusesEveryTruncation)
{
    const QByteArray whole = EncodeProject({"Title", "Some text", "page.html"});
    for (qsizetype length = 0; length < whole.size(); ++length) {
        // A copy of exactly `length` bytes, so the sanitizer sees any read past it.
        const QByteArray cut = whole.left(length);
        EXPECT_FALSE(DecodeProject(cut)) << "length " << length;
    }
    EXPECT_TRUE(DecodeProject(whole));
}

TEST(ProjectFormat, headerFieldsAtTheirExtremesNeverReachOutside)
{
    const QByteArray body = "page.htmlTitleText";
    const quint32 length = 16 + quint32(body.size());
    const quint32 good[4] = {5, 30, 4, 9};
    ASSERT_TRUE(DecodeProject(Header(good[0], good[1], good[2], good[3]) + body));
    for (int field = 0; field < 4; ++field) {
        for (const quint32 value : {0u, length, length + 1, 0xffffffffu}) {
            quint32 f[4] = {good[0], good[1], good[2], good[3]};
            f[field] = value;
            const QByteArray bytes = Header(f[0], f[1], f[2], f[3]) + body;
            const bool wellFormed = 16ull + f[3] + f[0] <= length && quint64(f[1]) + f[2] <= length;
            const auto content = DecodeProject(bytes);
            EXPECT_EQ(content.has_value(), wellFormed) << "field " << field << " = " << value;
            EXPECT_EQ(ReadFromFile(bytes), content) << "field " << field << " = " << value;
            if (content) {
                EXPECT_TRUE(bytes.contains(content->title));
                EXPECT_TRUE(bytes.contains(content->text));
                EXPECT_TRUE(bytes.contains(content->outputName));
            }
        }
    }
}

TEST(ProjectFile, damagedFileIsRefusedWithItsName)
{
    Workspace ws;
    const QString path = ws.Write(QStringLiteral("bad.wendle"), Header(100, 16, 0, 0) + "short");
    InputFile file(path);
    try {
        ReadProject(file);
        ADD_FAILURE() << "read a damaged project";
    } catch (const FileError& e) {
        EXPECT_EQ(e.message(),
                  QStringLiteral("Cannot read file %1:\nIt is not a Wendle project, or it "
                                 "is damaged.")
                      .arg(path));
    }
}

}  // namespace
