#include "tests/TestSupport.h"

#include "res/resource.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/mount.h>
#include <sys/resource.h>

PromptResult ScriptedPrompt::Ask(Kind kind, const QString& defaultExtension, const QString& filter,
                                 QWidget* owner)
{
    m_requests.push_back({kind, defaultExtension, filter, owner});
    if (m_answers.empty()) {
        ADD_FAILURE() << "unexpected file prompt";
        return {};
    }
    const Answer answer = m_answers.front();
    m_answers.pop_front();
    if (!answer.path)
        return {};
    const PromptResult result = AcceptChosenFile(*answer.path);
    if (answer.afterChoice)
        answer.afterChoice();
    return result;
}

bool RecordingMessages::Confirm(QWidget*, const QString& question)
{
    questions << question;
    if (m_answers.empty())
        return false;
    const bool yes = m_answers.front();
    m_answers.pop_front();
    return yes;
}

Workspace::Workspace() : m_savedCurrent(QDir::currentPath())
{
    EXPECT_TRUE(m_dir.isValid());
}

Workspace::~Workspace()
{
    QDir::setCurrent(m_savedCurrent);
}

QString Workspace::Path(const QString& relative) const
{
    return m_dir.filePath(relative);
}

QString Workspace::Write(const QString& relative, const QByteArray& bytes) const
{
    const QString path = Path(relative);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    EXPECT_EQ(file.write(bytes), bytes.size());
    return path;
}

QByteArray Workspace::Read(const QString& relative) const
{
    QFile file(Path(relative));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << "cannot read " << relative.toStdString();
    return file.readAll();
}

bool Workspace::Exists(const QString& relative) const
{
    return QFileInfo::exists(Path(relative));
}

QString Workspace::MakeDir(const QString& relative) const
{
    const QString path = Path(relative);
    QDir().mkpath(path);
    return path;
}

QStringList Workspace::Entries(const QString& relativeFolder) const
{
    return QDir(Path(relativeFolder))
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                   QDir::Name);
}

WindowTest::WindowTest() : profile(ws.Path(QStringLiteral("config/wendle.ini"))) { }

CWendleDlg& WindowTest::Start()
{
    dlg = std::make_unique<CWendleDlg>(services);
    dlg->show();
    return *dlg;
}

void WindowTest::SetStoredTemplate(const QByteArray& name)
{
    ASSERT_TRUE(profile.Write("Template File", "FileName", name));
}

QString WindowTest::StartWithTemplateIn(const QString& folder, const QByteArray& bytes)
{
    const QString path = ws.MakeDir(folder);
    ws.Write(folder + QStringLiteral("/t.html"), bytes);
    SetStoredTemplate("t.html");
    Start();
    return path;
}

void WindowTest::Click(int id)
{
    auto* button = qobject_cast<QAbstractButton*>(dlg->GetDlgItem(id));
    ASSERT_NE(button, nullptr) << "no button " << id;
    QTest::mouseClick(button, Qt::LeftButton);
}

void WindowTest::TypeTitle(const QString& text)
{
    TypeInto(dlg->GetDlgItem(IDC_TITLE), text);
}

void WindowTest::TypeText(const QString& text)
{
    TypeInto(dlg->GetDlgItem(IDC_TEXT), text);
}

QByteArray WindowTest::ProfileFile() const
{
    QFile file(profile.path());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void TypeInto(QWidget* widget, const QString& text)
{
    widget->setFocus();
    for (const QChar c : text) {
        if (c == QLatin1Char('\n')) {
            QTest::keyClick(widget, Qt::Key_Return);
            continue;
        }
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QApplication::sendEvent(widget, &release);
    }
}

FileSizeLimit::FileSizeLimit(qint64 bytes)
{
    rlimit limit{};
    EXPECT_EQ(getrlimit(RLIMIT_FSIZE, &limit), 0);
    m_savedCurrent = static_cast<long long>(limit.rlim_cur);
    m_savedHandler = std::signal(SIGXFSZ, SIG_IGN);
    limit.rlim_cur = rlim_t(bytes);
    EXPECT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
}

FileSizeLimit::~FileSizeLimit()
{
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = rlim_t(m_savedCurrent);
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, m_savedHandler);
}

TmpfsMount::TmpfsMount(const QString& folder, qint64 sizeBytes)
    : m_folder(QFile::encodeName(folder)), m_size(sizeBytes)
{
    QDir().mkpath(folder);
    const QByteArray options = "size=" + QByteArray::number(sizeBytes);
    m_mounted = ::mount("tmpfs", m_folder.constData(), "tmpfs", 0, options.constData()) == 0;
    if (!m_mounted)
        m_error = QString::fromLocal8Bit(std::strerror(errno));
}

TmpfsMount::~TmpfsMount()
{
    if (m_mounted)
        ::umount2(m_folder.constData(), MNT_DETACH);
}

bool TmpfsMount::SetReadOnly(bool readOnly)
{
    const QByteArray options = "size=" + QByteArray::number(m_size);
    return ::mount("tmpfs", m_folder.constData(), "tmpfs", MS_REMOUNT | (readOnly ? MS_RDONLY : 0),
                   options.constData())
        == 0;
}
