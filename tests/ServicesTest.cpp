#include "res/DialogTemplate.h"
#include "services/FileAccess.h"
#include "services/FilePrompt.h"
#include "services/ProfileStore.h"
#include "services/WindowText.h"
#include "tests/TestSupport.h"

#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStandardPaths>

namespace {

TEST(QtNameFilters, translatesPairsForQt)
{
    const struct {
        const char* in;
        const char* out;
    } cases[] = {
        {"HTML files(*.html)|*.html||", "HTML files(*.html)"},
        {"Wendle files(*.wendle)|*.wendle||", "Wendle files(*.wendle)"},
        {"Text|*.txt|All files|*||", "Text (*.txt);;All files (*)"},
        {"Pages(*.htm)|*.htm;*.html||", "Pages(*.htm) (*.htm;*.html)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(QtNameFilters(QString::fromUtf8(c.in)), QString::fromUtf8(c.out)) << c.in;
}

// ---- Profile

class ProfileStoreTest : public testing::Test {
protected:
    QByteArray FileText() const { return ws.Read(QStringLiteral("cfg/wendle.ini")); }
    void SetFileText(const QByteArray& text) { ws.Write(QStringLiteral("cfg/wendle.ini"), text); }

    Workspace ws;
    ProfileStore store{ws.Path(QStringLiteral("cfg/wendle.ini"))};
};

TEST_F(ProfileStoreTest, missingFileOrEntryGivesTheDefault)
{
    EXPECT_EQ(store.Read("Template File", "FileName", "notfound"), "notfound");
    SetFileText("[Other]\nFileName=elsewhere.html\n");
    EXPECT_EQ(store.Read("Template File", "FileName", "notfound"), "notfound");
}

TEST_F(ProfileStoreTest, writesThePlainIniLayoutIntoANewFolder)
{
    ASSERT_TRUE(store.Write("Template File", "FileName", "a.html"));
    EXPECT_EQ(FileText(), "[Template File]\nFileName=a.html\n");
}

TEST_F(ProfileStoreTest, valuesKeepTheirBytes)
{
    const QByteArray values[] = {"C:\\templates\\a.html", "",
                                 "  spaced name.html ",   "%20;\"q\"=x",
                                 "caf\xc3\xa9.html",      "\xff\xfe raw"};
    for (const QByteArray& value : values) {
        ASSERT_TRUE(store.Write("Template File", "FileName", value));
        EXPECT_EQ(store.Read("Template File", "FileName", "notfound"), value);
        EXPECT_TRUE(FileText().contains("\nFileName=" + value + "\n")) << FileText().toStdString();
    }
}

TEST_F(ProfileStoreTest, writeKeepsEveryOtherLine)
{
    SetFileText(
        "; comment\n[Other]\nFileName=other.html\n\n[Template File]\nKeep=1\nFileName=old.html\n"
        "After=2\n\n[Last]\nx=y\n");
    ASSERT_TRUE(store.Write("Template File", "FileName", "new.html"));
    EXPECT_EQ(FileText(),
              "; comment\n[Other]\nFileName=other.html\n\n[Template File]\nKeep=1\n"
              "FileName=new.html\nAfter=2\n\n[Last]\nx=y\n");

    SetFileText("[Template File]\nKeep=1\n\n[Last]\nx=y\n");
    ASSERT_TRUE(store.Write("Template File", "FileName", "added.html"));
    EXPECT_EQ(FileText(), "[Template File]\nKeep=1\nFileName=added.html\n\n[Last]\nx=y\n");

    SetFileText("[Last]\nx=y");
    ASSERT_TRUE(store.Write("Template File", "FileName", "b.html"));
    EXPECT_EQ(FileText(), "[Last]\nx=y\n[Template File]\nFileName=b.html\n");
}

TEST_F(ProfileStoreTest, namesMatchWithoutCaseAndCrLfFilesRead)
{
    SetFileText("[template file]\r\nfilename=x.html\r\n");
    EXPECT_EQ(store.Read("Template File", "FileName", "notfound"), "x.html");
}

TEST_F(ProfileStoreTest, refusesALineBreakAndKeepsTheFile)
{
    SetFileText("[Template File]\nFileName=keep.html\n");
    EXPECT_FALSE(store.Write("Template File", "FileName", "two\nlines"));
    EXPECT_EQ(FileText(), "[Template File]\nFileName=keep.html\n");
}

TEST(ProfileStoreDefault, followsXdgConfigHome)
{
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    QStandardPaths::setTestModeEnabled(false);
    qputenv("XDG_CONFIG_HOME", "/tmp/wendle-config-check");
    const QString path = ProfileStore::DefaultPath();
    QStandardPaths::setTestModeEnabled(true);
    if (saved.isNull())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", saved);
    EXPECT_EQ(path, QStringLiteral("/tmp/wendle-config-check/wendle.ini"));
}

// ---- File access

TEST(OutputFile, replacesTheFileOnlyOnCommit)
{
    Workspace ws;
    const QString path = ws.Write(QStringLiteral("out/page.html"), "earlier");
    {
        OutputFile file(path);
        file.Write("half");
        // Dropped without Commit(), as when a later step throws.
    }
    EXPECT_EQ(ws.Read(QStringLiteral("out/page.html")), "earlier");
    EXPECT_EQ(ws.Entries(QStringLiteral("out")), QStringList{QStringLiteral("page.html")});

    OutputFile file(path);
    file.Write("new ");
    file.Write("page");
    file.Commit();
    EXPECT_EQ(ws.Read(QStringLiteral("out/page.html")), "new page");
    EXPECT_EQ(ws.Entries(QStringLiteral("out")), QStringList{QStringLiteral("page.html")});
}

// ---- Field text

TEST(WindowText, textFieldRoundTripsBytes)
{
    QPlainTextEdit field;
    const QByteArray cases[] = {"A\r\nB",
                                "",
                                "\r\n\r\nlast\r\n",
                                "no\xc2\xa0"
                                "break\xc2\xa0space",
                                "caf\xc3\xa9 \xe2\x82\xac <b>&amp;</b>",
                                "tab\tstop"};
    for (const QByteArray& bytes : cases) {
        SetWindowText(field, bytes);
        EXPECT_EQ(GetWindowText(field), bytes) << bytes.toStdString();
    }
}

TEST(WindowText, settingStopsAtTheFirstNul)
{
    QPlainTextEdit text;
    QLineEdit title;
    const QByteArray bytes("before\0after", 12);
    SetWindowText(text, bytes);
    SetWindowText(title, bytes);
    EXPECT_EQ(GetWindowText(text), "before");
    EXPECT_EQ(GetWindowText(title), "before");
}

// ---- Layout

TEST(MapDialogRect, scalesAndRoundsToNearest)
{
    const DialogBaseUnits base{6, 13};
    EXPECT_EQ(MapDialogRect({321, 58, 50, 14}, base), QRect(482, 94, 75, 23));
    EXPECT_EQ(MapDialogRect({7, 7, 17, 8}, base), QRect(11, 11, 26, 13));
    EXPECT_EQ(MapDialogSize({378, 242}, DialogBaseUnits{7, 16}), QSize(662, 484));
}

TEST(IconPosition, centresAndTruncatesTowardZero)
{
    EXPECT_EQ(CWendleDlg::IconPosition({36, 36}, {32, 32}), QPoint(2, 2));
    EXPECT_EQ(CWendleDlg::IconPosition({0, 0}, {32, 32}), QPoint(-15, -15));
    EXPECT_EQ(CWendleDlg::IconPosition({37, 100}, {16, 16}), QPoint(11, 42));
}

}  // namespace
