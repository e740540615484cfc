#include "build/PageBuild.h"
#include "res/resource.h"
#include "services/Errors.h"
#include "tests/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QPlainTextEdit>

namespace {

const QByteArray kTemplate = "<title>%s</title><body>%s</body>";

// A window whose template, site/t.html, is stored in the profile.
class BuildCommand : public WindowTest {
protected:
    void SetUp() override { site = StartWithTemplateIn(QStringLiteral("site"), kTemplate); }

    QString site;
};

TEST_F(BuildCommand, promptsOnceThenBuildsToTheSameName)
{
    TypeTitle(QStringLiteral("Home"));
    TypeText(QStringLiteral("Hi"));
    prompt.Choose(site + QStringLiteral("/index.html"));
    Click(IDC_BUILD);
    ASSERT_EQ(prompt.requests().size(), 1u);
    EXPECT_EQ(prompt.requests()[0].kind, FilePrompt::Kind::Save);
    EXPECT_EQ(prompt.requests()[0].defaultExtension, QStringLiteral("html"));
    EXPECT_EQ(prompt.requests()[0].filter, QStringLiteral("HTML files(*.html)|*.html||"));
    EXPECT_EQ(prompt.requests()[0].owner, dlg.get());
    EXPECT_EQ(ws.Read(QStringLiteral("site/index.html")), "<title>Home</title><body>Hi</body>");
    EXPECT_EQ(dlg->OutputName(), "index.html");

    TypeTitle(QStringLiteral("!"));
    Click(IDC_BUILD);
    EXPECT_EQ(prompt.requests().size(), 1u);
    EXPECT_EQ(ws.Read(QStringLiteral("site/index.html")), "<title>Home!</title><body>Hi</body>");
    EXPECT_TRUE(messages.errors.isEmpty()) << messages.errors.join('\n').toStdString();
    EXPECT_EQ(ws.Entries(QStringLiteral("site")),
              (QStringList{QStringLiteral("index.html"), QStringLiteral("t.html")}));
}

TEST_F(BuildCommand, buildAsAlwaysPromptsAndKeepsTheNewName)
{
    prompt.Choose(site + QStringLiteral("/one.html"));
    Click(IDC_BUILD);
    prompt.Choose(site + QStringLiteral("/two.html"));
    Click(IDC_BUILDAS);
    EXPECT_EQ(prompt.requests().size(), 2u);
    EXPECT_EQ(dlg->OutputName(), "two.html");
    Click(IDC_BUILD);
    EXPECT_EQ(prompt.requests().size(), 2u);
    EXPECT_TRUE(ws.Exists(QStringLiteral("site/one.html")));
    EXPECT_EQ(ws.Read(QStringLiteral("site/two.html")), "<title></title><body></body>");
}

TEST_F(BuildCommand, fieldsReachThePageAsTyped)
{
    TypeTitle(QStringLiteral("caf\u00e9 <b>&amp;</b>"));
    TypeText(QStringLiteral("line 1\n<p>line\u00a02</p> & more"));
    prompt.Choose(site + QStringLiteral("/p.html"));
    Click(IDC_BUILD);
    EXPECT_EQ(ws.Read(QStringLiteral("site/p.html")),
              "<title>caf\xc3\xa9 <b>&amp;</b></title><body>line 1\r\n<p>line\xc2\xa0"
              "2</p> & more</body>");
}

TEST_F(BuildCommand, templateEndsAtItsFirstNul)
{
    ws.Write(QStringLiteral("site/t.html"), QByteArray("A%sB%sC\0tail %s", 15));
    TypeTitle(QStringLiteral("1"));
    prompt.Choose(site + QStringLiteral("/p.html"));
    Click(IDC_BUILD);
    EXPECT_EQ(ws.Read(QStringLiteral("site/p.html")), "A1BC");
}

TEST_F(BuildCommand, templateBytesThatAreNotUtf8PassThrough)
{
    ws.Write(QStringLiteral("site/t.html"), "\xff\xfe<%s>\x80\x81%s\xe9");
    TypeTitle(QStringLiteral("\u00e9"));
    prompt.Choose(site + QStringLiteral("/p.html"));
    Click(IDC_BUILD);
    EXPECT_EQ(ws.Read(QStringLiteral("site/p.html")), "\xff\xfe<\xc3\xa9>\x80\x81\xe9");
}

TEST_F(BuildCommand, cancelledPromptWritesNothingAndAsksAgain)
{
    prompt.Cancel();
    Click(IDC_BUILD);
    EXPECT_EQ(messages.errors, QStringList{QStringLiteral("No file was chosen.")});
    EXPECT_TRUE(dlg->OutputName().isEmpty());
    prompt.Choose(site + QStringLiteral("/p.html"));
    Click(IDC_BUILD);
    EXPECT_EQ(prompt.requests().size(), 2u);
    EXPECT_TRUE(ws.Exists(QStringLiteral("site/p.html")));
}

TEST_F(BuildCommand, templateIsLookedUpInThePagesFolder)
{
    const QString out = ws.MakeDir(QStringLiteral("out"));
    prompt.Choose(out + QStringLiteral("/p.html"));
    Click(IDC_BUILD);
    ASSERT_EQ(messages.errors.size(), 1);
    EXPECT_TRUE(
        messages.errors[0].startsWith(QStringLiteral("Cannot read file ") + out + "/t.html:\n"))
        << messages.errors[0].toStdString();
    EXPECT_FALSE(ws.Exists(QStringLiteral("out/p.html")));

    ws.Write(QStringLiteral("out/t.html"), "other %s %s");
    Click(IDC_BUILD);
    EXPECT_EQ(ws.Read(QStringLiteral("out/p.html")), "other  ");
}

TEST_F(BuildCommand, emptyTemplateNameAsksForATemplate)
{
    prompt.Cancel();
    Click(IDC_TEMPLATE);
    prompt.Choose(site + QStringLiteral("/p.html"));
    Click(IDC_BUILD);
    ASSERT_EQ(messages.errors.size(), 1);
    EXPECT_TRUE(messages.errors[0].contains(QStringLiteral("Template")))
        << messages.errors[0].toStdString();
    EXPECT_FALSE(ws.Exists(QStringLiteral("site/p.html")));
}

// ---- Failures never cost the earlier page

struct FailureCase {
    const char* name;
    QByteArray templateBytes;  // written over site/t.html
    bool removeTemplate;
    const char* messagePart;
};

void PrintTo(const FailureCase& c, std::ostream* os)
{
    *os << c.name;
}

class BuildFailure : public BuildCommand, public testing::WithParamInterface<FailureCase> { };

TEST_P(BuildFailure, keepsTheEarlierPageAndReports)
{
    const FailureCase& c = GetParam();
    prompt.Choose(site + QStringLiteral("/p.html"));
    Click(IDC_BUILD);
    const QByteArray earlier = ws.Read(QStringLiteral("site/p.html"));
    ASSERT_FALSE(earlier.isEmpty());

    if (c.removeTemplate)
        QFile::remove(ws.Path(QStringLiteral("site/t.html")));
    else
        ws.Write(QStringLiteral("site/t.html"), c.templateBytes);
    TypeTitle(QStringLiteral("changed"));
    Click(IDC_BUILD);

    ASSERT_EQ(messages.errors.size(), 1);
    EXPECT_TRUE(messages.errors[0].contains(QString::fromUtf8(c.messagePart)))
        << messages.errors[0].toStdString();
    EXPECT_EQ(ws.Read(QStringLiteral("site/p.html")), earlier);

    // The window carries on: with a good template the next click builds.
    ws.Write(QStringLiteral("site/t.html"), kTemplate);
    Click(IDC_BUILD);
    EXPECT_EQ(messages.errors.size(), 1);
    EXPECT_EQ(ws.Read(QStringLiteral("site/p.html")), "<title>changed</title><body></body>");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BuildFailure,
    testing::Values(FailureCase{"missingTemplate", {}, true, "Cannot read file"},
                    FailureCase{"noMarker", "<html></html>", false, "marker for the title"},
                    FailureCase{"oneMarker", "<html>%s</html>", false, "marker for the text"},
                    FailureCase{"markersOnlyAfterNul", QByteArray("<html>\0%s%s", 11), false,
                                "marker for the title"},
                    FailureCase{"emptyTemplate", "", false, "marker for the title"}),
    [](const testing::TestParamInfo<FailureCase>& info) { return std::string(info.param.name); });

TEST_F(BuildCommand, refusesToBuildOverItsOwnTemplate)
{
    ASSERT_TRUE(QFile::link(site + QStringLiteral("/t.html"), site + QStringLiteral("/link.html")));
    for (const QString& name : {QStringLiteral("t.html"), QStringLiteral("link.html")}) {
        messages.errors.clear();
        prompt.Choose(site + '/' + name);
        Click(IDC_BUILDAS);
        ASSERT_EQ(messages.errors.size(), 1) << name.toStdString();
        EXPECT_TRUE(messages.errors[0].contains(QStringLiteral("its own template")));
        EXPECT_EQ(ws.Read(QStringLiteral("site/t.html")), kTemplate);
    }
}

TEST_F(BuildCommand, pageStaysInTheFolderItWasChosenIn)
{
    const QString out = ws.MakeDir(QStringLiteral("out"));
    ws.Write(QStringLiteral("out/t.html"), "out %s %s");
    prompt.Choose(out + QStringLiteral("/p.html"));
    Click(IDC_BUILD);
    // A Template prompt moves the current directory to site/, where the template is then found.
    prompt.Choose(site + QStringLiteral("/t.html"));
    Click(IDC_TEMPLATE);
    TypeTitle(QStringLiteral("T"));
    Click(IDC_BUILD);
    EXPECT_TRUE(messages.errors.isEmpty()) << messages.errors.join('\n').toStdString();
    EXPECT_EQ(ws.Read(QStringLiteral("out/p.html")), "<title>T</title><body></body>");
    EXPECT_FALSE(ws.Exists(QStringLiteral("site/p.html")));
}

TEST(BuildPage, buildsALargeTemplate)
{
    Workspace ws;
    QByteArray big(16 << 20, 'x');
    big.replace(0, 2, "%s");
    big.replace(big.size() - 2, 2, "%s");
    const QString tpl = ws.Write(QStringLiteral("big.html"), big);
    BuildPage(tpl, ws.Path(QStringLiteral("page.html")), "T", "U");
    const QByteArray page = ws.Read(QStringLiteral("page.html"));
    ASSERT_EQ(page.size(), big.size() - 2);
    EXPECT_TRUE(page.startsWith("Txxx"));
    EXPECT_TRUE(page.endsWith("xxxU"));
}

}  // namespace
