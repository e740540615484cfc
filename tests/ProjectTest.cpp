#include "project/ProjectFile.h"
#include "res/resource.h"
#include "tests/TestSupport.h"

#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

const QByteArray kTemplate = "<h1>%s</h1>%s";

// The window with a template in work/, where projects and pages also live.
class ProjectCommand : public WindowTest {
protected:
    void SetUp() override
    {
        work = StartWithTemplateIn(QStringLiteral("work"), kTemplate);
        QDir::setCurrent(work);
    }

    QString Title() const { return qobject_cast<QLineEdit*>(dlg->GetDlgItem(IDC_TITLE))->text(); }
    QString Text() const
    {
        return qobject_cast<QPlainTextEdit*>(dlg->GetDlgItem(IDC_TEXT))->toPlainText();
    }
    void WriteProjectFile(const QString& relative, const ProjectContent& content)
    {
        ws.Write(relative, EncodeProject(content));
    }
    void OpenProject(const QString& relative)
    {
        prompt.Choose(ws.Path(relative));
        Click(IDC_OPEN);
    }

    QString work;
};

TEST_F(ProjectCommand, openFillsTheFieldsAndNames)
{
    WriteProjectFile(QStringLiteral("proj/a.wendle"), {"Caf\xc3\xa9", "one\r\ntwo", "a.html"});
    OpenProject(QStringLiteral("proj/a.wendle"));
    ASSERT_EQ(prompt.requests().size(), 1u);
    EXPECT_EQ(prompt.requests()[0].kind, FilePrompt::Kind::Open);
    EXPECT_EQ(prompt.requests()[0].defaultExtension, QStringLiteral("wendle"));
    EXPECT_EQ(prompt.requests()[0].filter, QStringLiteral("Wendle files(*.wendle)|*.wendle||"));
    EXPECT_EQ(Title(), QStringLiteral("Caf\u00e9"));
    EXPECT_EQ(Text(), QStringLiteral("one\ntwo"));
    EXPECT_EQ(dlg->ProjectName(), "a.wendle");
    EXPECT_EQ(dlg->OutputName(), "a.html");
    EXPECT_EQ(QDir::current(), QDir(ws.Path(QStringLiteral("proj"))));
    EXPECT_TRUE(messages.errors.isEmpty());
}

TEST_F(ProjectCommand, saveAfterOpenGivesTheSameBytes)
{
    const QByteArray original = EncodeProject({"T\xc3\xadtulo", "l1\r\n\r\nl3\xc2\xa0", "p.html"});
    ws.Write(QStringLiteral("work/a.wendle"), original);
    OpenProject(QStringLiteral("work/a.wendle"));
    Click(IDC_SAVE);
    EXPECT_EQ(ws.Read(QStringLiteral("work/a.wendle")), original);
    EXPECT_EQ(ws.Entries(QStringLiteral("work")),
              (QStringList{QStringLiteral("a.wendle"), QStringLiteral("t.html")}));
}

TEST_F(ProjectCommand, saveAsWritesTheFieldsAndThePageName)
{
    TypeTitle(QStringLiteral("Home"));
    TypeText(QStringLiteral("A\nB"));
    prompt.Choose(work + QStringLiteral("/index.html"));
    Click(IDC_BUILD);
    prompt.Choose(work + QStringLiteral("/site.wendle"));
    Click(IDC_SAVEAS);
    EXPECT_EQ(prompt.requests().back().kind, FilePrompt::Kind::Save);
    EXPECT_EQ(ws.Read(QStringLiteral("work/site.wendle")),
              EncodeProject({"Home", "A\r\nB", "index.html"}));
    EXPECT_EQ(dlg->ProjectName(), "site.wendle");

    TypeTitle(QStringLiteral("!"));
    Click(IDC_SAVE);
    EXPECT_EQ(ws.Read(QStringLiteral("work/site.wendle")),
              EncodeProject({"Home!", "A\r\nB", "index.html"}));
    EXPECT_EQ(prompt.requests().size(), 2u);
}

TEST_F(ProjectCommand, saveWithoutAProjectNameDoesNothing)
{
    TypeTitle(QStringLiteral("unsaved"));
    Click(IDC_SAVE);
    Click(IDC_NEW);
    Click(IDC_SAVE);
    EXPECT_TRUE(prompt.requests().empty());
    EXPECT_TRUE(messages.errors.isEmpty());
    EXPECT_EQ(ws.Entries(QStringLiteral("work")), QStringList{QStringLiteral("t.html")});
}

TEST_F(ProjectCommand, newKeepsThePageNameForTheNextBuild)
{
    WriteProjectFile(QStringLiteral("work/a.wendle"), {"Title", "Text", "page.html"});
    OpenProject(QStringLiteral("work/a.wendle"));
    Click(IDC_NEW);
    EXPECT_EQ(Title(), QString());
    EXPECT_EQ(Text(), QString());
    EXPECT_EQ(dlg->ProjectName(), "");
    EXPECT_EQ(dlg->OutputName(), "page.html");
    Click(IDC_BUILD);
    EXPECT_EQ(prompt.requests().size(), 1u);
    EXPECT_EQ(ws.Read(QStringLiteral("work/page.html")), "<h1></h1>");
}

TEST_F(ProjectCommand, projectWithoutAPageNameMakesBuildAsk)
{
    prompt.Choose(work + QStringLiteral("/old.html"));
    Click(IDC_BUILD);
    WriteProjectFile(QStringLiteral("work/a.wendle"), {"T", "X", ""});
    OpenProject(QStringLiteral("work/a.wendle"));
    EXPECT_EQ(dlg->OutputName(), "");
    prompt.Choose(work + QStringLiteral("/new.html"));
    Click(IDC_BUILD);
    EXPECT_EQ(prompt.requests().size(), 3u);
    EXPECT_EQ(ws.Read(QStringLiteral("work/new.html")), "<h1>T</h1>X");
}

// A cancelled prompt, a missing file, a damaged one: the window keeps all it had.
TEST_F(ProjectCommand, failedOpenKeepsEveryPieceOfState)
{
    WriteProjectFile(QStringLiteral("work/good.wendle"), {"Kept", "Kept text", "kept.html"});
    OpenProject(QStringLiteral("work/good.wendle"));
    ws.Write(QStringLiteral("other/bad.wendle"), QByteArray("\x05\0\0\0garbage", 11));
    ws.MakeDir(QStringLiteral("other/folder.wendle"));

    const std::optional<QString> attempts[] = {std::nullopt,
                                               ws.Path(QStringLiteral("other/bad.wendle")),
                                               ws.Path(QStringLiteral("other/missing.wendle")),
                                               ws.Path(QStringLiteral("other/folder.wendle"))};
    for (const auto& attempt : attempts) {
        if (attempt)
            prompt.Choose(*attempt);
        else
            prompt.Cancel();
        Click(IDC_OPEN);
        EXPECT_EQ(Title(), QStringLiteral("Kept"));
        EXPECT_EQ(Text(), QStringLiteral("Kept text"));
        EXPECT_EQ(dlg->ProjectName(), "good.wendle");
        EXPECT_EQ(dlg->OutputName(), "kept.html");
    }
    ASSERT_EQ(messages.errors.size(), 4);
    EXPECT_EQ(messages.errors[0], QStringLiteral("No file was chosen."));
    EXPECT_TRUE(
        messages.errors[1].contains(QStringLiteral("bad.wendle:\nIt is not a Wendle project")));
    EXPECT_TRUE(messages.errors[2].contains(QStringLiteral("missing.wendle")));

    // Save still goes to the project that was read, not to the damaged file.
    Click(IDC_SAVE);
    EXPECT_EQ(ws.Read(QStringLiteral("other/bad.wendle")), QByteArray("\x05\0\0\0garbage", 11));
    EXPECT_EQ(DecodeProject(ws.Read(QStringLiteral("work/good.wendle")))->title, "Kept");
}

TEST_F(ProjectCommand, cancelledSaveAsChangesNothing)
{
    WriteProjectFile(QStringLiteral("work/a.wendle"), {"T", "X", "p.html"});
    OpenProject(QStringLiteral("work/a.wendle"));
    prompt.Cancel();
    Click(IDC_SAVEAS);
    EXPECT_EQ(messages.errors, QStringList{QStringLiteral("No file was chosen.")});
    EXPECT_EQ(dlg->ProjectName(), "a.wendle");
    EXPECT_EQ(ws.Entries(QStringLiteral("work")),
              (QStringList{QStringLiteral("a.wendle"), QStringLiteral("t.html")}));
}

TEST_F(ProjectCommand, saveAndBuildStayInTheProjectsFolderAfterAnotherPrompt)
{
    WriteProjectFile(QStringLiteral("proj/a.wendle"), {"T", "X", "p.html"});
    OpenProject(QStringLiteral("proj/a.wendle"));
    // The Template prompt moves the current directory to work/, where the template lies.
    prompt.Choose(work + QStringLiteral("/t.html"));
    Click(IDC_TEMPLATE);
    TypeTitle(QStringLiteral("2"));
    Click(IDC_SAVE);
    Click(IDC_BUILD);
    EXPECT_TRUE(messages.errors.isEmpty()) << messages.errors.join('\n').toStdString();
    EXPECT_EQ(DecodeProject(ws.Read(QStringLiteral("proj/a.wendle")))->title, "T2");
    EXPECT_EQ(ws.Read(QStringLiteral("proj/p.html")), "<h1>T2</h1>X");
    EXPECT_EQ(ws.Entries(QStringLiteral("work")), QStringList{QStringLiteral("t.html")});
}

TEST_F(ProjectCommand, pageNameWithAFolderIsBuiltOnlyWhenConfirmed)
{
    const QString elsewhere = ws.Path(QStringLiteral("elsewhere/page.html"));
    ws.MakeDir(QStringLiteral("elsewhere"));
    const struct {
        QByteArray name;
        QString path;
    } cases[] = {
        {elsewhere.toUtf8(), elsewhere},
        {"../elsewhere/page.html", elsewhere},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        QFile::remove(c.path);
        messages.questions.clear();
        WriteProjectFile(QStringLiteral("work/a.wendle"), {"T", "X", c.name});
        OpenProject(QStringLiteral("work/a.wendle"));

        messages.AnswerNext(false);
        Click(IDC_BUILD);
        ASSERT_EQ(messages.questions.size(), 1);
        EXPECT_TRUE(messages.questions[0].contains(c.path)) << messages.questions[0].toStdString();
        EXPECT_FALSE(QFile::exists(c.path));

        messages.AnswerNext(true);
        Click(IDC_BUILD);
        EXPECT_EQ(ws.Read(QStringLiteral("elsewhere/page.html")), "<h1>T</h1>X");
    }
    // A bare name asks nothing.
    WriteProjectFile(QStringLiteral("work/a.wendle"), {"T", "X", "page.html"});
    OpenProject(QStringLiteral("work/a.wendle"));
    messages.questions.clear();
    Click(IDC_BUILD);
    EXPECT_TRUE(messages.questions.isEmpty());
    EXPECT_TRUE(ws.Exists(QStringLiteral("work/page.html")));
    EXPECT_TRUE(messages.errors.isEmpty()) << messages.errors.join('\n').toStdString();
}

TEST_F(ProjectCommand, windows1252TextIsShownAndSavedAsUtf8)
{
    WriteProjectFile(QStringLiteral("work/a.wendle"),
                     {"Caf\xe9", "\x93quoted\x94 \x80 5", "p.html"});
    OpenProject(QStringLiteral("work/a.wendle"));
    EXPECT_EQ(Title(), QStringLiteral("Caf\u00e9"));
    EXPECT_EQ(Text(), QStringLiteral("\u201cquoted\u201d \u20ac 5"));
    Click(IDC_SAVE);
    EXPECT_EQ(
        ws.Read(QStringLiteral("work/a.wendle")),
        EncodeProject({"Caf\xc3\xa9", "\xe2\x80\x9cquoted\xe2\x80\x9d \xe2\x82\xac 5", "p.html"}));
}

TEST_F(ProjectCommand, fieldsOfSeveralMegabytesSurviveBuildSaveAndOpen)
{
    QByteArray text;
    while (text.size() < 4 << 20)
        text += QByteArray(98, 'a' + char(text.size() % 26)) + "\r\n";
    const QByteArray title = QByteArray(1 << 20, 't') + "%s";
    WriteProjectFile(QStringLiteral("work/big.wendle"), {title, text, "big.html"});
    OpenProject(QStringLiteral("work/big.wendle"));
    EXPECT_EQ(Title().size(), title.size());

    Click(IDC_BUILD);
    // The title's own "%s" takes the text; the template's second marker stays.
    EXPECT_TRUE(ws.Read(QStringLiteral("work/big.html"))
                == "<h1>" + title.chopped(2) + text + "</h1>%s");
    prompt.Choose(work + QStringLiteral("/copy.wendle"));
    Click(IDC_SAVEAS);
    EXPECT_TRUE(ws.Read(QStringLiteral("work/copy.wendle"))
                == ws.Read(QStringLiteral("work/big.wendle")));
    EXPECT_TRUE(messages.errors.isEmpty()) << messages.errors.join('\n').toStdString();
}

}  // namespace
