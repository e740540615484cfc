// The real main window, offscreen, driven by scripts of steps: what a user types, chooses and
// clicks, and the files, names and messages that must follow. The fixture stands in for the
// file prompt (its answers come from the script and move the current directory as the real
// prompt does) and for the message boxes (each message is logged; the script checks them all).
// Each test has its own folder, "@" in a step: it holds t.html ("<h1>%s</h1>%s"), the template
// the profile names, and is the current directory when the test starts.
#include "app/Finder.h"
#include "app/SpellChecker.h"
#include "app/WendleDlg.h"
#include "build/BatchBuild.h"
#include "build/PageBuild.h"
#include "project/ProjectFile.h"
#include "project/Recovery.h"
#include "res/DialogTemplate.h"
#include "res/resource.h"
#include "services/FileAccess.h"
#include "services/WindowText.h"

#include <QDesktopServices>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProcess>
#include <QProxyStyle>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSemaphore>
#include <QShortcut>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QThreadPool>
#include <QTimer>

#include <gmock/gmock.h>

#include <csignal>
#include <random>
#include <set>

#include <arpa/inet.h>
#include <grp.h>
#include <poll.h>
#include <pwd.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace std::string_literals;
using testing::HasSubstr;

namespace {

// AddressSanitizer reserves terabytes of address space, which no limit on memory leaves room for.
#ifdef __SANITIZE_ADDRESS__
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << "cannot read " << qPrintable(path);
    return file.readAll();
}

// Every entry of a folder, hidden ones (Wendle's temporary files) included.
QStringList Entries(const QString& path)
{
    return QDir(path).entryList(QDir::AllEntries | QDir::Hidden | QDir::System);
}

unsigned Mode(const QString& path)
{
    struct stat status { };
    return ::stat(QFile::encodeName(path).constData(), &status) ? 0 : status.st_mode & 07777;
}

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

// The user's browser, as F12 reaches it: each address it is asked to open is logged.
class Browser : public QObject {
    Q_OBJECT
public:
    QStringList* log = nullptr;
    QUrl last;
public slots:
    void Open(const QUrl& url) { *log << "open: " + url.toString(), last = url; }
};

// A request to the preview server at `url` (127.0.0.1), as a tab sends it; reads are bounded.
int Request(const QUrl& url, const QByteArray& path)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{AF_INET, htons(quint16(url.port())), {htonl(INADDR_LOOPBACK)}, {}};
    const timeval limit{5, 0};
    ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
    const QByteArray request = "GET " + path + " HTTP/1.0\r\nHost: 127.0.0.1:"
        + QByteArray::number(url.port()) + "\r\nAccept: text/event-stream\r\n\r\n";
    EXPECT_EQ(::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    EXPECT_EQ(::send(fd, request.constData(), size_t(request.size()), MSG_NOSIGNAL),
              request.size());
    return fd;
}

// What comes until `marker` does, or the end, or 5 s without a byte.
QByteArray ReadUntil(int fd, const QByteArray& marker)
{
    char buffer[4096];
    QByteArray got;
    for (ssize_t n; !got.contains(marker) && (n = ::recv(fd, buffer, sizeof buffer, 0)) > 0;)
        got.append(buffer, n);
    return got;
}

class WindowTest : public testing::Test, private FilePrompt, private Messages {
protected:
    WindowTest()
    {
        WriteFile(root.filePath("t.html"), "<h1>%s</h1>%s");
        WriteFile(profile.path(), "[Template File]\nFileName=t.html\n");
        QDir::setCurrent(root.path());
        qputenv("XDG_STATE_HOME", QFile::encodeName(config.filePath("state")));
        qputenv("ENCHANT_CONFIG_DIR", QFile::encodeName(config.filePath("enchant")));
        browser.log = &log;
        QDesktopServices::setUrlHandler(QStringLiteral("http"), &browser, "Open");
    }

    ~WindowTest() override
    {
        EXPECT_TRUE(log.isEmpty()) << "messages not checked:\n" << qPrintable(log.join('\n'));
        EXPECT_TRUE(answers.isEmpty() && replies.isEmpty()) << "answers left over";
        window.reset();
        other.reset();
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
        for (const auto& tab : tabs)
            ::close(tab.second);
        User("root");
        if (!mountPoint.isEmpty())
            ::umount2(mountPoint.constData(), MNT_DETACH);
        QDir::setCurrent(savedCurrent);
    }

    CWendleDlg& Dlg()
    {
        if (!window) {
            window = std::make_unique<CWendleDlg>(services);
            window->show();
            QApplication::setActiveWindow(window.get());
            EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        }
        return *window;
    }

    void Run(const std::vector<std::string>& steps)
    {
        for (const std::string& step : steps) {
            SCOPED_TRACE(step);
            if (!step.empty())
                Step(QByteArray::fromStdString(step).replace('@', root.path().toUtf8()));
            if (HasFatalFailure() || IsSkipped())
                return;
        }
    }

private:
    PromptResult Ask(Kind kind, const QString& extension, const QString& filter,
                     const QString& title, QWidget* owner) override
    {
        lastPrompt = QStringLiteral("%1 %2 %3 %4%5")
                         .arg(kind == Kind::Open ? "Open" : "Save", extension, filter,
                              owner && owner == window.get() ? "window" : "none",
                              title.isEmpty() ? QString() : ": " + title);
        EXPECT_FALSE(answers.isEmpty()) << "unexpected prompt " << qPrintable(lastPrompt);
        const QByteArray answer = answers.isEmpty() ? "-" : answers.takeFirst();
        return answer == "-" ? PromptResult() : AcceptChosenFile(Path(answer));
    }

    void ReportError(QWidget*, const QString& text) override { log << "error: " + text; }
    void Inform(QWidget*, const QString& text) override { log << "info: " + text; }
    bool Confirm(QWidget*, const QString& question) override
    {
        const QByteArray reply = Reply(question);  // "yes STEP": the step is taken meanwhile
        return reply.startsWith("yes ") ? (Step(reply.mid(4)), true) : reply == "yes";
    }
    SaveAnswer AskToSave(QWidget*, const QString& question) override
    {
        const qsizetype answer = QByteArrayList{"save", "discard"}.indexOf(Reply(question));
        return answer < 0 ? SaveAnswer::Cancel : SaveAnswer(answer);
    }
    bool ConfirmSave(QWidget*, const QString& question) override
    {
        const QByteArray reply = Reply(question);  // "save STEP": the step is taken meanwhile
        return reply.startsWith("save ") ? (Step(reply.mid(5)), true) : reply == "save";
    }
    RestoreAnswer AskToRestore(QWidget*, const QString& question) override
    {
        const qsizetype answer = QByteArrayList{"restore", "discard"}.indexOf(Reply(question));
        return answer < 0 ? RestoreAnswer::Later : RestoreAnswer(answer);
    }

    QByteArray Reply(const QString& question)
    {
        log << "ask: " + question;
        EXPECT_FALSE(replies.isEmpty()) << "unexpected question";
        return replies.isEmpty() ? QByteArray() : replies.takeFirst();
    }

    QString Path(const QByteArray& name) const
    {
        // "state/": the recovery copies' folder is config/state/wendle/recovery; "enchant/" the
        // spelling's own, with the personal word lists.
        return name == "profile" ? profile.path()
            : name.startsWith("state/") || name.startsWith("enchant/")
            ? config.filePath(QString::fromUtf8(name))
            : root.filePath(QString::fromUtf8(name));
    }

    // "verb argument". Most arguments are a path in the test's folder ("profile" for the
    // profile) and then bytes, or "title|text|page name" for a project.
    void Step(const QByteArray& step)
    {
        const QByteArray verb = step.split(' ').constFirst();
        const QByteArray arg = step.mid(verb.size() + 1);
        const QByteArray name = arg.split(' ').constFirst();
        const QString path = Path(name);
        const QByteArray rest = arg.mid(name.size() + 1);
        const QList<QByteArray> parts = rest.split('|');
        const QByteArray project = EncodeProject(Project(parts));
        const QByteArrayList ids{"title",    "text", "SaveAs", "Build",   "Open",
                                 "Template", "New",  "Save",   "BuildAs", "Markdown"};
        const auto control = [&](const QByteArray& id) {
            EXPECT_TRUE(ids.contains(id)) << "no control " << id.constData();
            return Dlg().GetDlgItem(IDC_TITLE + int(ids.indexOf(id)));
        };
        // The window's state, for the checks of a window that has started.
        const QString fields = !window
            ? QString()
            : window->findChild<QLineEdit*>()->text() + '|' + Text()->toPlainText();
        const QByteArray names = !window
            ? QByteArray()
            : window->TemplateName() + '|' + window->ProjectName() + '|' + window->OutputName();
        const std::map<QByteArray, std::function<void()>> steps{
            // The world outside the window.
            {"put", [&] { WriteFile(path, rest); }},
            {"proj", [&] { WriteFile(path, project); }},
            {"mkdir", [&] { QDir().mkpath(path); }},
            {"fifo", [&] { EXPECT_EQ(::mkfifo(QFile::encodeName(path), 0666), 0); }},
            {"rm", [&] { QFile::remove(path) || QDir(path).removeRecursively(); }},
            {"link", [&] { EXPECT_TRUE(QFile::link(QString::fromUtf8(rest), path)); }},
            {"hardlink",
             [&] { EXPECT_EQ(::link(QFile::encodeName(Path(rest)), QFile::encodeName(path)), 0); }},
            {"chmod",
             [&] { EXPECT_EQ(::chmod(QFile::encodeName(path), rest.toUInt(nullptr, 8)), 0); }},
            {"give",
             [&] {
                 EXPECT_EQ(::chown(QFile::encodeName(path), ::getpwnam("nobody")->pw_uid, -1), 0);
             }},
            // nobody: what follows runs as an unprivileged user, until "user root".
            {"user", [&] { User(arg); }},
            {"mount", [&] { Mount(path, 0); }},  // a disk of 256 KiB, to fill up
            {"readonly", [&] { Mount(path, MS_REMOUNT | (rest == "1" ? MS_RDONLY : 0)); }},
            // The user. An answer to a file prompt is a path, or "-" to cancel.
            {"start", [&] { Start(arg); }},  // a new window; arg answers a first-run prompt
            {"title", [&] { Type(control(verb), arg); }},
            {"text", [&] { Type(control(verb), arg); }},
            {"fill",  // so many characters, of these lines or else of x
             [&] {
                 const QString line = rest.isEmpty() ? "x" : QString::fromUtf8(rest);
                 Text()->setPlainText(line.repeated(name.toInt() / line.size()));
             }},
            {"key",
             [&] {
                 const QKeyCombination key = QKeySequence(arg)[0];
                 QTest::keyClick(Focused(), key.key(), key.keyboardModifiers());
             }},
            {"type", [&] { Type(Focused(), arg); }},
            // The text field's context menu, from Shift+F10 at the text cursor: its entries are
            // logged ("menu: a|~greyed|-|..."), and the one named, if any, is chosen.
            {"menu",
             [&] {
                 QTimer::singleShot(0, [&] {
                     auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
                     QStringList entries;
                     QAction* chosen = nullptr;
                     for (QAction* action : menu ? menu->actions() : QList<QAction*>()) {
                         entries << (action->isSeparator()
                                         ? "-"
                                         : (action->isEnabled() ? "" : "~") + action->text());
                         chosen = action->text() == arg ? action : chosen;
                     }
                     log << "menu: " + entries.join('|');
                     if (menu)
                         menu->close();
                     if (chosen)
                         chosen->trigger();
                 });
                 QTest::keyClick(Text(), Qt::Key_F10, Qt::ShiftModifier);
             }},
            // A dictionary of these words, where Enchant finds the user's own Hunspell ones.
            {"dict",
             [&] {
                 const QString stem = config.filePath("enchant/hunspell/" + name);
                 WriteFile(stem + ".aff", "SET UTF-8\nTRY esianrtolcdugmphbyfvkwz\n");
                 WriteFile(stem + ".dic",
                           QByteArray::number(rest.count(' ') + 1) + '\n'
                               + QByteArray(rest).replace(' ', '\n') + '\n');
             }},
            {"reply", [&] { replies << arg; }},  // yes, no; save, discard, cancel
            {"choose", [&] { answers << arg; }},  // the answer to a prompt that no click opens
            {"close", [&] { Dlg().close(); }},
            {"drop", [&] { EXPECT_TRUE(Drag(arg)); }},  // files from a file manager, on the text
            {"nodrop", [&] { EXPECT_FALSE(Drag(arg)); }},
            {"swap", [&] { std::swap(window, other); }},  // to a second window, or back
            {"open", [&] { Dlg().OpenFromCommandLine(ArgumentText(arg)); }},  // wendle FILE
            {"cd", [&] { QDir::setCurrent(path); }},  // the test's current folder
            {"run", [&] { Launch(arg); }},  // the program with these arguments, and no display
            {"feed", [&] { input = arg; }},  // the next run's standard input
            // Run through bash: | head -c 0, > /dev/full, and as a daemon starts it.
            {"runshut", [&] { Launch(arg, Shell("| head -c 0")); }},
            {"runfull", [&] { Launch(arg, Shell(">/dev/full")); }},
            {"runclosed", [&] { Launch(arg, Shell("<&- >&- 2>&-")); }},
            {"runappend", [&] { Launch(arg, Shell(">> t.html")); }},
            {"runempty", [&] { Launch(arg, Shell("''")); }},  // and an empty argument
            {"runlatin", [&] { Launch(arg, Shell(R"x(--title "$(printf 'T\351')")x")); }},
            // A bash script, "$1" the program: bytes as $'\xe9', pipes, limits, another argv[0].
            {"sh",
             [&] {
                 Launch({}, {"bash", "-c", QString::fromUtf8(arg), "-"});
             }},
            // In a current folder that was removed, as root or as nobody (by setpriv: bash
            // would undo the fixture's user); status 99 when anything new appeared in "/".
            {"rungone",
             [&] {
                 if (name == "nobody" && ::geteuid() != 0)
                     GTEST_SKIP() << "only root can act as another user";
                 Launch(rest,
                        QStringList{"bash", "-c", kGone, "-"}
                            + (name == "nobody" ? kNobody : QStringList()));
             }},
            {"nosanitizer",  // for a limit on memory
             [&] {
                 if (kSanitized)
                     GTEST_SKIP() << "AddressSanitizer reserves more address space than the limit";
             }},
            {"traced",
             [&] { Launch(arg, kTrace + QStringList{root.filePath("trace")}); }},  // run, in strace
            {"trace", [&] { Trace(); }},  // this process's writes from now on, until "durable"
            {"durable", [&] { Durable(arg.toInt()); }},  // so many renames, each made durable
            // The program left running (--watch): started, waited for, stopped with SIGTERM.
            {"watch", [&] { Launch(arg, {}, &watcher); }},
            {"waitfor",
             [&] {
                 Until([&] {
                     return QFileInfo(path).size() == rest.size() && ReadFile(path) == rest;
                 });
             }},
            {"waitout", [&] { Until([&] { return watcher.peek(1 << 20).contains(arg); }); }},
            {"stop", [&] { watcher.terminate(), Finish(watcher, "watch"); }},
            {"replace",
             [&] {  // as most editors save: a new file renamed over the old one
                 WriteFile(path + ".new", rest);
                 EXPECT_EQ(::rename(QFile::encodeName(path + ".new"), QFile::encodeName(path)), 0);
             }},
            {"limit", [&] { sizeLimit = arg.toLongLong(); }},  // the next click's largest file
            // Recovery copies: offered as at a start; the one copy waited for; none.
            {"offer", [&] { Dlg().OfferRecoveredWork(); }},
            {"copy",
             [&] {
                 const QList<QByteArray> fields = arg.split('|');
                 const QByteArray copy = EncodeProject(Project(fields));
                 Until([&] { return Copies() == QList{copy}; });
             }},
            {"signal", [&] { log << "signal: " + Dlg().SaveRecoveryNow(); }},  // ended by one
            {"lean",  // offered with 2 GiB of address space, as under ulimit -v
             [&] {
                 rlimit saved{}, lean{rlim_t(2) << 30, RLIM_INFINITY};
                 getrlimit(RLIMIT_AS, &saved);
                 Dlg(), setrlimit(RLIMIT_AS, &lean), Dlg().OfferRecoveredWork();
                 setrlimit(RLIMIT_AS, &saved);
             }},
            {"short",  // a key pressed with 16 MiB of address space more than is in use
             [&] {
                 const QKeyCombination key = QKeySequence(arg)[0];
                 QFile statm("/proc/self/statm");
                 EXPECT_TRUE(statm.open(QIODevice::ReadOnly));
                 const rlim_t used = statm.readLine().split(' ')[0].toULongLong() * getpagesize();
                 rlimit saved{}, tight{used + (16 << 20), RLIM_INFINITY};
                 getrlimit(RLIMIT_AS, &saved);
                 setrlimit(RLIMIT_AS, &tight);
                 QTest::keyClick(Focused(), key.key(), key.keyboardModifiers());
                 setrlimit(RLIMIT_AS, &saved);
             }},
            {"nocopy", [&] { Until([&] { return Copies().isEmpty(); }); }},
            {"fifo", [&] { EXPECT_EQ(::mkfifo(QFile::encodeName(path), 0600), 0); }},
            {"sparse",
             [&] { EXPECT_EQ(::truncate(QFile::encodeName(path), rest.toLongLong()), 0); }},
            // The copies' worker thread kept busy, so that a copy's write waits; and let go.
            {"hold", [&] { RecoveryCopy::Workers()->start([this] { held.acquire(); }); }},
            {"release", [&] { held.release(); }},
            // A key every 300 ms: the copy kept every ten seconds is there before typing stops.
            {"steady",
             [&] {
                 bool copied = false;
                 QElapsedTimer typing;
                 for (typing.start(); typing.elapsed() < arg.toInt(); QTest::qWait(300)) {
                     Type(control("title"), "x");
                     copied = copied || !Copies().isEmpty();
                 }
                 EXPECT_TRUE(copied);
             }},
            {"wait", [&] { QTest::qWait(arg.toInt()); }},
            // A browser tab on the page F12 opened last: its event stream, until the end.
            {"tab",
             [&] {
                 const QUrl& url = browser.last;
                 tabs.push_back({url, Request(url, "/.wendle-reload" + url.path().toUtf8())});
                 EXPECT_TRUE(ReadUntil(tabs.back().second, ": open").contains(": open"));
             }},
            {"reloads",
             [&] {
                 const auto& [url, fd] = tabs.at(name.toUInt());
                 EXPECT_TRUE(ReadUntil(fd, "data: reload").contains("data: reload"));
                 const int page = Request(url, url.path().toUtf8());  // what the tab reloads
                 EXPECT_TRUE(ReadUntil(page, rest).contains(rest));
                 ::close(page);
             }},
            {"quiet",  // tab N is told nothing for a while
             [&] {
                 pollfd tab{tabs.at(arg.toUInt()).second, POLLIN, 0};
                 EXPECT_EQ(::poll(&tab, 1, 300), 0);
             }},
            // What must follow.
            {"is", [&] { EXPECT_EQ(ReadFile(path).toStdString(), rest.toStdString()); }},
            {"same", [&] { EXPECT_EQ(ReadFile(path), ReadFile(QString::fromUtf8(rest))); }},
            {"isproj", [&] { EXPECT_EQ(ReadFile(path).toStdString(), project.toStdString()); }},
            {"gone", [&] { EXPECT_FALSE(QFileInfo::exists(path)); }},
            {"ls", [&] { EXPECT_EQ(Entries(path).join(' '), (". .. " + rest).trimmed()); }},
            {"mode", [&] { EXPECT_EQ(QString::number(Mode(path), 8), rest); }},
            {"msg", [&] { EXPECT_THAT(NextMessage(), HasSubstr(arg.toStdString())); }},
            {"ends", [&] { EXPECT_THAT(NextMessage(), testing::EndsWith(arg.toStdString())); }},
            {"fields", [&] { EXPECT_EQ(fields.toStdString(), arg.toStdString()); }},
            {"names", [&] { EXPECT_EQ(names.toStdString(), arg.toStdString()); }},
            {"shown", [&] { EXPECT_EQ(Dlg().isVisible(), arg == "1"); }},
            {"prompt", [&] { EXPECT_EQ(lastPrompt.toStdString(), arg.toStdString()); }},
            // The words underlined as misspelled, once the check has run; how many were checked.
            {"marks",
             [&] {
                 QTest::qWait(20);
                 QStringList words;
                 for (const QTextEdit::ExtraSelection& mark : Text()->extraSelections())
                     words << mark.cursor.selectedText();
                 EXPECT_EQ(words.join(' ').toStdString(), arg.toStdString());
             }},
            {"checked",
             [&] {
                 QTest::qWait(20);
                 EXPECT_LE(Dlg().findChild<SpellChecker*>()->WordsChecked(), arg.toLongLong());
             }},
            // The finder: a button pressed, its note, what is selected in the text, where the focus
            // is.
            {"press",
             [&] {
                 int pressed = 0;
                 for (auto* button : QApplication::activeWindow()->findChildren<QAbstractButton*>())
                     if (button->text().remove('&') == arg && ++pressed)
                         button->click();
                 EXPECT_EQ(pressed, 1);
             }},
            {"note",
             [&] {
                 const auto* note = Dlg().findChild<QLabel*>("note");
                 EXPECT_EQ(!note                    ? "(none)"
                               : !note->isVisible() ? "(hidden)"
                                                    : note->text().toStdString(),
                           arg.toStdString());
             }},
            {"sel",
             [&] {
                 const QTextCursor cursor = Text()->textCursor();
                 EXPECT_EQ(QString("%1 %2").arg(cursor.selectionStart()).arg(cursor.selectionEnd()),
                           arg);
             }},
            {"focus", [&] { EXPECT_EQ(Focused(), Text()); }},
            {"rtl", [&] { Dlg().setLayoutDirection(Qt::RightToLeft); }},  // laid out as in Arabic
        };
        if (ids.indexOf(verb) >= 2)  // a button, and the answer to the prompt it opens
            return Click(control(verb), arg);
        ASSERT_TRUE(steps.count(verb)) << "no such step";
        steps.at(verb)();
    }

    // "title|text|page name", and "|md" for a Markdown project.
    static ProjectContent Project(const QList<QByteArray>& parts)
    {
        return {parts.value(0), parts.value(1), parts.value(2),
                parts.value(3) == "md" ? TextFormat::Markdown : TextFormat::Html};
    }

    void Mount(const QString& path, unsigned long flags)
    {
        QDir().mkpath(path);
        mountPoint = QFile::encodeName(path);
        if (::mount("tmpfs", mountPoint.constData(), "tmpfs", flags, "size=256k") != 0)
            GTEST_SKIP() << "mounting a tmpfs needs root";
    }

    // Root may write anything, so rows about permissions act as nobody, in group nogroup and no
    // other, as setpriv would; only the effective ids change, so that the test can become root
    // again to set up files of other owners.
    void User(const QByteArray& name)
    {
        const gid_t rootGroup = 0;
        if (name == "root") {
            EXPECT_TRUE(::geteuid() == ::getuid()
                        || (!::seteuid(0) && !::setegid(0) && !::setgroups(1, &rootGroup)));
            return;
        }
        if (::geteuid() != 0)
            GTEST_SKIP() << "only root can act as another user";
        Dlg();  // started as the user it belongs to, who may read the profile
        ::chmod(QFile::encodeName(root.path()), 0777);
        if (::setgroups(0, nullptr) || ::setegid(::getgrnam("nogroup")->gr_gid)
            || ::seteuid(::getpwnam("nobody")->pw_uid))
            GTEST_SKIP() << "cannot act as nobody: " << strerror(errno);
    }

    void Start(const QByteArray& answer)
    {
        window.reset();
        if (!answer.isEmpty())
            answers << answer;
        Dlg();
    }

    // Clicks a button; `answer`, unless empty, answers the file prompt it must open.
    void Click(QWidget* button, const QByteArray& answer)
    {
        if (!answer.isEmpty())
            answers << answer;
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        if (sizeLimit >= 0) {
            // A write past the limit then fails with EFBIG, as on a full disk.
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limited{rlim_t(std::exchange(sizeLimit, -1)), saved.rlim_max};
            setrlimit(RLIMIT_FSIZE, &limited);
        }
        QTest::mouseClick(button, Qt::LeftButton);
        setrlimit(RLIMIT_FSIZE, &saved);
        EXPECT_TRUE(answers.isEmpty()) << "the click did not prompt";
    }

    // Runs the real program with no display at all; logs "run STATUS: OUTPUT ERRORS".
    void Launch(const QByteArray& arguments, const QStringList& prefix = {},
                QProcess* running = nullptr)
    {
        QProcess local;
        QProcess& program = running ? *running : local;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        if (prefix.value(0) == "strace")  // LeakSanitizer cannot work under strace
            environment.insert("ASAN_OPTIONS", "detect_leaks=0");
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QString::fromLatin1(name));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
        program.setProcessEnvironment(environment);
        const QStringList command = prefix
            + QString::fromUtf8(WENDLE_BINARY " " + arguments).split(' ', Qt::SkipEmptyParts);
        program.setReadChannel(QProcess::StandardError);  // for "waitout"
        program.start(command.first(), command.mid(1));
        program.write(std::exchange(input, {}));
        program.closeWriteChannel();
        if (!running)
            Finish(program, "run");
    }

    // Waits for the program's end; logs "TAG STATUS: OUTPUT|ERRORS(end)", -1 after a crash.
    void Finish(QProcess& program, const char* tag)
    {
        EXPECT_TRUE(program.waitForFinished(60000));
        log << QStringLiteral("%1 %2: ").arg(tag).arg(
                   program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1)
                + program.readAllStandardOutput() + '|' + program.readAllStandardError() + "(end)";
    }

    // Waits for a condition with a generous time-out, so a slow machine only waits longer.
    static void Until(const std::function<bool()>& done)
    {
        QElapsedTimer timer;
        timer.start();
        while (!done() && timer.elapsed() < 20000)
            QTest::qWait(10);
        EXPECT_TRUE(done()) << "timed out";
    }

    // The program with its standard streams redirected; its status stays.
    static QStringList Shell(const QString& redirection)
    {
        return {"bash", "-c", R"(set -o pipefail; "$@" )" + redirection, "-"};
    }

    inline static const QString kGone = R"x(mkdir gone && cd gone && rmdir ../gone &&
        root=$(ls -A /) && "$@"; status=$?; [ "$(ls -A /)" = "$root" ] || status=99; exit $status)x";
    inline static const QStringList kNobody{"setpriv", "--reuid=nobody", "--regid=nogroup",
                                            "--clear-groups"};

    // The system calls that write, flush and rename, as strace shows them.
    inline static const QStringList kTrace{"strace", "-f", "-y",
                                           "-etrace=write,fdatasync,fsync,syncfs,rename", "-o"};

    void Trace()
    {
        tracer.start(kTrace.first(),
                     kTrace.mid(1) << root.filePath("trace") << "-p"
                                   << QString::number(QCoreApplication::applicationPid()));
        // strace says so once it has attached, and only then do the steps count.
        tracer.setReadChannel(QProcess::StandardError);
        ASSERT_TRUE(tracer.waitForStarted() && tracer.waitForReadyRead(10000))
            << "strace did not attach";
    }

    // Reads the trace: each file renamed must have had its data flushed (fdatasync on it, or a
    // syncfs) after its last write and before the rename, and the folder it was renamed into
    // flushed (fsync) after the rename and before the trace ends.
    void Durable(int renames)
    {
        tracer.terminate();
        tracer.waitForFinished();
        // strace -y shows a descriptor with its path: write(3</d/.p.html.x>, ...) = 9. A call
        // that another thread's call interrupts in the log is "<unfinished ...>" at its start.
        const QRegularExpression call(
            R"re((\w+)\((?:\d+<([^>]*)>|"([^"]*)", "([^"]*)").*(= \d|<unfinished \.\.\.>$))re");
        std::map<QString, bool> flushed;  // file -> its data is on the disk
        std::set<QString> folders;  // folders with a rename not yet flushed
        int seen = 0;
        for (const QByteArray& line : ReadFile(root.filePath("trace")).split('\n')) {
            const QRegularExpressionMatch m = call.match(QString::fromUtf8(line));
            const QString name = m.captured(1), path = m.captured(2);
            if (name == "write" || name == "fdatasync")
                flushed[path] = name == "fdatasync";
            else if (name == "syncfs")
                for (auto& file : flushed)
                    file.second = true;
            else if (name == "fsync")
                folders.erase(path);
            else if (name == "rename" && ++seen) {
                EXPECT_TRUE(flushed[m.captured(3)]) << "renamed unflushed: " << line.constData();
                folders.insert(QFileInfo(m.captured(4)).absolutePath());
            }
        }
        EXPECT_EQ(seen, renames);
        EXPECT_TRUE(folders.empty()) << "folder not flushed: " << qPrintable(*folders.begin());
    }

    // Drags files onto the text field and drops them there if the drag is accepted.
    bool Drag(const QByteArray& names)
    {
        QMimeData files;
        QList<QUrl> urls;
        for (const QByteArray& name : names.split(' '))
            urls << QUrl::fromLocalFile(Path(name));
        files.setUrls(urls);
        QWidget* target = Text()->viewport();
        QDragEnterEvent enter({5, 5}, Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
        return enter.isAccepted() && QApplication::sendEvent(target, &drop);
    }

    QList<QByteArray> Copies()
    {
        const QDir folder(config.filePath("state/wendle/recovery"));
        QList<QByteArray> copies;
        // The worker may remove a copy between the listing and the read: it is gone then.
        for (const QString& name : folder.entryList({"window-*.wendle"}))
            if (QFile copy(folder.filePath(name)); copy.open(QIODevice::ReadOnly))
                copies << copy.readAll();
        return copies;
    }

    std::string NextMessage() { return log.isEmpty() ? "(none)" : log.takeFirst().toStdString(); }

    QPlainTextEdit* Text() { return Dlg().findChild<QPlainTextEdit*>(); }

    // Where keys go: the window's focus, or the finder's while the finder is active.
    QWidget* Focused()
    {
        QCoreApplication::processEvents();  // the finder's activation
        const QWidget* active = QApplication::activeWindow();
        return active && active->parentWidget() == &Dlg() ? active->focusWidget()
                                                          : Dlg().focusWidget();
    }

    // Key events that carry each character, which QTest::keyClicks cannot do beyond ASCII.
    static void Type(QWidget* field, const QByteArray& text)
    {
        field->setFocus();
        const QString typed = QString::fromUtf8(text);
        for (qsizetype at = 0, next = 0; at < typed.size(); at = next) {
            next = at + (typed[at].isHighSurrogate() ? 2 : 1);  // a pair of surrogates is one key
            const QString c = typed.mid(at, next - at);
            QKeyEvent press(QEvent::KeyPress, c == "\n" ? Qt::Key_Return : 0, Qt::NoModifier, c);
            QApplication::sendEvent(field, &press);
        }
    }

    QTemporaryDir dir;
    QDir root{dir.path()};
    QTemporaryDir config;
    ProfileStore profile{config.filePath("wendle.ini")};
    Services services{*this, *this, profile};
    std::unique_ptr<CWendleDlg> window;
    std::unique_ptr<CWendleDlg> other;
    QString savedCurrent = QDir::currentPath();
    QStringList log;
    QString lastPrompt;
    QByteArrayList answers;
    QByteArrayList replies;
    qint64 sizeLimit = -1;
    QByteArray input;
    QByteArray mountPoint;
    QProcess tracer;
    QProcess watcher;
    QSemaphore held;
    Browser browser;
    std::vector<std::pair<QUrl, int>> tabs;
};

TEST_F(WindowTest, controlsFollowTheDialogTemplate)
{
    // In creation order, which is also the tab order: each control's text and its rectangle
    // in dialog units.
    const QStringList controls{
        // The fields and their labels.
        "Title:|7 7 17 8", "|25 7 127 12", "Text:|7 25 18 8", "|7 35 299 200",
        // The buttons, and the line beside them.
        "   Save As...|321 58 50 14", "Build|321 75 50 14", "   Open...|321 24 50 14",
        "|314 7 1 228", "   Template...|321 109 50 14", "New|321 7 50 14", "Save|321 41 50 14",
        "   Build As...|321 92 50 14", "Markdown|321 130 50 10"};
    const DialogBaseUnits base = BaseUnitsOf(Dlg().font());
    EXPECT_EQ(Dlg().windowTitle(), QStringLiteral("Tasco's Wendle"));
    EXPECT_EQ(Dlg().minimumSize(), MapDialogSize({378, 242}, base));
    EXPECT_EQ(Dlg().maximumSize(), Dlg().minimumSize());
    const auto widgets = Dlg().findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    ASSERT_EQ(widgets.size(), std::size(controls));
    for (qsizetype i = 0; i < widgets.size(); ++i) {
        const QStringList control = controls[i].split('|'), r = control[1].split(' ');
        EXPECT_EQ(widgets[i]->property("text").toString(), control[0]);
        const QRect units(r[0].toInt(), r[1].toInt(), r[2].toInt(), r[3].toInt());
        EXPECT_EQ(widgets[i]->geometry(), MapDialogRect(units, base));
        const auto* label = qobject_cast<QLabel*>(widgets[i]);
        EXPECT_TRUE(!label || label->buddy() == widgets[i + 1]);
        const auto* button = qobject_cast<QPushButton*>(widgets[i]);
        EXPECT_FALSE(button && (button->autoDefault() || button->isDefault()));
    }
    EXPECT_EQ(qobject_cast<QFrame*>(widgets[7])->frameShape(), QFrame::VLine);
    EXPECT_EQ(qobject_cast<QPlainTextEdit*>(widgets[3])->lineWrapMode(), QPlainTextEdit::NoWrap);
    // The arithmetic behind it.
    EXPECT_EQ(MapDialogRect({321, 58, 50, 14}, {6, 13}), QRect(482, 94, 75, 23));
    EXPECT_EQ(MapDialogRect({7, 7, 17, 8}, {6, 13}), QRect(11, 11, 26, 13));
    EXPECT_EQ(CWendleDlg::IconPosition({37, 100}, {16, 16}), QPoint(11, 42));
    EXPECT_EQ(CWendleDlg::IconPosition({0, 0}, {32, 32}), QPoint(-15, -15));
    EXPECT_EQ(QtNameFilters("Text|*.txt|All(*)|*||"), QStringLiteral("Text (*.txt);;All(*)"));
}

// A row is a test: its name, then its steps.
struct Row {
    std::vector<std::string> steps;
};

void PrintTo(const Row& row, std::ostream* os)
{
    *os << row.steps[0];
}

// Runs a script row, its name first, then its steps. A table of scripts may be crossed with a
// table of variants: each variant's words ("WORD=text") are put in place of their names.
class Crossed : public WindowTest, public testing::WithParamInterface<std::tuple<Row, Row>> { };

TEST_P(Crossed, runsEveryScriptWithEveryVariant)
{
    const auto& [variant, script] = GetParam();
    std::vector<std::string> steps;
    for (std::string step : std::vector(script.steps.begin() + 1, script.steps.end())) {
        for (const std::string& word :
             std::vector(variant.steps.begin() + 1, variant.steps.end())) {
            const std::string::size_type eq = word.find('='), at = step.find(word.substr(0, eq));
            if (at != std::string::npos)
                step.replace(at, eq, word.substr(eq + 1));
        }
        steps.push_back(step);
    }
    Run(steps);
}

std::string CrossedName(const testing::TestParamInfo<std::tuple<Row, Row>>& info)
{
    return std::get<0>(info.param).steps[0] + "_" + std::get<1>(info.param).steps[0];
}

const std::string kLongTitle(40000, 't');  // beyond QLineEdit's usual 32767 characters
const std::string kLongText(1 << 20, 'x');
const std::string kBlock(kTemplateBlockSize - 1, '.');  // a template block but its last byte
const std::string kFill(150000, 'x');  // over half of a 256 KiB disk
const std::string kShortWords = [] {  // a line of 60,000 characters, a word of 2 every 3
    std::string line;
    for (int i = 0; i < 20000; ++i)
        line += "xq ";
    return line + '\n';
}();

// Copy N left by a window that is gone (window-N-N.wendle), then its description, saved at
// HOUR o'clock, with these fields; kA: project a.wendle with its page p.html, in "@".
const std::string kCopy = "proj state/wendle/recovery/window-";
const std::string kA = R"("projectName": "a.wendle", "projectFolder": "@", "outputName": )"
                       R"("p.html", "outputFolder": "@", "outputFromProject": true)";
std::string Info(int n, int hour, const std::string& fields)
{
    return "put state/wendle/recovery/window-" + std::to_string(n) + '-' + std::to_string(n)
        + ".json {" + fields + ", \"saved\": \"2026-12-07T" + std::to_string(hour) + ":00:00\"}";
}

// A row packs its steps as a script reads; left to itself the formatter sets the steps of a
// long row one to a line.
// clang-format off
const Row kRows[] = {
    // Start-up, the profile and the keys.
    {{"firstRunAsksForATemplate", "rm profile", "start a.html", "names a.html||",
      "prompt Open html HTML Template files(*.html)|*.html|| none: Choose an HTML template",
      "is profile [Template File]\nFileName=a.html\n"}},
    {{"aCancelledFirstRunIsStored", "rm profile", "start -",
      "is profile [Template File]\nFileName=\n", "start", "names ||"}},
    {{"aStoredNotfoundAsksAgain", "put profile [Template File]\nFileName=notfound\n",
      "start b.html", "names b.html||", "put profile [Template File]\nFileName=NotFound\n", "start",
      "names NotFound||", "put profile [Template File]\nFileName=NOTFOUND\n", "start",
      "names NOTFOUND||"}},
    {{"theProfileKeepsOtherLinesAndBytes",
      "put profile ; c\n[template file]\r\nfilename= x.html\r\nAfter=2\n[Last]\nx=y", "start",
      "names  x.html||", "Template n.html",
      "prompt Open html HTML Template files(*.html)|*.html|| window: Choose an HTML template",
      "is profile ; c\n[template file]\nFileName=n.html\nAfter=2\n[Last]\nx=y\n"}},
    {{"returnAndTabInTheText", "text one\ntwo", "key Tab", "fields |one\ntwo", "shown 1"}},
    {{"returnInTheTitleCloses", "key Return", "shown 0"}},
    {{"closingAfterABuildOrASaveAsksNothing", "proj a.wendle T|X|p.html", "chmod a.wendle 600",
      "put p.html x", "chmod p.html 640", "Open a.wendle", "title x", "Build", "close", "shown 0",
      "start", "Open a.wendle", "title y", "Save", "close", "shown 0", "mode a.wendle 600",
      "mode p.html 640", "is p.html <h1>Tx</h1>X"}},
    {{"typingAndDeletingIsNoChange", "proj a.wendle T|A\r\nB|", "Open a.wendle", "title ab",
      "key Backspace", "key Backspace", "text x", "key Backspace", "New", "fields |", "key Escape",
      "shown 0", "start", "text y", "reply cancel", "key Escape", "msg ask:", "shown 1"}},
    {{"f1ShowsTheVersion", "key F1", "msg info: Tasco's Wendle v0.5"}},

    // Spelling, in a language of the test's own (xx), and Find and Replace.
    {{"onlyProseIsChecked", "dict xx hello world wendle", "put t.html <html lang=xx>%s%s",
      "text wendle helo <b title='1>wrld'>wrld</b> &wrld; <!-- x>wrld\nwrld --> <pre\nclass=x>wrld"
      "\n</pre> <code>wrld</code> <script>wrld</script> <style>wrld</style> wrld2 WRLD wr_ld "
      "http://wrld.org www.wrld.org hello", "marks helo wrld"}},
    {{"inMarkdownCodeAndLinksAreNot", "dict xx hello world", "put t.html <html lang=xx>%s%s",
      "Markdown", "text helo `wrld` ``a ` wrld`` wrld\n```\nwrld\n```\n\n    wrld\n<i id=wrld>"
      "wrld</i> [hello](wrld.html) <https://wrld.org/x> <!-- wrld -->", "marks helo wrld wrld"}},
    {{"noDictionaryIsSaidInTheMenu", "put t.html <html lang=zz-QQ>%s%s", "text helo", "marks ",
      "menu", "msg menu: ~No spelling dictionary for zz-QQ: install hunspell-zz-qq|-|Check "
      "Spelling|-|"}},
    // One installed while Wendle runs is taken when the user comes back to the window.
    {{"aDictionaryInstalledMeanwhileIsTaken", "put t.html <html lang=zz-QQ>%s%s", "text helo",
      "marks ", "dict zz_QQ hello", "key Ctrl+F", "key Escape", "marks helo"}},
    // Long lines: only the columns on the screen, also laid out right to left; none of 64 KiB.
    {{"longLinesAreCheckedAsShown", "dict xx hello \xd8\xa8\xd9\x8a\xd8\xaa",
      "put t.html <html lang=xx>%s%s", "fill 3000000 " + kShortWords, "checked 20000",
      "fill 70000 helo ", "marks ", "rtl", "fill 3000 hello ", "text helo ", "key End",
      "text wrld", "key Home", "marks helo", "fill 3000 \xd8\xa8\xd9\x8a\xd8\xaa ",
      "text \xd8\xa8\xd9\x8a\xd8\xaa\xd9\x8a ", "key End", "text \xd8\xa8\xd9\x8a\xd8\xaa\xd8\xa7",
      "key Home", "marks \xd8\xa8\xd9\x8a\xd8\xaa\xd9\x8a"}},
    {{"theMenuCorrects", "dict xx hello help world", "put t.html <html lang=xx>%s%s",
      "text wrld helo", "menu hello", "msg menu: help|hello|-|Add to Dictionary|Ignore All|-|"
      "Check Spelling|-|", "fields |wrld hello", "key Ctrl+Z", "fields |wrld helo",
      "menu Ignore All", "msg menu:", "marks wrld", "key Home", "menu Add to Dictionary",
      "msg menu:", "marks ", "is enchant/xx.dic wrld\n", "menu Check Spelling", "msg menu:",
      "start", "text hepl", "marks ", "menu Check Spelling", "msg menu:", "marks hepl",
      "is profile [Template File]\nFileName=t.html\n[Spelling]\nCheck=1\n"}},
    {{"onlyTheTextShownIsChecked", "dict xx hello", "put t.html <html lang=xx>%s%s",
      "fill 67108864 helo wrld hello helo wrld hello helo wrld hello helo wrld hello helo wrld "
      "hello\n", "checked 2000", "text ", "key Ctrl+End", "checked 4000"}},
    {{"findGoesOnAndWraps", "text Ab ab aB\nxab ab", "key Ctrl+F", "type ab", "key Return",
      "sel 0 2", "note Passed the end; continued from the start.", "key F3", "sel 3 5", "note ",
      "key F3", "sel 6 8", "press Whole words", "key F3", "sel 13 15", "key Shift+F3", "sel 6 8",
      "press Match case", "key Shift+F3", "sel 3 5", "type q", "key F3", "note Not found.",
      "sel 3 5", "key Backspace", "press Whole words", "key Escape", "key F3", "sel 10 12",
      "key Shift+F3", "sel 3 5"}},
    {{"replaceAllIsOneStep", "text cat concat Cat", "SaveAs a.wendle", "key Ctrl+H", "type cat",
      "key Tab", "type dog", "press Whole words", "press Replace All", "note 2 replaced.",
      "fields |dog concat dog", "copy |dog concat dog|", "key Escape", "key Ctrl+Z",
      "fields |cat concat Cat"}},
    // F3 alone: the finder opens while there is nothing to find, and comes up to say a wrap,
    // leaving the focus in the text, where an edit makes its note stale.
    {{"f3SaysWhatItDid", "text ab ab", "key Ctrl+End", "key F3", "type ab", "key Escape",
      "note (hidden)", "key F3", "sel 0 2", "note Passed the end; continued from the start.",
      "focus", "key F3", "sel 3 5", "note ", "key F3", "sel 0 2",
      "note Passed the end; continued from the start.", "type x", "note ", "fields |x ab"}},
    // Short of memory for the copy of the text, F3 says so as it says a wrap.
    {{"f3SaysItIsShortOfMemory", "nosanitizer", "fill 33554432 " + kShortWords, "key Ctrl+F",
      "type xq", "key Escape", "short F3", "note There is not enough memory to search this "
      "text.", "focus", "key F3", "sel 0 2"}},
    {{"escapeLeavesTheFinderThenTheWindow", "key Ctrl+F", "key Escape", "shown 1", "focus",
      "key Escape", "shown 0"}},
    // An empty search finds nothing; whole words next to a pair of surrogates, and to an accent.
    {{"wholeWordsAreWholeCharacters", "text x\xf0\x9f\x98\x80 \xf0\x9f\x98\x80 cafe\xcc\x81 cafe",
      "key Ctrl+Home", "key Ctrl+F", "press Whole words", "press Find Next", "sel 0 0",
      "type \xf0\x9f\x98\x80", "press Find Next", "sel 4 6", "key Ctrl+A", "type cafe",
      "press Find Next", "sel 13 17"}},
    // A line longer than a QLineEdit holds by default, and than PCRE2 compiles, found and put.
    {{"longSearchesAndReplacements", "text ", "fill 80002 " + kLongTitle + "\n", "key Ctrl+Home",
      "key Shift+End", "key Ctrl+C", "key Ctrl+H", "key Tab", "type z", "key Ctrl+V",
      "press Replace All", "note 2 replaced.", "fields |z" + kLongTitle + "\nz" + kLongTitle + "\n"}},
    // Replace leaves a selection that is no match, here not a whole word, and finds the next.
    {{"replaceTakesOnlyAMatch", "text concat cat", "key Ctrl+Home", "key Right", "key Right",
      "key Right", "key Shift+Right", "key Shift+Right", "key Shift+Right", "key Ctrl+H",
      "press Whole words", "key Tab", "type dog", "press Replace", "fields |concat cat",
      "sel 7 10", "press Replace", "fields |concat dog"}},
    // Lines copied from the text and pasted into the search.
    {{"aSearchOfSeveralLines", "text ab\ncd ab\ncd", "key Ctrl+Home", "key Shift+Down",
      "key Shift+Right", "key Shift+Right", "key Ctrl+C", "key Ctrl+H", "key Ctrl+V", "key Tab",
      "type x", "press Replace All", "note 2 replaced.", "fields |x x"}},
    // A NUL then digits, pasted in: found as such, not taken for an octal escape (a tab).
    {{"aSearchWithANul", "text ", "fill 5 \tx\0"s + "11", "key End", "key Shift+Left",
      "key Shift+Left", "key Shift+Left", "key Ctrl+H", "key Tab", "type Z", "press Replace All",
      "fields |\txZ"}},

    // Build and Build As.
    {{"eachPreviewedPageReloadsItself", "put a/t.html <i>%s</i>%s", "put b/t.html <b>%s</b>%s",
      "title A", "choose a/index.html", "key F12", "msg open: http://127.0.0.1:", "tab",
      "key F12", "msg (none)", "BuildAs b/index.html", "key F12", "msg open:", "tab",
      "reply yes", "BuildAs a/index.html", "msg ask:", "reloads 0 <i>A</i>", "title !",
      "reply yes", "BuildAs b/index.html", "msg ask:", "reloads 1 <b>A!</b>",
      "BuildAs a/other.html", "key F12", "msg open:", "tab", "reply yes", "BuildAs a/index.html",
      "msg ask:", "reloads 0 <i>A!</i>", "quiet 2"}},
    {{"f12AfterARefusedBuildShowsNothing", "Build p.html", "proj a.wendle T|X|../p.html",
      "Open a.wendle", "reply no", "key F12", "msg ask: This project writes its page outside",
      "msg (none)"}},
    {{"buildAsksOnceThenReuses", "title Home", "text Hi", "Build i.html",
      "prompt Save html HTML files(*.html)|*.html|| window", "is i.html <h1>Home</h1>Hi", "title !",
      "Build", "is i.html <h1>Home!</h1>Hi", "ls . i.html t.html", "BuildAs j.html",
      "names t.html||j.html", "is j.html <h1>Home!</h1>Hi"}},
    {{"fieldsReachThePageAsTyped", "title caf\xc3\xa9 <b>&amp;", "text 1\n<p>\xc2\xa0&",
      "Build p.html", "is p.html <h1>caf\xc3\xa9 <b>&amp;</h1>1\r\n<p>\xc2\xa0&"}},
    {{"theTemplateEndsAtNul", "put t.html \xff<%%s>\x80%s\xe9\0t%s"s, "title \xc3\xa9",
      "Build p.html", "is p.html \xff<%\xc3\xa9>\x80\xe9"}},
    {{"aCancelledBuildAsksAgain", "Build -", "msg No file was chosen.", "Build p.html",
      "is p.html <h1></h1>"}},
    {{"buildAsAsksBeforeItReplaces", "title T", "Build p.html", "put q.html keep", "reply no",
      "choose q.html", "choose -", "BuildAs", "msg ask: q.html already exists.\nDo you want to "
      "replace it?", "is q.html keep", "names t.html||p.html", "BuildAs p.html", "reply yes",
      "BuildAs q.html", "msg ask:", "is q.html <h1>T</h1>"}},
    {{"aCancelledBuildAsKeepsThePage", "proj a.wendle T|X|p.html", "Open a.wendle", "BuildAs -",
      "title !", "Save", "isproj a.wendle T!|X|p.html"}},
    {{"theTemplateIsInThePagesFolder", "mkdir o", "Build o/p.html",
      "msg Cannot read file @/o/t.html:\nNo such file", "gone o/p.html"}},
    {{"aCancelledTemplateKeepsTheTemplate", "Template -",
      "is profile [Template File]\nFileName=t.html\n", "Build p.html", "is p.html <h1></h1>",
      "rm profile", "start -", "Build q.html", "msg Choose one with the Template button",
      "gone q.html"}},
    {{"aMissingTemplateKeepsThePage", "Build p.html", "title new", "rm t.html", "Build",
      "msg Cannot read file @/t.html:\nNo such file", "link t.html t.html", "Build",
      "msg Cannot read file @/t.html:\n", "is p.html <h1></h1>", "rm t.html", "put t.html <%s>%s",
      "Build", "is p.html <new>"}},
    {{"onlyPercentAndLowercaseSIsAMarker", "put t.html %S% s<%s|%s>", "title T", "text X",
      "Build p.html", "is p.html %S% s<T|X>"}},
    {{"aTemplateWithoutMarkersKeepsThePage", "Build p.html", "title new", "put t.html <html>",
      "Build", "msg no marker for the title", "put t.html %s", "Build",
      "msg no marker for the text", "put t.html \0%s%s"s, "Build", "msg no marker for the title",
      "is p.html <h1></h1>"}},
    {{"aBuildNeverReplacesItsTemplate", "link l.html t.html", "reply yes", "BuildAs t.html",
      "msg ask:", "msg its own template", "BuildAs l.html", "msg its own template", "reply yes",
      "SaveAs l.html", "msg ask:", "msg The project @/t.html would replace the template",
      "names t.html||l.html",
      "is t.html <h1>%s</h1>%s"}},
    {{"thePageStaysInItsFolder", "put o/t.html <%s%s>", "Build o/p.html", "Template t.html",
      "title T", "Build", "is o/p.html <h1>T</h1>", "gone p.html"}},
    {{"longFieldsSurvive", "proj a.wendle " + kLongTitle + "%s|" + kLongText + "|a",
      "Open a.wendle", "Build", "is a <h1>" + kLongTitle + kLongText + "</h1>%s", "Save",
      "isproj a.wendle " + kLongTitle + "%s|" + kLongText + "|a"}},

    {{"aMarkerOnABlockEdge", "put t.html " + kBlock + "%s.%s", "title T", "Build p.html",
      "is p.html " + kBlock + "T."}},

    // Projects.
    // The Markdown box: a change of the project, kept with it, by New and by the recovery copy.
    {{"markdownInTheWindow", "Markdown", "reply cancel", "key Escape", "msg ask: The title",
      "title T", "text # Hi\n*x* %s", "copy T|# Hi\r\n*x* %s||md", "Build p.html",
      "is p.html <h1>T</h1><h1>Hi</h1>\n<p><em>x</em> %s</p>\n", "SaveAs m.wendle",
      "isproj m.wendle T|# Hi\r\n*x* %s|p.html|md", "New", "text a", "Build",
      "is p.html <h1></h1><p>a</p>\n", "Open m.wendle", "Markdown", "Build",
      "is p.html <h1>T</h1># Hi\r\n*x* %s", "Open m.wendle", "Build",
      "is p.html <h1>T</h1><h1>Hi</h1>\n<p><em>x</em> %s</p>\n"}},
    // A Markdown project as any reader of the layout takes it: title at 16 + name, text at its
    // offset, the format block between them. A later Wendle's entries and blocks are kept.
    {{"theFormatBlock", "put m.wendle \1\0\0\0\x36\0\0\0\1\0\0\0\0\0\0\0TWNDL\1\0\0\0\x19\0\0\0"
      "frmt\x08\0\0\0markdownzzzz\1\0\0\0q*"s, "Open m.wendle", "fields T|*", "Markdown", "Save",
      "is m.wendle \1\0\0\0\x26\0\0\0\1\0\0\0\0\0\0\0TWNDL\1\0\0\0\x09\0\0\0zzzz\1\0\0\0q*"s,
      "put v.wendle \1\0\0\0\x20\0\0\0\1\0\0\0\0\0\0\0TWNDL\2\0\0\0\3\0\0\0abcx"s,
      "Open v.wendle", "title !", "Save",
      "is v.wendle \2\0\0\0\x21\0\0\0\1\0\0\0\0\0\0\0T!WNDL\2\0\0\0\3\0\0\0abcx"s,
      "put d.wendle \1\0\0\0\x1d\0\0\0\0\0\0\0\0\0\0\0TWNDL\1\0\0\0\1\0\0\0"s,
      "Open d.wendle", "msg not a Wendle project, or it is damaged", "run -o x.html --save d.wendle",
      "msg run 1: |wendle: @/d.wendle is not a Wendle project", "put b.wendle \1\0\0\0\x1d\0\x10\0\1"
      "\0\0\0\0\0\0\0TWNDL\2\0\0\0\0\0\x10\0"s + std::string(1 << 20, 'b') + "x", "Open b.wendle",
      "msg not a Wendle project, or it is damaged"}},
    {{"projectsKeepTheirLayout", "put a.wendle \1\0\0\0\x19\0\0\0\0\0\0\0\x08\0\0\0out.htmlT"s,
      "Open a.wendle", "prompt Open wendle Wendle files(*.wendle)|*.wendle|| window", "fields T|",
      "names t.html|a.wendle|out.html", "title i", "text A\nB", "Save",
      "is a.wendle \2\0\0\0\x1a\0\0\0\4\0\0\0\x08\0\0\0out.htmlTiA\r\nB"s, "SaveAs b.wendle",
      "prompt Save wendle Wendle files(*.wendle)|*.wendle|| window",
      "names t.html|b.wendle|out.html", "isproj b.wendle Ti|A\r\nB|out.html"}},
    {{"theTextIsAtItsOffset", "put a.wendle \5\0\0\0\x18\0\0\0\3\0\0\0\0\0\0\0title...txt"s,
      "Open a.wendle", "fields title|txt", "put a.wendle \5\0\0\0\x18\0\0\0\3\0\0\0\0\0\0\0TITLE...txt"s,
      "reply save", "Save", "msg ask: The project @/a.wendle was changed", "isproj a.wendle title|txt|"}},
    {{"aFileSwappedInDuringTheQuestionIsSeen", "proj a.wendle T|X|", "Open a.wendle", "title !",
      "proj a.wendle O||", "reply save replace a.wendle plain", "Save", "msg ask: The project "
      "@/a.wendle was changed", "msg error: The project @/a.wendle was replaced by another "
      "program with a file that is not", "is a.wendle plain"}},
    {{"aNulInTheTextIsSaid", "proj a.wendle T|ab\0cd|"s, "Open a.wendle", "msg error: The text "
      "of the project @/a.wendle holds a NUL byte after 2 bytes; the 3 bytes from", "fields T|ab"}},
    {{"newKeepsThePageName", "title x", "Save", "ls . t.html", "proj a.wendle T|X|p.html",
      "reply discard", "Open a.wendle", "msg ask:", "New", "fields |", "names t.html||p.html",
      "Save", "Build", "is p.html <h1></h1>", "isproj a.wendle T|X|p.html"}},
    {{"aProjectOnTheCommandLine", "proj p/a.wendle T|X|a.html", "open p/a.wendle", "fields T|X",
      "names t.html|a.wendle|a.html", "put p/t.html <%s%s>", "Build", "is p/a.html <TX>",
      "put p/b.wendle bad", "open @/p/b.wendle", "msg not a Wendle project", "start",
      "open b.wendle", "msg @/p/b.wendle:\nIt is not", "fields |", "names t.html||"}},
    // Output, then "|", then errors: help and version go to standard output, errors elsewhere.
    {{"theCommandLineUsage", "run --version", "msg run 0: wendle 0.5\n|(end)", "runfull --version",
      "msg run 1: |wendle: write error on standard output: No space left on device\n(end)", "run --help",
      "msg Displays help on commandline options.\n  -v, --version", "run --help-all",
      "msg run 0: Usage:", "run --frobnicate", "msg run 2: |wendle: Unknown option 'frobnicate'.",
      "run --build", "msg run 2: |wendle: --build needs", "run a b",
      "msg run 2: |wendle: The window", "run --verbose a",
      "msg run 2: |wendle: --watch, --template, --allow-outside and --verbose go with",
      "run --build --serve a", "msg run 2: |wendle: --serve goes with --watch.",
      "run -o p --build a", "msg run 2: |wendle: --build, --output, --show and --init each go alone."
      "\n\nUsage: wendle [options]", "run --show a -o p", "msg run 2: |wendle: --build, --output,",
      "run",
      "msg run 1: |wendle: the window needs a display", "run a.wendle",
      "msg run 1: |wendle: the window needs a display"}},
    {{"theCommandLineBuilds", "rm profile", "proj a/1.wendle H|i|1.html", "run --build a/1.wendle",
      "msg run 1: |wendle: a/1.wendle: No template has been chosen.",
      "put profile [Template File]\nFileName=t.html", "put a/t.html <h1>%s</h1>%s",
      "put b/t.html [%s|%s]", "proj b/2.wendle T|x\r\ny\x80|2.html", "put a/bad.wendle bad",
      "proj c/3.wendle T|X|3.html", "put c/3.html earlier", "proj a/no.wendle T|X|",
      "run --build --verbose a/1.wendle a/bad.wendle c/3.wendle b/2.wendle a/no.wendle",
      "msg run 1: built @/a/1.html\nbuilt @/b/2.html\n|wendle: a/bad.wendle: Cannot read file "
      "@/a/bad.wendle: It is not a Wendle project, or it is damaged.\nwendle: c/3.wendle: Cannot "
      "read file @/c/t.html: No such file or directory.\nwendle: a/no.wendle: The project names "
      "no page; choose one with Build As",
      "is a/1.html <h1>H</h1>i", "is b/2.html [T|x\r\ny\xe2\x82\xac]", "is c/3.html earlier"}},
    {{"scriptsMakeAPage", "feed a\nb\x80\0c"s, "runlatin --output - --text -",
      "msg run 0: <h1>T\xc3\xa9</h1>a\r\nb\xe2\x82\xac|wendle: standard input: warning: the "
      "text holds a NUL byte after 4 bytes; the 2 bytes from there on were left out.\n(end)", "put o/t.html [%s|%s]", "put x.txt a\nb",
      "run -o o/p.html --text x.txt --title T --save o/p.wendle", "msg run 0: |(end)",
      "is o/p.html [T|a\r\nb]", "isproj o/p.wendle T|a\r\nb|p.html", "feed " + kLongText,
      "run -o o/q.html --text -", "msg run 0:", "is o/q.html [|" + kLongText + "]", "put o/t.html %s",
      "run -o o/p.html --title U", "msg run 1: |wendle: The template @/o/t.html has no marker for "
      "the text", "run -o o/t.html --title U", "msg run 1: |wendle: The page @/o/t.html would "
      "replace its own template. Nothing was written. Name another page with --output PAGE",
      "is o/p.html [T|a\r\nb]", "ls o p.html p.wendle q.html t.html", "runshut --output - --title x", "msg run 1: |wendle: Cannot write to standard output: Broken pipe"}},
    // A program whose first bytes read as lengths inside it, and a zeroed image, are no projects.
    {{"onlyAnExactLayoutIsAProject", "put x.exe MZ\x90\0\3\0\0\0\4\0\0\0\xff\xff\0\0"s,
      "sparse x.exe 10000000", "put z.img", "sparse z.img 64", "run -o p.html --save x.exe",
      "msg run 1: |wendle: @/x.exe is not a Wendle project", "run -o p.html --save z.img",
      "msg run 1: |wendle: @/z.img is not", "is z.img " + std::string(64, '\0'),
      "run -o z.img --title T", "msg run 0: |(end)", "is z.img <h1>T</h1>"}},
    {{"saveReplacesOnlyAProject", "put t.html [%s|%s]", "link l.wendle t.html", "put x.txt x",
      "runappend -o - --template l.wendle", "msg run 1: |wendle: Standard output is the template",
      "run -o p.html --template t.html --save t.html", "msg run 1: |wendle: The project @/t.html "
      "would replace the template", "run -o p.html --save l.wendle", "msg run 1: |wendle: The "
      "project @/l.wendle would", "hardlink h.wendle t.html", "run -o p.html --save h.wendle",
      "msg run 1: |wendle: The project @/h.wendle would", "rm h.wendle", "run -o p.html --save p.html", "msg run 1: |wendle: The project "
      "@/p.html would replace the page", "run -o p.html --save x.txt", "msg run 1: |wendle: "
      "@/x.txt is not a Wendle project", "run -o b\\s.html --save q.wendle", "msg run 1: |wendle: "
      "The page b\\s.html is not a plain name", "ls . l.wendle t.html x.txt", "is x.txt x",
      "is t.html [%s|%s]", "proj q.wendle T|X|q.wendle", "run --build q.wendle", "msg run 1: |"
      "wendle: q.wendle: The page @/q.wendle would replace the project it is built from.",
      "Open q.wendle", "Build", "msg error: The page @/q.wendle would replace the project",
      "isproj q.wendle T|X|q.wendle", "run -o p.html --save q.wendle", "msg run 0: |(end)",
      "isproj q.wendle ||p.html", "proj r.wendle R|Y|q.wendle", "run --build r.wendle",
      "msg run 1: |wendle: r.wendle: The page @/q.wendle would replace a Wendle project.",
      "run -o q.wendle", "msg run 1: |wendle: The page @/q.wendle would replace a Wendle project",
      "isproj q.wendle ||p.html", "mount d", "put d/t.html [%s|%s]", "put x.txt " + kLongText.substr(0, 140000),
      "run -o d/p.html --title old --save d/p.wendle", "msg run 0:", "run -o d/p.html --text x.txt --save d/p.wendle",
      "msg run 1: |wendle: Cannot write file @/d/p.wendle", "is d/p.html [old|]"}},
    {{"aPageNeverReplacesItsText", "put n.txt notes", "hardlink h.txt n.txt", "link l.txt n.txt",
      "run -o n.txt --text n.txt", "msg run 1: |wendle: The page @/n.txt would replace the file its "
      "text is read from. Nothing was written. Name another page with --output PAGE.\n(end)",
      "run -o h.txt --text n.txt", "msg run 1: |wendle: The page @/h.txt would replace the file",
      "run -o l.txt --text n.txt", "msg run 1: |wendle: The page @/l.txt would replace the file",
      "sh \"$1\" -o n.txt --text - <n.txt", "msg run 1: |wendle: The page @/n.txt would replace the",
      "is n.txt notes", "ls . h.txt l.txt n.txt t.html"}},
    // A name that is not UTF-8 would reach its UTF-8 twin if it were read as Windows-1252.
    {{"aNameThatIsNotUtf8IsRefused", "put \xc3\xa9.html twin", "put caf\xc3\xa9.txt x",
      "sh \"$1\" -o $'\\xe9.html' --title $'T\\xe9'", "msg run 1: |wendle: The name \\xe9.html is "
      "not UTF-8", "sh \"$1\" -o p.html --text $'caf\\xe9.txt'", "msg run 1: |wendle: The name "
      "caf\\xe9.txt is not", "sh \"$1\" --build $'\\xe9\\xff.wendle'", "msg run 1: |wendle: The "
      "name \\xe9\\xff.wendle is not", "is \xc3\xa9.html twin", "gone p.html",
      "proj \xc3\xa9.wendle T|X|", "open \xe9.wendle", "msg error: The name \\xe9.wendle is not",
      "fields |"}},
    {{"aRemovedCurrentFolderLeadsNowhere", "proj a.wendle T|X|p.html",
      "rungone root -o wendle-gone.html --template @/t.html --save wendle-gone.wendle",
      "msg run 1: |wendle: The name wendle-gone.html leads nowhere: the current folder it is "
      "taken from has been removed. Nothing was read or written", "rungone root --init wendle-gone",
      "msg run 1: |wendle: The name wendle-gone leads", "rungone nobody --build a.wendle",
      "msg run 1: |wendle: The name a.wendle leads", "rungone root -o - --template @/t.html --title T",
      "msg run 0: <h1>T</h1>|(end)", "mkdir g", "cd g", "rm g", "open a.wendle",
      "msg error: The name a.wendle leads nowhere", "fields |"}},
    {{"filesOfUnknownSizeAreReadWhole", "proj a.wendle T|X|p.html", "run -o - --text "
      "/proc/self/status", "msg run 0: <h1></h1>Name:\twendle\r\n", "sh exec -a '[%s|%s]' \"$1\" "
      "--build --template /proc/self/cmdline a.wendle", "msg run 0: |(end)", "is p.html [T|X]"}},
    // Endless input is refused; a long one takes little more memory than its length.
    {{"standardInputWithoutEnd", "nosanitizer", "sh yes | prlimit --as=400000000 \"$1\" -o z.html "
      "--text -", "msg run 1: |wendle: Standard input does not fit in the memory Wendle may use. "
      "Nothing was written.\n(end)", "sh head -c 300M /dev/zero | prlimit --as=525000000 \"$1\" -o "
      "z.html --text -", "msg run 0: |wendle: standard input: warning:", "is z.html <h1></h1>"}},
    {{"aProjectBeyondTheMemoryIsSaid", "nosanitizer", "put b.wendle \0\0\0\0\x10\0\0\0\0\x65\xcd\x1d\0\0\0\0"s,
      "sparse b.wendle 500000016", "proj a.wendle T|X|", "sh prlimit --as=400000000 \"$1\" --show b.wendle "
      "a.wendle", "msg run 1: ==> a.wendle <==\ntitle: T\npage: \nformat: html\n\nX\n|wendle: b.wendle: There "
      "is not enough memory to show the project.\n(end)", "sh prlimit --as=400000000 \"$1\" --build b.wendle",
      "msg run 1: |wendle: b.wendle: There is not enough memory to build the page. Nothing was written.\n(end)"}},
    // SIGTERM while pages are being written: the run ends, and leaves no temporary file.
    {{"aSignalLeavesNoTemporaryFile", "proj a.wendle T|" + kLongText + "|p.html", "sh for i in "
      "$(seq 50); do cp a.wendle a$i.wendle; done; \"$1\" --build a*.wendle & until ls -A | grep -q "
      "'^\\.p' || ! kill -0 $!; do :; done; kill $!; wait $!; echo $? $(ls -A | grep -c '^\\.')",
      "msg run 0: 143 0\n|", "sh \"$1\" --build --watch a*.wendle & until ls -A | grep -q '^\\.p' || ! kill "
      "-0 $!; do :; done; kill -HUP $!; wait $!; echo $? $(ls -A | grep -c '^\\.')", "msg run 0: 0 0\n|",
      // -o - --save blocked on a pipe that nobody reads (| less) ends at once, leaving nothing.
      "sh head -c 200000 /dev/zero | tr '\\0' x >x.txt; coproc sleep 9; exec 3>&${COPROC[1]}; \"$1\" "
      "-o - --text x.txt --save s.wendle >&3 & sleep 1; kill $!; for i in $(seq 50); do kill -0 $! "
      "|| break; sleep 0.1; done 2>/dev/null; kill -9 $! $COPROC_PID 2>/dev/null; wait $!; echo $? "
      "$(ls -A | grep -c '^\\.')", "msg run 0: 143 0\n|", "put b.wendle bad", "sh \"$1\" --build "
      "a.wendle $(yes b.wendle | head -2000) 2>&1 | head -c 1 >/dev/null; echo ${PIPESTATUS[0]} $(ls "
      "-A | grep -c '^\\.')", "msg run 0: 141 0\n|"}},
    {{"initRefusesWhatIsInTheWay", "mkdir s/template.html", "run --init s", "msg run 1: |wendle: "
      "s/template.html is in the way: it is not a file", "ls s template.html", "run --init=-d",
      "msg run 0: Open the welcome project with:\n  cd ./-d && wendle welcome.wendle\n|(end)",
      "same -d/welcome.wendle " WENDLE_EXAMPLES "/welcome.wendle"}},
    {{"closedStreamsStayOutOfPages", "proj 1.wendle T|X|1.html", "put bad.wendle bad",
      "proj 2.wendle U|Y|2.html", "runclosed --build 1.wendle bad.wendle 2.wendle",
      "msg run 1: |(end)", "is 1.html <h1>T</h1>X", "is 2.html <h1>U</h1>Y", "feed a",
      "runclosed -o 3.html --text -", "msg run 1: |(end)", "gone 3.html"}},
    {{"scriptsShowProjects", "proj a.wendle T%2|x\r\ny|p.html", "proj w.wendle \x93q\x94|\x80|w\xe9",
      "put bad.wendle bad", "run --show a.wendle bad.wendle w.wendle", "msg run 1: ==> a.wendle <==\n"
      "title: T%2\npage: p.html\nformat: html\n\nx\ny\n==> w.wendle <==\ntitle: \xe2\x80\x9cq\xe2\x80\x9d\npage: w\xc3\xa9\nformat: html\n\n"
      "\xe2\x82\xac\n|wendle: Cannot read file @/bad.wendle: It is not a Wendle project",
      "proj a.wendle T%2|x\r\ny|p.html|md", "run --show --json a.wendle",
      R"(msg run 0: {"format":"markdown","page":"p.html","text":"x\ny","title":"T%2"})"
      "\n|(end)", "run --init s!", "msg run 0: Open the welcome project with:\n  cd 's!' && wendle "
      "welcome.wendle\n|(end)", "same s!/welcome.wendle " WENDLE_EXAMPLES "/welcome.wendle",
      "same s!/markdown.wendle " WENDLE_EXAMPLES "/markdown.wendle",
      "put s!/template.html mine", "run --init s!", "msg run 0: kept s!/template.html, which is "
      "there already\n", "is s!/template.html mine", "runempty --init", "msg run 2: |wendle: "
      "--output, --template, --text, --save and --init each need a name", "runempty -o",
      "msg run 2: |wendle: --output,", "runempty -o p.html --save", "msg run 2: |wendle: --output,", "ls . a.wendle bad.wendle "
      "s! t.html w.wendle"}},
    // Markdown by --from, else by the text file's name; standard input is HTML.
    {{"scriptsTakeTheTextsFormat", "put t.html [%s|%s]", "put n.md # A", "put n.txt # A",
      "run -o - --text n.md", "msg run 0: [|<h1>A</h1>\n]|(end)", "run -o - --text n.txt",
      "msg run 0: [|# A]|(end)", "run -o - --text n.txt --from markdown",
      "msg run 0: [|<h1>A</h1>\n]|(end)", "run -o - --text n.md --from html",
      "msg run 0: [|# A]|(end)", "feed # A", "run -o - --text -", "msg run 0: [|# A]|(end)",
      "run -o p.html --text n.md --save p.wendle", "msg run 0: |(end)",
      "isproj p.wendle |# A|p.html|md", "put p.html old", "run --build p.wendle",
      "msg run 0: |(end)", "is p.html [|<h1>A</h1>\n]", "run -o - --from rst",
      "msg run 2: |wendle: --from takes markdown or html."}},
    {{"showKeepsControlsOffTheTerminal", "proj e.wendle T\x1b]0;x\x07|a\rb\xc2\x9b" "c\t|p\x1b.html",
      "run --show e.wendle", "msg run 0: title: T^[]0;x^G\npage: p^[.html\nformat: html\n\na^Mb\\u009bc\t\n|(end)",
      "proj \x1b[2J.wendle ||", "run --show \x1b[2J.wendle e.wendle", "msg run 0: ==> ^[[2J.wendle <==\n",
      "run --build \x1b[2J.wendle", "msg run 1: |wendle: ^[[2J.wendle: The project names no page"}},
    {{"aHiddenPageIsSaidHidden", "proj .d/a.wendle T|X|a.html", "put .d/t.html <%s%s>",
      "watch --build --watch --serve .d/a.wendle", "waitfor .d/a.html <TX>", "stop",
      "msg watch 0: not served: @/.d/a.html is hidden"}},
    {{"theCommandLineRefuses", "put t.html [%s|%s]", "proj a/out.wendle T|X|../b/o.html",
      "proj a/t.wendle T|X|t.html", "put a/t.html %s%s", "run --build a/out.wendle a/t.wendle",
      "msg run 1: |wendle: a/out.wendle: The project writes its page outside the project's folder, "
      "to @/b/o.html; build it there with --allow-outside.\nwendle: a/t.wendle: The page "
      "@/a/t.html would replace its own template. Nothing was written. Name another template "
      "with --template FILE.",
      "gone b/o.html", "is a/t.html %s%s", "mkdir b",
      "run --build --allow-outside --template t.html a/out.wendle",
      "msg run 0: ", "is b/o.html [T|X]"}},
    {{"aLinkCannotCarryTheBatchOut", "put secret.txt keep", "proj s/a.wendle T|X|p.html",
      "link s/p.html ../secret.txt", "proj s/b.wendle T|X|q.html", "link s/q.html in/q.html",
      "put s/in/q.html old", "put s/t.html <%s%s>", "run --build s/a.wendle s/b.wendle",
      "msg run 1: |wendle: s/a.wendle: The project writes its page outside the project's folder, "
      "to @/secret.txt through the link @/s/p.html; build it there with --allow-outside.\n(end)",
      "is secret.txt keep", "is s/in/q.html <TX>", "run --build --allow-outside s/a.wendle",
      "msg run 0: |(end)", "is secret.txt <TX>"}},
    {{"aFolderThatOnlyLooksInsideIsOutside", "put site/t.html <%s%s>", "mkdir site2",
      "mkdir out", "link site/sub ../out", "proj site/a.wendle T|X|a.html",
      "link site/a.html ../site2/a.html", "proj site/b.wendle T|X|b.html",
      "link site/b.html sub/b.html", "run --build site/a.wendle site/b.wendle",
      "msg run 1: |wendle: site/a.wendle: The project writes its page outside the project's "
      "folder, to @/site2/a.html through the link @/site/a.html; build it there with "
      "--allow-outside.\nwendle: site/b.wendle: The project writes its page outside the "
      "project's folder, to @/site/sub/b.html through the link @/site/b.html; build",
      "ls site2 ", "ls out "}},
    {{"aLinkOutOfTheFolderAsks", "put secret.txt keep", "proj s/a.wendle T|X|p.html",
      "link s/p.html ../secret.txt", "put s/t.html <%s%s>", "Open s/a.wendle", "reply no", "Build",
      "msg ask: This project writes its page outside the project's folder, to\n@/secret.txt\n"
      "through the link @/s/p.html\n\nBuild",
      "is secret.txt keep", "link s/q.html in/q.html", "put s/in/q.html old",
      "proj s/b.wendle T|X|q.html", "Open s/b.wendle", "Build", "is s/in/q.html <TX>",
      "reply yes", "BuildAs s/p.html", "msg ask: p.html already exists", "is secret.txt <TX>"}},
    {{"everyPageIsOnTheDiskBeforeItCounts", "proj a/1.wendle T|X|1.html", "put a/t.html <%s%s>",
      "proj a/2.wendle T|X|2.html", "proj b/3.wendle T|X|3.html", "put b/t.html [%s%s]",
      "traced --build a/1.wendle b/3.wendle a/2.wendle", "msg run 0: |(end)", "durable 3",
      "is b/3.html [TX]", "trace", "title T", "Build p.html", "SaveAs a.wendle", "title 2", "Save",
      "durable 3", "isproj a.wendle T2||p.html"}},
    {{"watchRebuildsAtEverySave", "proj a.wendle T|X|p.html", "proj b.wendle U|Y|q.html",
      "put t.html <%s>%s", "proj s/d/c.wendle W|Z|r.html", "put s/d/t.html <%s>%s",
      "watch --build --watch a.wendle b.wendle s/d/c.wendle", "waitfor q.html <U>Y",
      "replace t.html [%s]%s", "waitfor p.html [T]X", "replace t.html {%s}%s",
      "waitfor q.html {U}Y", "proj a.wendle V|X|p.html", "waitfor p.html {V}X", "put t.html %s",
      "waitout a.wendle: The template @/t.html has no marker for the text", "is p.html {V}X",
      "rm t.html", "waitout wendle: @/t.html: It was removed", "put t.html (%s)%s",
      "waitfor p.html (V)X", "waitfor q.html (U)Y", "rm s/d",  // a folder gone and made again
      "waitout wendle: @/s/d/c.wendle: It was removed", "proj s/d/c.wendle V|Z|r.html",
      "put s/d/t.html [%s]%s", "waitfor s/d/r.html [V]Z", "put u.html {%s}%s",
      "put s/d/u.html {%s}%s", "wait 300", "put profile [Template File]\nFileName=u.html\n",
      "waitfor s/d/r.html {V}Z", "waitfor p.html {V}X", "replace s/d/u.html (%s)%s",
      "waitfor s/d/r.html (V)Z", "rm profile", "wait 300",  // a new profile: only its folder shows it
      "replace profile [Template File]\nFileName=t.html\n", "waitfor p.html (V)X", "stop",
      "msg watch 0: |wendle: a.wendle:", "ls . a.wendle b.wendle p.html q.html s t.html u.html"}},
    {{"noPageNameMakesBuildAsk", "Build old.html", "proj a.wendle T|X|", "Open a.wendle",
      "names t.html|a.wendle|", "Build new.html"}},
    {{"aFailedOpenKeepsEverything", "proj a.wendle T|X|p.html", "Open a.wendle",
      "put o/bad.wendle \5\0\0\0garbage"s, "mkdir o/dir.wendle", "Open -",
      "msg No file was chosen.", "Open o/bad.wendle",
      "msg @/o/bad.wendle:\nIt is not a Wendle project, or it is damaged.", "Open o/dir.wendle",
      "msg Cannot read file @/o/dir.wendle:\nIt is a folder", "SaveAs -", "msg No file was chosen.",
      "names t.html|a.wendle|p.html", "fields T|X", "Save", "isproj a.wendle T|X|p.html"}},
    {{"saveAsAsksBeforeItReplaces", "Build p.html", "put o/p.html <p>", "reply no",
      "choose o/p.html", "choose -", "SaveAs", "msg ask: p.html already exists.\nDo you want to "
      "replace it?", "msg No file was chosen.", "is o/p.html <p>", "title T", "Build",
      "SaveAs a.wendle", "title !", "SaveAs a.wendle", "isproj a.wendle T!||p.html",
      "proj b.wendle B||", "reply yes", "limit 5", "SaveAs b.wendle", "msg ask:",
      "msg Cannot write file @/b.wendle", "title ?", "Save", "isproj a.wendle T!?||p.html"}},
    {{"saveStaysInTheProjectsFolder", "proj p/a.wendle T|X|p.html", "Open p/a.wendle",
      "Template t.html", "title 2", "Save", "Build", "isproj p/a.wendle T2|X|p.html",
      "is p/p.html <h1>T2</h1>X", "ls . p t.html"}},
    {{"aFolderInThePageNameAsks", "mkdir o", "proj a.wendle T|X|@/o/p.html", "Open a.wendle",
      "reply no", "Build",
      "msg ask: This project writes its page outside the project's folder, to\n@/o/p.html\n",
      "gone o/p.html", "reply yes", "Build", "msg @/o/p.html", "is o/p.html <h1>T</h1>X"}},
    {{"theConsentedFileIsTheFileWritten", "mkdir o", "put p/t.html <%s%s>", "put s.txt s",
      "proj p/a.wendle T|X|../o/p.html", "Open p/a.wendle", "reply yes link o/p.html ../s.txt",
      "Build", "msg ask:", "is o/p.html <TX>", "is s.txt s"}},
    {{"aRelativePageNameAsks", "mkdir o", "proj p/a.wendle T|X|../o/p.html", "Open p/a.wendle",
      "reply no", "Build", "msg to\n@/o/p.html", "gone o/p.html", "proj b.wendle T|X|..\\o\\p.html",
      "Open b.wendle", "reply no", "Build", "msg to\n@/..\\o\\p.html", "proj a.wendle T|X|p.html",
      "Open a.wendle", "Build", "is p.html <h1>T</h1>X", "ls . a.wendle b.wendle o p p.html t.html"}},
    {{"anotherProgramsChangeIsNotOverwrittenUnasked", "proj a.wendle T|X|", "Open a.wendle",
      "title !", "proj a.wendle Other|x|", "reply cancel", "Save",
      "msg ask: The project @/a.wendle was changed by another program after Wendle opened it. " "Save over it?",
      "isproj a.wendle Other|x|", "fields T!|X", "reply save", "Save", "msg ask:",
      "isproj a.wendle T!|X|", "title ?", "Save", "isproj a.wendle T!?|X|", "rm a.wendle", "Save",
      "isproj a.wendle T!?|X|"}},
    {{"twoWindowsOnOneProject", "proj a.wendle T|X|", "Open a.wendle", "swap", "Open a.wendle",
      "title 2", "Save", "swap", "title 1", "reply cancel", "Save", "msg ask: The project",
      "isproj a.wendle T2|X|"}},
    {{"saveNeverReplacesWhatIsNotAProject", "put notes.txt n", "proj c.wendle C||",
      "proj b/b.wendle T|X|", "Open b/b.wendle", "title !", "rm b/b.wendle",
      "link b/b.wendle ../notes.txt", "Save", "msg error: The project @/b/b.wendle is now a link "
      "to @/notes.txt, which is not a Wendle project.", "is notes.txt n", "rm b/b.wendle",
      "link b/b.wendle ../c.wendle", "reply cancel", "Save", "msg ask: The project @/b/b.wendle "
      "(now a link to @/c.wendle) was changed", "rm b/b.wendle", "put b/b.wendle n", "Save",
      "msg with a file that is not a Wendle project", "reply no", "choose b/b.wendle", "choose -",
      "SaveAs", "msg ask: b.wendle already exists", "msg No file was chosen.", "is b/b.wendle n", "rm b/b.wendle",
      "link b/b.wendle ../gone.wendle", "Save", "msg now a link to @/gone.wendle,", "gone gone.wendle"}},
    {{"theWelcomeProjectReadsBack", "open " WENDLE_EXAMPLES "/welcome.wendle",
      "names t.html|welcome.wendle|welcome.html", "SaveAs w.wendle",
      "same w.wendle " WENDLE_EXAMPLES "/welcome.wendle"}},
    {{"filesDroppedFromAFileManager", "proj p/a.wendle T|X|a.html", "put p/n.html <%s>%s",
      "put x.txt x", "nodrop x.txt", "nodrop p/a.wendle p/n.html", "drop p/n.html",
      "names n.html||", "is profile [Template File]\nFileName=n.html\n", "title !", "reply cancel",
      "drop p/a.wendle", "msg ask:", "fields !|", "reply discard", "drop p/a.wendle", "msg ask:",
      "names n.html|a.wendle|a.html", "Build", "is p/a.html <T>X"}},
    {{"windows1252TextIsRead", "proj a.wendle \x93q\x94|\x80|p\xe9.html", "Open a.wendle",
      "fields \xe2\x80\x9cq\xe2\x80\x9d|\xe2\x82\xac", "Save", "Build",
      "isproj a.wendle \xe2\x80\x9cq\xe2\x80\x9d|\xe2\x82\xac|p\xe9.html",
      "is p\xc3\xa9.html <h1>\xe2\x80\x9cq\xe2\x80\x9d</h1>\xe2\x82\xac"}},

    // Files and folders that are not what the command expects.
    {{"aFolderInTheWay", "mkdir p.html", "mkdir p.wendle", "Build p.html",
      "msg Cannot write file @/p.html:\n", "SaveAs p.wendle", "msg Cannot write file @/p.wendle:\n",
      "names t.html||p.html", "mkdir o/t.html", "BuildAs o/p.html",
      "msg @/o/t.html:\nIt is a folder", "ls o t.html", "fifo f.html", "BuildAs f.html",
      "msg @/f.html:\nIt is a device, a pipe or a socket", "run -o f.html --template t.html",
      "msg run 1: |wendle: Cannot write file @/f.html: It is a device", "run -o - --text f.html",
      "msg run 1: |wendle: Cannot read file @/f.html: It is a device", "rm profile", "fifo profile",
      "run -o - --title x", "msg run 1: |wendle: No template has been chosen."}},
    // As a user who may not write everything: each refused with the system's reason, and every
    // file as it was.
    {{"filesTheUserMayNotWrite", "title a", "Build p.html", "SaveAs a.wendle", "put g.html old",
      "chmod g.html 664", "put d/t.html <%s%s>", "put d/p.html old", "user nobody", "title b",
      "Build", "msg Cannot write file @/p.html:\nPermission denied", "Save",
      "msg Cannot write file @/a.wendle:\nPermission denied", "reply yes", "BuildAs g.html",
      "msg ask:", "msg Cannot write file @/g.html:\nPermission denied", "reply yes",
      "BuildAs d/p.html", "msg ask:", "msg Cannot write file @/d/p.html:\nPermission denied", "is p.html <h1>a</h1>",
      "isproj a.wendle a||p.html", "is g.html old", "is d/p.html old", "ls d p.html t.html",
      "ls . a.wendle d g.html p.html t.html", "user root", "give a.wendle", "chmod a.wendle 200",
      "user nobody", "Save", "msg Cannot read file @/a.wendle:\nPermission denied"}},
    {{"aFolderThatCannotBeOpened", "put d/t.html <%s%s>", "put d/p.html old", "give d",
      "give d/p.html", "chmod d 300", "user nobody", "reply yes", "Build d/p.html", "msg ask:",
      "msg Cannot write file @/d/p.html:\nPermission denied", "user root", "is d/p.html old",
      "ls d p.html t.html"}},
    // Recovery copies: kept while closing would ask, gone when nothing would be lost.
    {{"aCopyIsKeptUntilNothingWouldBeLost", "title a", "copy a||", "key Backspace", "nocopy",
      "title a", "copy a||", "SaveAs a.wendle", "nocopy",
      "text b", "copy a|b|", "Build p.html", "nocopy", "title c", "copy ac|b|p.html",
      "reply discard", "New", "msg ask:", "nocopy", "title d", "copy d||p.html", "reply discard",
      "close", "msg ask:", "start", "nocopy", "title e", "copy e||", "swap", "offer", "swap",
      "rm state/wendle", "title f", "copy ef||"}},
    {{"steadyTypingIsCopied", "steady 12000"}},
    {{"typingGoesOnWhileACopyIsWritten", "hold", "title a", "wait 1100", "title b", "wait 1100",
      "fields ab|", "nocopy", "release", "copy ab||"}},
    {{"nothingIsLeftBehind", "put state/wendle/recovery/window-5-5.json {}",
      "put state/wendle/recovery/.window-5-5.wendle.x x", "title a", "copy a||", "reply discard",
      "close", "msg ask:", "start", "ls state/wendle/recovery .window-5-5.wendle.x window-5-5.json",
      "offer", "ls state/wendle/recovery "}},
    {{"aCopyLeftIsOffered", kCopy + "1-1.wendle T|X|p.html", Info(1, 10, kA),
      "put state/wendle/recovery/window-2-2.wendle bad", "put state/wendle/recovery/window-2-2.json {}",
      kCopy + "3-3.wendle " + kLongTitle + "||", Info(3, 11, "\"x\": 0"), kCopy + "4-4.wendle ||",
      Info(4, 12, "\"x\": 0"), "reply later", "reply later", "reply later", "offer",
      "msg error: A recovery copy cannot be read: Cannot read file", "msg ask: Wendle was closed "
      "before the changes to a project never saved, with no title were saved (", "msg titled \"" +
      std::string(60, 't') + "\xe2\x80\xa6" + std::string(60, 't') + "\" were saved (",
      "msg ask: Wendle was closed before the changes to @/a.wendle were saved (", "reply discard",
      "reply discard", "reply discard", "offer", "msg ask:", "msg ask:", "msg ask:", "nocopy",
      "is state/wendle/recovery/damaged-window-2-2.wendle bad"}},
    {{"filesInTheRecoveryFolderAreInput", "put s.txt secret", Info(6, 10, kA),
      kCopy + "5-5.wendle T||", "put j.json {\"saved\": \"2026-12-07T10:00:00\"}",
      "link state/wendle/recovery/window-5-5.json @/j.json",
      kCopy + "7-7.wendle T||", Info(7, 10, R"("projectName": "a.wendle", "projectFolder": "o")"),
      "link state/wendle/recovery/window-6-6.wendle @/s.txt", kCopy + "8-8.wendle T|X|",
      "put state/wendle/recovery/window-8-8.json", "sparse state/wendle/recovery/window-8-8.json "
      "107374182400", kCopy + "9-9.wendle T|X|", "fifo state/wendle/recovery/window-9-9.json",
      "offer", "msg symbolic links", "msg symbolic links", "msg description is damaged.\n\xe2\x81\xa8", "msg too large to be a description", "msg a device, a pipe or a socket",
      "is s.txt secret"}},
    {{"aCopyTooLargeForMemoryIsSetAside", "nosanitizer", "put state/wendle/recovery/window-9-9.wendle",
      "sparse state/wendle/recovery/window-9-9.wendle 3000000000", Info(9, 10, kA), "lean",
      "msg It does not fit in the memory", "ls state/wendle/recovery damaged-window-9-9.json "
      "damaged-window-9-9.wendle"}},
    {{"aReadOnlyRecoveryFolder", "mount state/wendle/recovery", kCopy + "1-1.wendle T|X|p.html",
      Info(1, 10, kA), "put state/wendle/recovery/window-2-2.wendle bad",
      "fifo state/wendle/recovery/window-3-3.wendle", "readonly state/wendle/recovery 1",
      "reply discard", "offer",
      "msg It cannot be moved aside (Read-only file system), so it stays where it is", "msg ask:",
      "msg error: The recovery copy", "offer", "readonly state/wendle/recovery 0", "offer",
      "msg a device, a pipe or a socket", "ls state/wendle/recovery damaged-window-2-2.wendle "
      "damaged-window-3-3.wendle"}},
    {{"aCopyRestoredInAReadOnlyFolderThenDropped", "mount state/wendle/recovery",
      kCopy + "1-1.wendle T|X|", Info(1, 10, kA), "readonly state/wendle/recovery 1",
      "reply restore", "offer", "msg ask:", "msg error: Wendle cannot keep", "swap", "offer",
      "swap", "reply discard", "close", "msg ask:", "start", "offer"}},
    {{"aRestoreOnAFullDiskKeepsTheCopy", "mount state/wendle/recovery",
      kCopy + "1-1.wendle T|" + kFill + "|", Info(1, 10, kA), "reply restore", "offer", "msg ask:",
      "msg error: Wendle cannot keep a recovery copy", "isproj state/wendle/recovery/window-1-1."
      "wendle T|" + kFill + "|", "swap", "offer", "swap"}},
    {{"aRestoredPageElsewhereAsks", "mkdir o", kCopy + "1-1.wendle ||v.html", Info(1, 10,
      R"("projectName": "a.wendle", "projectFolder": "@", "outputName": "v.html", )"
      R"("outputFolder": "@/o")"), "reply restore", "offer",
      "msg Restore them?\n\nThe next Build writes the page @/o/v.html.", "copy ||v.html",
      "reply no", "Build", "msg ask: This project writes its page outside the project's folder, "
      "to\n@/o/v.html", "gone o/v.html", "reply cancel", "key Escape", "msg ask: The title"}},
    {{"aRestoredOwnPageIsNotNamed", kCopy + "1-1.wendle ||p.html", Info(1, 10,
      R"("projectName": "a.wendle", "projectFolder": "@", "outputName": "p.html", )"
      R"("outputFolder": "@/")"), "reply later", "offer", "ends Restore them?"}},
    {{"aRestoredCopyKnowsItsProject", "proj a.wendle T|X|p.html", kCopy + "1-1.wendle T!|X|p.html",
      Info(1, 10, kA + R"(, "projectDigest": )"
      R"("200a5ca118146b696c80e0f20a51185944ca5d5ed58f59324bf76237a4b4d363")"), "reply restore",
      "offer", "msg ask:", "Save", "isproj a.wendle T!|X|p.html", "start", kCopy + "1-1.wendle U|# V||md",
      Info(1, 10, R"("projectNameBytes": "Yekud2VuZGxl", "outputNameBytes": "cIAuaHRtbA==", )"
      R"("projectFolder": "@", "outputFolder": "@")"),
      "reply restore", "offer", "msg ask:", "names t.html|a\xe9.wendle|p\x80.html", "Build",
      "is p\xe2\x82\xac.html <h1>U</h1><h1>V</h1>\n"}},
    {{"aRestoredCopyIsUnsavedWork", kCopy + "1-1.wendle T|X|p.html", Info(1, 10,
      R"("projectName": "a.wendle", "projectFolder": "@/o", "outputName": "p.html", )"
      R"("outputFolder": "@/o", "outputFromProject": true, "projectHash": "1")"), "reply restore",
      "offer", "msg ask:", "fields T|X", "names t.html|a.wendle|p.html", "copy T|X|p.html",
      "reply cancel", "close", "msg ask: The title and text", "proj o/a.wendle O||", "reply save",
      "Save", "msg ask: Wendle cannot tell whether the project @/o/a.wendle was changed",
      "isproj o/a.wendle T|X|p.html", "nocopy"}},
    {{"aCopyThatCannotBeWrittenIsToldOnce", "put state/wendle x", "title a", "signal",
      "msg signal: Cannot write", "title b", "wait 1500",
      "msg error: Wendle cannot keep a recovery copy", "title c", "wait 1500", "SaveAs a.wendle"}},
    {{"aSignalWithNothingUnsavedLeavesNothing", "title a", "copy a||", "key Backspace", "signal",
      "msg signal: ", "ls state/wendle/recovery "}},
    {{"aRemovedFolder", "put g/t.html %s%s", "SaveAs g/a.wendle", "Build g/p.html", "rm g", "Save",
      "msg Cannot write file @/g/a.wendle:\n", "Build",
      "msg The name t.html leads nowhere: the current folder it is taken from has been removed.",
      "mkdir g", "Save",
      "isproj g/a.wendle ||p.html"}},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Window, Crossed,
                         testing::Combine(testing::Values(Row{{"Window"}}),
                                          testing::ValuesIn(kRows)),
                         CrossedName);

// Build, Save and Save As on a failing disk: the earlier file stays byte for byte, no
// temporary file is left, the message names the file and the reason, the next click works.
const Row kSaves[] = {
    {{"Build", "FIRST=Build", "AGAIN=Build", "FILE=p.html", "EARLIER=is d/p.html <h1>a</h1>",
      "LATER=is d/p.html <h1>a</h1>xxxxx"}},
    {{"Save", "FIRST=SaveAs", "AGAIN=Save", "FILE=a.wendle", "EARLIER=isproj d/a.wendle a||",
      "LATER=isproj d/a.wendle a|xxxxx|"}},
    {{"SaveAs", "FIRST=SaveAs", "AGAIN=SaveAs d/a.wendle", "FILE=a.wendle",
      "EARLIER=isproj d/a.wendle a||", "LATER=isproj d/a.wendle a|xxxxx|"}},
};
const Row kDiskFaults[] = {
    {{"aWriteCutShort", "mkdir d", "put d/t.html <h1>%s</h1>%s", "title a", "FIRST d/FILE",
      "fill 65536", "limit 4096", "AGAIN", "msg Cannot write file @/d/FILE:\nOnly ", "EARLIER",
      "ls d FILE t.html", "fill 5", "AGAIN", "LATER"}},
    {{"aFinalFlushCutShort", "mkdir d", "put d/t.html <h1>%s</h1>%s", "title a", "FIRST d/FILE",
      "fill 2000", "limit 1024", "AGAIN", "msg Cannot write file @/d/FILE:\nOnly ", "EARLIER",
      "ls d FILE t.html", "fill 5", "AGAIN", "LATER"}},
    {{"aFullDisk", "mount d", "put d/t.html <h1>%s</h1>%s", "title a", "FIRST d/FILE",
      "fill 524288", "AGAIN", "msg Cannot write file @/d/FILE:\nOnly ", "EARLIER",
      "ls d FILE t.html", "fill 5", "AGAIN", "LATER"}},
    {{"aReadOnlyFolder", "mount d", "put d/t.html <h1>%s</h1>%s", "title a", "FIRST d/FILE",
      "fill 9", "readonly d 1", "AGAIN", "readonly d 0",
      "msg Cannot write file @/d/FILE:\nRead-only file system", "EARLIER", "ls d FILE t.html",
      "fill 5", "AGAIN", "LATER"}},
};
INSTANTIATE_TEST_SUITE_P(DiskFaults, Crossed,
                         testing::Combine(testing::ValuesIn(kSaves),
                                          testing::ValuesIn(kDiskFaults)),
                         CrossedName);

// Closing, New and Open when typed work would be lost: each road against each answer.
const Row kRoads[] = {
    {{"EnterInTheTitle", "ROAD=key Return", "WENT=shown 0", "OPEN="}},
    {{"Escape", "ROAD=key Escape", "WENT=shown 0", "OPEN="}},
    {{"TheCloseButton", "ROAD=close", "WENT=shown 0", "OPEN="}},
    {{"New", "ROAD=New", "WENT=fields |", "OPEN="}},
    {{"Open", "ROAD=Open", "WENT=fields B|b", "OPEN=choose b.wendle"}},
};
const Row kAnswers[] = {
    {{"unchanged", "proj a.wendle T|X|", "proj b.wendle B|b|", "Open a.wendle", "title", "OPEN",
      "ROAD", "WENT", "isproj a.wendle T|X|"}},
    {{"cancel", "proj a.wendle T|X|", "Open a.wendle", "title !", "reply cancel", "ROAD",
      "msg ask: The title and text have changes", "fields T!|X", "shown 1"}},
    {{"discard", "proj a.wendle T|X|", "proj b.wendle B|b|", "Open a.wendle", "title !",
      "reply discard", "OPEN", "ROAD", "msg ask:", "WENT", "isproj a.wendle T|X|"}},
    {{"save", "proj a.wendle T|X|", "proj b.wendle B|b|", "Open a.wendle", "title !", "reply save",
      "OPEN", "ROAD", "msg ask:", "WENT", "isproj a.wendle T!|X|"}},
    {{"saveAs", "proj b.wendle B|b|", "title !", "reply save", "choose s.wendle", "OPEN", "ROAD",
      "msg ask:", "WENT", "isproj s.wendle !||"}},
    {{"saveAsCancelled", "title !", "reply save", "choose -", "ROAD",
      "msg ask:", "msg No file was chosen.", "fields !|", "ls . t.html", "shown 1"}},
    {{"saveOverAChangedFileCancelled", "proj a.wendle T|X|", "Open a.wendle", "title !",
      "proj a.wendle O|o|", "reply save", "reply cancel", "ROAD",
      "msg ask:", "msg ask: The project @/a.wendle was changed", "fields T!|X",
      "isproj a.wendle O|o|", "shown 1"}},
    {{"aFailedSave", "proj a.wendle T|X|", "Open a.wendle", "title !", "rm a.wendle",
      "mkdir a.wendle", "reply save", "ROAD",
      "msg ask:", "msg Cannot write file @/a.wendle:", "fields T!|X", "shown 1"}},
};
INSTANTIATE_TEST_SUITE_P(LosingWork, Crossed,
                         testing::Combine(testing::ValuesIn(kRoads), testing::ValuesIn(kAnswers)),
                         CrossedName);

// The real file prompt (Qt's own dialog, offscreen) and message boxes, answered by their own
// name field and buttons once they are up.
void WhenShown(const std::function<void(QWidget*)>& answer)
{
    QTimer::singleShot(0, [answer] { answer(QApplication::activeModalWidget()); });
}

TEST(RealDialogs, answerAsTheirButtonsSay)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkdir("sub");
    for (const auto kind : {FilePrompt::Kind::Open, FilePrompt::Kind::Save}) {
        WhenShown([&](QWidget* dialog) {
            EXPECT_EQ(static_cast<QFileDialog*>(dialog)->nameFilters(), QStringList{"Pages (*.x)"});
            // Typed into its name field, then accepted as its Open or Save button does.
            dialog->findChild<QLineEdit*>("fileNameEdit")->setText(dir.filePath("sub/p"));
            QMetaObject::invokeMethod(dialog, "accept");
        });
        const PromptResult chosen = QtFilePrompt().Ask(kind, "x", "Pages|*.x||", "Pick", nullptr);
        EXPECT_EQ(chosen.name, "p.x");
        EXPECT_EQ(QDir::currentPath(), dir.filePath("sub"));
    }
    // Each question (0 AskToSave, 1 Confirm, 2 ConfirmSave) against each of its buttons, and
    // Escape (NoButton).
    QtMessages box;
    const std::tuple<int, QMessageBox::StandardButton, int> table[] = {
        {0, QMessageBox::Save, 0},     {0, QMessageBox::Discard, 1}, {0, QMessageBox::Cancel, 2},
        {0, QMessageBox::NoButton, 2}, {1, QMessageBox::Yes, 1},     {1, QMessageBox::No, 0},
        {1, QMessageBox::NoButton, 0}, {2, QMessageBox::Save, 1},    {2, QMessageBox::NoButton, 0}};
    for (const auto& [question, press, answer] : table) {
        WhenShown([press = press](QWidget* shown) {
            if (press == QMessageBox::NoButton)
                QTest::keyClick(shown, Qt::Key_Escape);
            else
                static_cast<QMessageBox*>(shown)->button(press)->click();
        });
        EXPECT_EQ(question == 0       ? int(box.AskToSave(nullptr, "?"))
                      : question == 1 ? int(box.Confirm(nullptr, "?"))
                                      : int(box.ConfirmSave(nullptr, "?")),
                  answer)
            << press;
    }
}

TEST(PageLanguage, isTheTemplatesElseTheUsers)
{
    // The template's first bytes, the user's languages, the language chosen.
    for (const auto& [head, user, language] :
         std::initializer_list<std::tuple<QByteArray, QStringList, QString>>{
             {"<!DOCTYPE html>\n<HTML class=x\nLANG = 'de-AT'>", {"fr"}, "de-AT"},
             {"<html lang=pt_BR>", {}, "pt_BR"},
             {"<html data-lang=de><p lang=it>", {"fr-CA", "fr"}, "fr-CA"},
             {"<html lang=\"\">", {"es"}, "es"},
             {"<html lang=\"x y\">", {}, "en-US"},
             {"<html lang=\"en\n\" lang=fr>", {"es"}, "es"},  // the first, whole
             {"<html lang=de" + QByteArray("-abcdefgh").repeated(4) + ">", {"es"}, "es"}})
        EXPECT_EQ(PageLanguage(head, user), language) << head.constData();
}

TEST(Finder, findsInTheTextAsEditedSinceItWasRead)
{
    // Edits of every kind while the finder is open, each followed by a search: the finder keeps
    // its copy of the text by reading only what changed, and must find what a fresh read would.
    QWidget window;
    auto* field = new QPlainTextEdit(&window);
    Finder::AddTo(*field);
    for (QShortcut* key : window.findChildren<QShortcut*>())
        if (key->key() == QKeySequence(Qt::CTRL | Qt::Key_F))
            emit key->activated();
    auto* finder = window.findChild<QDialog*>();
    ASSERT_TRUE(finder);
    auto* what = finder->findChild<QLineEdit*>();
    QAbstractButton *next = nullptr, *matchCase = nullptr;
    for (auto* button : finder->findChildren<QAbstractButton*>()) {
        next = button->text() == "&Find Next" ? button : next;
        matchCase = button->text() == "&Match case" ? button : matchCase;
    }
    matchCase->click();
    // A lone surrogate too, which a text in an old encoding may hold and PCRE2 must not see.
    const QStringList pieces = {"a",      "b",          "ab",    "\n",
                                "\u00e9", "\U0001F600", "\n\nb", QString(QChar(0xd83d))};
    std::mt19937 random(7);
    const auto pick = [&](int n) { return int(random() % unsigned(qMax(1, n))); };
    QTextDocument* document = field->document();
    for (int step = 0; step < 1000; ++step) {
        QTextCursor cursor(document);
        const int size = document->characterCount() - 1;
        cursor.setPosition(pick(size + 1));
        switch (pick(6)) {
        case 0:
            document->undo();
            break;
        case 1:
            document->redo();
            break;
        case 2:
            cursor.setPosition(pick(size + 1), QTextCursor::KeepAnchor);
            cursor.removeSelectedText();
            break;
        case 3:
            if (pick(10) == 0)
                field->setPlainText(pieces.join(pieces[pick(pieces.size())]));
            break;
        default:
            cursor.insertText(pieces[pick(pieces.size())].repeated(1 + pick(3)));
        }
        if (pick(3) == 0)  // some edits follow each other before a search
            continue;
        const QString text = document->toRawText(), sought = pieces[pick(3)];
        cursor.setPosition(pick(text.size() + 1));
        field->setTextCursor(cursor);
        what->setText(sought);
        next->click();
        qsizetype at = text.indexOf(sought, cursor.position());
        at = at < 0 ? text.indexOf(sought) : at;
        const QTextCursor found = field->textCursor();
        ASSERT_EQ(at < 0 ? cursor.position() : at, found.selectionStart()) << "step " << step;
        ASSERT_EQ(found.selectedText(), at < 0 ? QString() : sought) << "step " << step;
    }
}

TEST(FieldText, convertsLineBreaksBothWays)
{
    // Bytes to a field's text, and that text (lines as the document separates them) back.
    for (const auto& [bytes, text] :
         {std::pair<QByteArray, QString>{"a\r\nb\r\n", "a\nb\n"},
          {"\r\r\n\n\r", "\r\n\n\r"},
          {"\xf0\x9f\x98\x80\r\n", QString::fromUtf8("\xf0\x9f\x98\x80\n")}}) {
        EXPECT_EQ(FieldTextFromBytes(bytes), text);
        EXPECT_EQ(BytesFromFieldText(QString(text).replace('\n', QChar::ParagraphSeparator)),
                  QByteArray(bytes).replace("\r\n", "\n").replace("\n", "\r\n"));
    }
    EXPECT_EQ(BytesFromFieldText(u"a\u2028b\nc"), "a\r\nb\r\nc");
    // The one pass over UTF-8 bytes gives what the round trip through the field gives.
    for (const QByteArray bytes :
         {"a\nb\r\nc\rd\r\r\n\n\r", "x\xe2\x80\xa8y\xe2\x80\xa9\xe2\x80\xaa\xe2\x82\xac",
          "\xe9\n\xe2\x80", "\r"})
        EXPECT_EQ(TextBytesAsBuilt(bytes), BytesFromFieldText(FieldTextFromBytes(bytes)));
    EXPECT_TRUE(SameFieldText(u"a\u2029b\u2028", u"a\nb\n"));
    EXPECT_FALSE(SameFieldText(u"a\nb", u"a\rb") || SameFieldText(u"a\nb", u"a\n"));
}

TEST(Markdown, reachesThePageAsGitHubFlavouredHtml)
{
    // Each text as a project or the window holds it, then through the page build.
    const std::pair<QByteArray, QByteArray> cases[] = {
        {"# H", "<h1>H</h1>\n"},
        {"*e* **s** ~~x~~", "<p><em>e</em> <strong>s</strong> <del>x</del></p>\n"},
        {"- a\n  1. b", "<ul>\n<li>a<ol>\n<li>b</li>\n</ol>\n</li>\n</ul>\n"},
        {"```\n<&%s\n```", "<pre><code>&lt;&amp;%s\n</code></pre>\n"},
        {"|a|\n|---|\n|1|",
         "<table>\n<thead>\n<tr>\n<th>a</th>\n</tr>\n</thead>\n<tbody>\n<tr>\n"
         "<td>1</td>\n</tr>\n</tbody>\n</table>\n"},
        {"- [x] t",
         "<ul>\n<li class=\"task-list-item\"><input type=\"checkbox\" "
         "class=\"task-list-item-checkbox\" disabled checked>t</li>\n</ul>\n"},
        {"<b>raw</b>\n\n<div>\n*x*\n</div>", "<p><b>raw</b></p>\n<div>\n*x*\n</div>\n"},
        {"see www.example.org",
         "<p>see <a href=\"http://www.example.org\">www.example.org</a>"
         "</p>\n"},
        {"a\r\nb\r\n\r\nc", "<p>a\nb</p>\n<p>c</p>\n"},
        {"caf\xc3\xa9 \xe2\x82\xac", "<p>caf\xc3\xa9 \xe2\x82\xac</p>\n"},
        {"caf\xe9 \x80", "<p>caf\xc3\xa9 \xe2\x82\xac</p>\n"},  // Windows-1252
        {"", ""},
        {"one line", "<p>one line</p>\n"},
    };
    for (const auto& [markdown, html] : cases) {
        const auto [title, text] = BytesAsBuilt("T%", markdown);
        QByteArrayView unread = "[%ss|%s]";
        const auto read = [&unread](char* into, qint64 size) {
            const qsizetype count = qMin(unread.size(), qsizetype(size));
            std::copy_n(unread.data(), count, into);
            unread = unread.sliced(count);
            return qint64(count);
        };
        QByteArray page;
        StreamPage(read, [&page](QByteArrayView piece) { page += piece; }, title,
                   {text, TextFormat::Markdown});
        // The title's "%" and the template's "s" take the text; the HTML is never searched.
        EXPECT_EQ(page.toStdString(), ("[T" + html + "|%s]").toStdString()) << markdown.data();
    }
}

TEST(XdgFolders, aRelativeOneIsIgnored)
{
    // Taken relative, the folders would move with the current folder at every file prompt.
    const QByteArray state = qgetenv("XDG_STATE_HOME"), config = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_STATE_HOME", "s"), qputenv("XDG_CONFIG_HOME", "c");
    EXPECT_EQ(RecoveryFolder(), QDir::home().filePath(".local/state/wendle/recovery"));
    EXPECT_EQ(ProfileStore::DefaultPath(), QDir::home().filePath(".config/wendle.ini"));
    // Nor by Enchant, which would take a project's folder (the current one) for the user's.
    const QString current = QDir::currentPath();
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    WriteFile("c/enchant/hunspell/xx.aff", "SET UTF-8\n");
    WriteFile("c/enchant/hunspell/xx.dic", "1\nhello\n");
    qunsetenv("ENCHANT_CONFIG_DIR");
    EXPECT_FALSE(Speller("xx").HasDictionary());
    QDir::setCurrent(current);
    qputenv("XDG_STATE_HOME", state), qputenv("XDG_CONFIG_HOME", config);
}

TEST(OutputFile, aGroupReportsTheFileWhoseRenameFailed)
{
    QTemporaryDir dir;
    OutputFile kept(dir.filePath("a")), blocked(dir.filePath("b"));
    kept.Write("A");
    blocked.Write("B");
    WriteFile(dir.filePath("b/inside"), "x");  // a full folder, which no rename replaces
    const auto errors = OutputFile::CommitAll({&kept, &blocked});
    EXPECT_FALSE(errors[0]);
    ASSERT_TRUE(errors[1]);
    EXPECT_THAT(errors[1]->message().toStdString(), HasSubstr("Is a directory"));
    EXPECT_EQ(ReadFile(dir.filePath("a")), "A");
    EXPECT_EQ(Entries(dir.path()), QStringList({".", "..", "a", "b"}));
}

TEST(ProjectFile, readsAndWritesOnlyWhatTheOtherTakes)
{
    // The reader and the fields each stop at a NUL byte, so that neither relies on the other.
    QTemporaryDir dir;
    WriteFile(dir.filePath("p"), QByteArray("\3\0\0\0\x16\0\0\0\3\0\0\0\3\0\0\0a\0bc\0dx\0z", 25));
    InputFile input(dir.filePath("p"));
    EXPECT_EQ(ReadProject(input), (ProjectContent{"c", "x", "a"}));
    QPlainTextEdit text;
    SetWindowText(text, QByteArray("x\0z", 3));
    EXPECT_EQ(text.toPlainText(), QStringLiteral("x"));
    // The reader refuses files of 4 GiB or more, so the writer must refuse them too.
    EXPECT_TRUE(ProjectFits(0, 0, 0xffffffffu - 16));
    EXPECT_FALSE(ProjectFits(0, 0, 0xffffffffu - 15));
    EXPECT_FALSE(ProjectFits(8, 0xffffffffu - 30, 7));
    EXPECT_FALSE(ProjectFits(0, 0, 0, (1 << 20) + 1));  // a block that HoldsProject would not read
}

}  // namespace

int main(int argc, char* argv[])
{
    // Set before the QApplication exists, or test discovery at build time needs a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Nothing a test does may reach the real user's profile or folders.
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    // Dialog buttons with icons, as under X11 and most desktops (offscreen has none).
    struct IconsOnButtons : QProxyStyle {
        int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                      QStyleHintReturn* returned) const override
        {
            return hint == SH_DialogButtonBox_ButtonsHaveIcons
                ? 1
                : QProxyStyle::styleHint(hint, option, widget, returned);
        }
    };
    UseDialogButtonStyle(new IconsOnButtons);
    QApplication::setApplicationVersion(QStringLiteral(WENDLE_VERSION));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

#include "WindowTest.moc"
