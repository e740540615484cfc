// Failing disks and a changing file system, met by the real window: the earlier page or
// project survives byte for byte, no temporary file is left behind, the message names the
// file and the reason, and the next click works.
#include "project/ProjectFile.h"
#include "res/resource.h"
#include "tests/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QPlainTextEdit>

#include <unistd.h>

namespace {

enum class Command { Build, Save, SaveAs };
enum class Fault {
    SizeLimitCutsALargeWrite,
    SizeLimitFailsTheFinalFlush,
    DiskFull,
    ReadOnlyFolder
};

const char* Name(Command c)
{
    switch (c) {
    case Command::Build:
        return "Build";
    case Command::Save:
        return "Save";
    case Command::SaveAs:
        return "SaveAs";
    }
    return "";
}

const char* Name(Fault f)
{
    switch (f) {
    case Fault::SizeLimitCutsALargeWrite:
        return "sizeLimitCutsALargeWrite";
    case Fault::SizeLimitFailsTheFinalFlush:
        return "sizeLimitFailsTheFinalFlush";
    case Fault::DiskFull:
        return "diskFull";
    case Fault::ReadOnlyFolder:
        return "readOnlyFolder";
    }
    return "";
}

void PrintTo(Command c, std::ostream* os)
{
    *os << Name(c);
}
void PrintTo(Fault f, std::ostream* os)
{
    *os << Name(f);
}

class WriteFault : public WindowTest,
                   public testing::WithParamInterface<std::tuple<Command, Fault>> {
protected:
    void SetUp() override
    {
        std::tie(command, fault) = GetParam();
        target = ws.MakeDir(QStringLiteral("target"));
        if (fault == Fault::DiskFull || fault == Fault::ReadOnlyFolder) {
            mount.emplace(target, 256 * 1024);
            if (!mount->mounted())
                GTEST_SKIP() << "mounting a tmpfs needs root: " << mount->error().toStdString();
        }
        StartWithTemplateIn(QStringLiteral("target"), "<h1>%s</h1>%s");
        fileName =
            command == Command::Build ? QStringLiteral("p.html") : QStringLiteral("a.wendle");
        TypeTitle(QStringLiteral("earlier"));
        prompt.Choose(target + '/' + fileName);
        Click(command == Command::Build ? IDC_BUILD : IDC_SAVEAS);
        ASSERT_TRUE(messages.errors.isEmpty()) << messages.errors.join('\n').toStdString();
        earlier = ws.Read(QStringLiteral("target/") + fileName);
        entries = ws.Entries(QStringLiteral("target"));
    }

    void SetText(qsizetype size)
    {
        qobject_cast<QPlainTextEdit*>(dlg->GetDlgItem(IDC_TEXT))->setPlainText(QString(size, 'x'));
    }

    void RunCommand()
    {
        if (command == Command::SaveAs)
            prompt.Choose(target + '/' + fileName);
        Click(command == Command::Build      ? IDC_BUILD
                  : command == Command::Save ? IDC_SAVE
                                             : IDC_SAVEAS);
    }

    Command command{};
    Fault fault{};
    QString target;
    QString fileName;
    QByteArray earlier;
    QStringList entries;
    std::optional<TmpfsMount> mount;
};

TEST_P(WriteFault, keepsTheEarlierFileAndTheNextClickWorks)
{
    switch (fault) {
    case Fault::SizeLimitCutsALargeWrite: {
        SetText(64 * 1024);
        const FileSizeLimit limit(4096);
        RunCommand();
        break;
    }
    case Fault::SizeLimitFailsTheFinalFlush: {
        // Small enough to sit in the file's buffer until the commit flushes it.
        SetText(2000);
        const FileSizeLimit limit(1024);
        RunCommand();
        break;
    }
    case Fault::DiskFull:
        SetText(512 * 1024);
        RunCommand();
        break;
    case Fault::ReadOnlyFolder:
        ASSERT_TRUE(mount->SetReadOnly(true));
        SetText(10);
        RunCommand();
        ASSERT_TRUE(mount->SetReadOnly(false));
        break;
    }

    ASSERT_EQ(messages.errors.size(), 1);
    const QString prefix = QStringLiteral("Cannot write file %1/%2:\n").arg(target, fileName);
    EXPECT_TRUE(messages.errors[0].startsWith(prefix)) << messages.errors[0].toStdString();
    EXPECT_GT(messages.errors[0].size(), prefix.size() + 3) << "no reason given";
    EXPECT_EQ(ws.Read(QStringLiteral("target/") + fileName), earlier);
    EXPECT_EQ(ws.Entries(QStringLiteral("target")), entries);

    SetText(5);
    RunCommand();
    EXPECT_EQ(messages.errors.size(), 1) << messages.errors.join('\n').toStdString();
    const QByteArray now = ws.Read(QStringLiteral("target/") + fileName);
    if (command == Command::Build)
        EXPECT_EQ(now, "<h1>earlier</h1>xxxxx");
    else
        EXPECT_EQ(DecodeProject(now), (ProjectContent{"earlier", "xxxxx", ""}));
}

INSTANTIATE_TEST_SUITE_P(Cases, WriteFault,
                         testing::Combine(testing::Values(Command::Build, Command::Save,
                                                          Command::SaveAs),
                                          testing::Values(Fault::SizeLimitCutsALargeWrite,
                                                          Fault::SizeLimitFailsTheFinalFlush,
                                                          Fault::DiskFull, Fault::ReadOnlyFolder)),
                         [](const auto& info) {
                             return std::string(Name(std::get<0>(info.param))) + "_"
                                 + Name(std::get<1>(info.param));
                         });

// ---- Files and folders that are not what the command expects

class FileSystemFault : public WindowTest {
protected:
    void SetUp() override { site = StartWithTemplateIn(QStringLiteral("site"), "<h1>%s</h1>%s"); }

    QString LastError() const
    {
        return messages.errors.isEmpty() ? QString() : messages.errors.last();
    }

    QString site;
};

TEST_F(FileSystemFault, unreadableTemplateKeepsTheEarlierPage)
{
    prompt.Choose(site + QStringLiteral("/p.html"));
    Click(IDC_BUILD);
    const QByteArray earlier = ws.Read(QStringLiteral("site/p.html"));

    // A link to itself cannot be read even by root, for whom permissions mean nothing.
    QFile::remove(site + QStringLiteral("/t.html"));
    ASSERT_EQ(::symlink("t.html", QFile::encodeName(site + QStringLiteral("/t.html")).constData()),
              0);
    TypeTitle(QStringLiteral("new"));
    Click(IDC_BUILD);
    EXPECT_TRUE(LastError().startsWith(QStringLiteral("Cannot read file %1/t.html:\n").arg(site)))
        << LastError().toStdString();
    EXPECT_EQ(ws.Read(QStringLiteral("site/p.html")), earlier);

    if (::geteuid() != 0) {
        QFile::remove(site + QStringLiteral("/t.html"));
        ws.Write(QStringLiteral("site/t.html"), "%s%s");
        QFile::setPermissions(site + QStringLiteral("/t.html"), QFileDevice::Permissions());
        Click(IDC_BUILD);
        EXPECT_EQ(messages.errors.size(), 2);
        EXPECT_EQ(ws.Read(QStringLiteral("site/p.html")), earlier);
    }
}

TEST_F(FileSystemFault, folderWhereAFileIsExpected)
{
    ws.MakeDir(QStringLiteral("site/page.html"));
    ws.MakeDir(QStringLiteral("site/proj.wendle"));

    prompt.Choose(site + QStringLiteral("/page.html"));
    Click(IDC_BUILD);
    EXPECT_TRUE(
        LastError().startsWith(QStringLiteral("Cannot write file %1/page.html:\n").arg(site)))
        << LastError().toStdString();

    prompt.Choose(site + QStringLiteral("/proj.wendle"));
    Click(IDC_SAVEAS);
    EXPECT_TRUE(
        LastError().startsWith(QStringLiteral("Cannot write file %1/proj.wendle:\n").arg(site)))
        << LastError().toStdString();
    EXPECT_EQ(dlg->ProjectName(), "");

    ws.MakeDir(QStringLiteral("other/t.html"));
    prompt.Choose(ws.Path(QStringLiteral("other/p.html")));
    Click(IDC_BUILDAS);
    EXPECT_TRUE(LastError().contains(QStringLiteral("folder"))) << LastError().toStdString();

    EXPECT_EQ(messages.errors.size(), 3);
    EXPECT_TRUE(QFileInfo(site + QStringLiteral("/page.html")).isDir());
    EXPECT_EQ(ws.Entries(QStringLiteral("other")), QStringList{QStringLiteral("t.html")});
}

TEST_F(FileSystemFault, fileOrFolderRemovedBetweenThePromptAndTheOpen)
{
    const QString gone = ws.MakeDir(QStringLiteral("gone"));
    ws.Write(QStringLiteral("gone/a.wendle"), EncodeProject({"T", "X", "p.html"}));
    const auto removeFolder = [gone] {
        QDir(gone).removeRecursively();
    };

    // Open: the project vanishes after it was chosen; the window keeps what it had.
    TypeTitle(QStringLiteral("kept"));
    prompt.ChooseThen(gone + QStringLiteral("/a.wendle"), removeFolder);
    Click(IDC_OPEN);
    EXPECT_TRUE(LastError().startsWith(QStringLiteral("Cannot read file %1/a.wendle:\n").arg(gone)))
        << LastError().toStdString();
    EXPECT_EQ(dlg->ProjectName(), "");

    // Save As: the chosen folder vanishes.
    QDir().mkpath(gone);
    prompt.ChooseThen(gone + QStringLiteral("/b.wendle"), removeFolder);
    Click(IDC_SAVEAS);
    EXPECT_TRUE(
        LastError().startsWith(QStringLiteral("Cannot write file %1/b.wendle:\n").arg(gone)))
        << LastError().toStdString();

    // Build: the page's folder vanishes, and with it the template looked up there.
    QDir().mkpath(gone);
    ws.Write(QStringLiteral("gone/t.html"), "%s%s");
    prompt.ChooseThen(gone + QStringLiteral("/p.html"), removeFolder);
    Click(IDC_BUILD);
    EXPECT_EQ(LastError(), QStringLiteral("Cannot read file t.html:\nNo such file or directory."));
    EXPECT_EQ(messages.errors.size(), 3);

    // Save: the project's folder vanishes after Save As.
    QDir().mkpath(gone);
    prompt.Choose(gone + QStringLiteral("/c.wendle"));
    Click(IDC_SAVEAS);
    removeFolder();
    Click(IDC_SAVE);
    EXPECT_TRUE(
        LastError().startsWith(QStringLiteral("Cannot write file %1/c.wendle:\n").arg(gone)))
        << LastError().toStdString();
    EXPECT_EQ(messages.errors.size(), 4);

    // The window carries on.
    QDir().mkpath(gone);
    Click(IDC_SAVE);
    EXPECT_EQ(messages.errors.size(), 4);
    EXPECT_EQ(DecodeProject(ws.Read(QStringLiteral("gone/c.wendle")))->title, "kept");
}

}  // namespace
