// The window's commands on large texts, each beside what Qt's own fields cost in the same run.
// The real window, offscreen, with a project whose text is N MiB of 72-byte lines; each command
// is clicked once a round, medians of 3 rounds, at 1, 8 and 64 MiB:
//   Open       beside setPlainText of the same text into a shown text field
//   Build      beside toPlainText, then its UTF-8 bytes written and flushed; with the Markdown
//              box ticked, beside the HTML Build plus md4c alone rendering the text to a file
//   Save As    beside the same
//   New        beside clear() of a text field that holds the text
//   closing with nothing typed, alone
// Then the spelling check and the finder at large sizes (BenchSpellingAndFind; alone with
// --spelling).
#include "app/SpellChecker.h"
#include "app/WendleDlg.h"
#include "project/ProjectFile.h"
#include "project/Recovery.h"
#include "res/resource.h"
#include "services/WindowText.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QThreadPool>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include <cstdio>

#include <fcntl.h>
#include <md4c-html.h>
#include <unistd.h>

namespace {

// Answers every file prompt with the next path, and fails on any message.
class Scripted final : public FilePrompt, public Messages {
public:
    QStringList answers;

    PromptResult Ask(Kind, const QString&, const QString&, const QString&, QWidget*) override
    {
        return AcceptChosenFile(answers.takeFirst());
    }
    void ReportError(QWidget*, const QString& text) override { qFatal("%s", qPrintable(text)); }
    bool Confirm(QWidget*, const QString& text) override { qFatal("%s", qPrintable(text)); }
    void Inform(QWidget*, const QString& text) override { qFatal("%s", qPrintable(text)); }
    SaveAnswer AskToSave(QWidget*, const QString& text) override { qFatal("%s", qPrintable(text)); }
    bool ConfirmSave(QWidget*, const QString& text) override { qFatal("%s", qPrintable(text)); }
    RestoreAnswer AskToRestore(QWidget*, const QString& text) override
    {
        qFatal("%s", qPrintable(text));
    }
};

double Milliseconds(const std::function<void()>& work)
{
    ::sync();
    QElapsedTimer timer;
    timer.start();
    work();
    QApplication::processEvents();
    return double(timer.nsecsElapsed()) / 1e6;
}

void WriteFlushed(const QString& path, const QByteArray& bytes)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0 || ::write(fd, bytes.data(), size_t(bytes.size())) != bytes.size()
        || ::fdatasync(fd) != 0)
        qFatal("cannot write %s", qPrintable(path));
    ::close(fd);
}

// md4c's renderer alone, from the text's bytes to a file, with the page build's flags.
void RenderMarkdown(const QByteArray& text, const QString& path)
{
    FILE* out = std::fopen(QFile::encodeName(path).constData(), "wb");
    const auto put = [](const MD_CHAR* html, MD_SIZE size, void* file) {
        std::fwrite(html, 1, size, static_cast<FILE*>(file));
    };
    if (!out
        || md_html(text.constData(), MD_SIZE(text.size()), put, out, MD_DIALECT_GITHUB,
                   MD_HTML_FLAG_SKIP_UTF8_BOM)
        || std::fclose(out) != 0)
        qFatal("md4c failed");
}

// The longest the event loop was held while `work` ran: the longest gap between ticks of a
// 5 ms timer, in milliseconds.
double LongestHold(const std::function<void(QEventLoop&)>& work)
{
    QElapsedTimer clock;
    clock.start();
    qint64 last = 0, longest = 0;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] {
        longest = std::max(longest, clock.nsecsElapsed() - last);
        last = clock.nsecsElapsed();
    });
    tick.start(5);
    QEventLoop loop;
    work(loop);
    loop.exec();
    return double(longest) / 1e6;
}

// Types a character into the field every 30 ms for `seconds`, then quits `loop`.
void TypeFor(QWidget* field, int seconds, QEventLoop& loop)
{
    auto* typing = new QTimer(field);
    auto* clock = new QElapsedTimer;
    clock->start();
    QObject::connect(typing, &QTimer::timeout, [=, &loop] {
        QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QApplication::sendEvent(field, &key);
        if (clock->elapsed() > seconds * 1000) {
            typing->deleteLater();
            delete clock;
            loop.quit();
        }
    });
    typing->start(30);
}

// Recovery copies while typing: how long the event loop is held at 8 MiB (beside a bare text
// field typed into the same way), what the pause after typing costs at 64 MiB (beside reading
// the field's text alone), and how soon after the last keystroke the copy is on the disk.
void BenchRecovery(Services& services, const QDir& folder, Scripted& scripted)
{
    const QString copies = folder.filePath("state/wendle/recovery");
    qputenv("XDG_STATE_HOME", QFile::encodeName(folder.filePath("state")));
    const QByteArray line = QByteArray(70, 'x') + "\r\n";
    for (const int mib : {8, 64, 1}) {
        const QString project = folder.filePath("r.wendle");
        const QByteArray text = line.repeated(int((qint64(mib) << 20) / line.size()));
        WriteFlushed(project, EncodeProject({"A title", text, "p.html"}));
        CWendleDlg window(services);
        window.show();
        scripted.answers = {project};
        qobject_cast<QPushButton*>(window.GetDlgItem(IDC_OPEN))->click();
        auto* field = window.findChild<QPlainTextEdit*>();
        field->setFocus();
        field->moveCursor(QTextCursor::End);
        if (mib == 8) {
            QPlainTextEdit bare;
            bare.setLineWrapMode(QPlainTextEdit::NoWrap);
            bare.setPlainText(QString::fromUtf8(text).replace("\r\n", "\n"));
            bare.show();
            const double floor = LongestHold([&](QEventLoop& loop) { TypeFor(&bare, 12, loop); });
            const double held = LongestHold([&](QEventLoop& loop) { TypeFor(field, 12, loop); });
            // The same with the ten-second copy's write held back for 2 s, as by a slow disk:
            // the worker is kept busy from 9.5 s to 11.5 s.
            const double slow = LongestHold([&](QEventLoop& loop) {
                QTimer::singleShot(
                    9500, [] { RecoveryCopy::Workers()->start([] { QThread::msleep(2000); }); });
                TypeFor(field, 12, loop);
            });
            std::printf("recovery, 8 MiB, a key every 30 ms for 12 s (a copy at 10 s): the event "
                        "loop held at most "
                        "%.1f ms, %.1f ms with the copy's write held back for 2 s (target 20; a "
                        "bare text field typed the same way: %.1f ms)\n",
                        held, slow, floor);
        } else {
            QElapsedTimer since;
            const auto copied = [&] {
                return !QDir(copies).entryList({"window-*.wendle"}).isEmpty();
            };
            QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
            QApplication::sendEvent(field, &key);
            since.start();
            const double held = LongestHold([&](QEventLoop& loop) {
                auto* poll = new QTimer(&window);
                QObject::connect(poll, &QTimer::timeout, [&, poll] {
                    if (copied() || since.elapsed() > 20000)
                        poll->deleteLater(), loop.quit();
                });
                poll->start(1);
            });
            const double onDisk = double(since.elapsed());
            QElapsedTimer reading;
            reading.start();
            const QString read = FieldText(*field);
            const double readMs = double(reading.nsecsElapsed()) / 1e6;
            if (mib == 64)
                std::printf("recovery, 64 MiB: the pause after typing held the event loop %.1f ms, "
                            "%.2fx reading the field's text alone (%.1f ms; target 1.5x)\n",
                            held, held / readMs, readMs);
            else
                std::printf("recovery, 1 MiB: the copy on the disk %.0f ms after the last "
                            "keystroke (target 1500)\n",
                            onDisk);
        }
        scripted.answers.clear();
        QDir(copies).removeRecursively();
        window.findChild<QLineEdit*>()->setModified(false);
        field->document()->setModified(false);
    }
}

// A figure of /proc/self/status in KiB: "VmRSS:", or "VmHWM:", the peak since ResetPeak().
long StatusKiB(const QByteArray& name)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(name))
            return line.mid(name.size()).trimmed().split(' ').value(0).toLong();
    return 0;
}

void ResetPeak()
{
    QFile refs(QStringLiteral("/proc/self/clear_refs"));
    if (!refs.open(QIODevice::WriteOnly) || refs.write("5") != 1)
        qFatal("cannot reset the peak memory");
}

// Lets the window paint and lay out what moving the cursor showed, so that only what follows
// is measured.
void Settle()
{
    QEventLoop loop;
    QTimer::singleShot(300, &loop, &QEventLoop::quit);
    loop.exec();
}

double Median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// Sends `key` to the field every `every` ms for `seconds`, then quits `loop`.
void PressFor(QWidget* field, Qt::Key key, int every, int seconds, QEventLoop& loop)
{
    auto* pressing = new QTimer(field);
    auto* clock = new QElapsedTimer;
    clock->start();
    QObject::connect(pressing, &QTimer::timeout, [=, &loop] {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(field, &press);
        if (clock->elapsed() > seconds * 1000) {
            pressing->deleteLater();
            delete clock;
            loop.quit();
        }
    });
    pressing->start(every);
}

// The spelling check and the finder on long texts of English prose (a dictionary for en-US must
// be installed: hunspell-en-us), the check off and on by turns in one run:
//   Open and Build at 64 MiB, medians of 5 rounds each way
//   the event loop held while typing at 8 MiB, and while paging down through 64 MiB
//   Find Next from the start to a match near the end of 64 MiB: the first, which reads the
//     text, and a second; Replace All of 100,000 matches there, its time and its peak memory
//     above what the window held before
void BenchSpellingAndFind(Services& services, ProfileStore& profile, const QDir& folder,
                          Scripted& scripted)
{
    qputenv("XDG_STATE_HOME", QFile::encodeName(folder.filePath("state")));
    WriteFlushed(folder.filePath("t.html"), "<html lang=\"en-US\"><h1>%s</h1>%s</html>");
    // 72-byte lines, one in nine with a needle up to 100,000 of them, and a target at the end.
    const QByteArray prose =
        "The quick brown fox jumps over the lazy dog; a wrod is misspelt here.\r\n";
    const QByteArray needle =
        "A needle in the hay, and another word that is spelled as it should be.\r\n";
    const qsizetype lines = (qsizetype(64) << 20) / needle.size();
    QByteArray text;
    text.reserve(lines * needle.size());
    for (qsizetype i = 0, needles = 0; i < lines; ++i)
        text += i % 9 == 0 && needles++ < 100000 ? needle : prose;
    text += "The target.";
    const QString big = folder.filePath("big.wendle"), small = folder.filePath("small.wendle");
    WriteFlushed(big, EncodeProject({"A title", text, "p.html"}));
    WriteFlushed(small, EncodeProject({"A title", text.left(8 << 20), "p.html"}));
    text.clear();

    std::map<std::string, std::vector<double>> times;
    for (int round = 0; round < 5; ++round) {
        for (const bool on : {false, true}) {
            const std::string mode = on ? " on" : " off";
            profile.Write(kSpellingSection, kSpellingEntry, on ? "1" : "0");
            CWendleDlg window(services);
            window.show();
            auto* field = window.findChild<QPlainTextEdit*>();
            const auto click = [&window](int id) {
                qobject_cast<QPushButton*>(window.GetDlgItem(id))->click();
            };
            scripted.answers = {big};
            times["Open" + mode].push_back(Milliseconds([&] { click(IDC_OPEN); }));
            times["Build" + mode].push_back(Milliseconds([&] { click(IDC_BUILD); }));
            if (round == 0) {
                field->setFocus();
                field->moveCursor(QTextCursor::Start);
                Settle();
                times["paging" + mode].push_back(LongestHold(
                    [&](QEventLoop& loop) { PressFor(field, Qt::Key_PageDown, 50, 3, loop); }));
            }
            if (round == 0 && on) {
                // Find Next from the start to the target, case ignored (the default) and not.
                QShortcut* replace = nullptr;
                for (QShortcut* key : window.findChildren<QShortcut*>(Qt::FindDirectChildrenOnly))
                    if (key->key() == QKeySequence(Qt::CTRL | Qt::Key_H))
                        replace = key;
                times["Ctrl+H"].push_back(Milliseconds([&] { emit replace->activated(); }));
                auto* finder = window.findChild<QDialog*>();
                const auto fields = finder->findChildren<QLineEdit*>();
                const auto button = [finder](const char* caption) {
                    for (auto* button : finder->findChildren<QAbstractButton*>())
                        if (button->text() == QLatin1String(caption))
                            return button;
                    qFatal("no button %s", caption);
                };
                fields[0]->setText(QStringLiteral("target"));
                for (const char* find : {"Find Next, first", "Find Next, again"}) {
                    field->moveCursor(QTextCursor::Start);
                    times[find].push_back(Milliseconds([&] { button("&Find Next")->click(); }));
                }
                button("&Match case")->click();
                field->moveCursor(QTextCursor::Start);
                times["Find Next, match case"].push_back(
                    Milliseconds([&] { button("&Find Next")->click(); }));
                if (field->textCursor().selectedText() != QLatin1String("target"))
                    qFatal("Find Next did not find the target");
                // A word typed at the start, then Find Next: the finder reads what changed.
                field->moveCursor(QTextCursor::Start);
                field->textCursor().insertText(QStringLiteral("word "));
                times["Find Next, after an edit"].push_back(
                    Milliseconds([&] { button("&Find Next")->click(); }));
                if (field->textCursor().selectedText() != QLatin1String("target"))
                    qFatal("Find Next after an edit did not find the target");
                // Whole words, of a letter that is in nearly every word and alone in none.
                button("&Whole words")->click();
                fields[0]->setText(QStringLiteral("e"));
                times["Find Next, whole words"].push_back(
                    Milliseconds([&] { button("&Find Next")->click(); }));
                button("&Whole words")->click();
                // Replace All from a finder opened afresh, which reads the text again.
                finder->close();
                const long before = StatusKiB("VmRSS:");
                ResetPeak();
                times["Ctrl+H"].push_back(Milliseconds([&] { emit replace->activated(); }));
                fields[0]->setText(QStringLiteral("needle"));
                fields[1]->setText(QStringLiteral("pin"));
                times["Replace All"].push_back(
                    Milliseconds([&] { button("Replace &All")->click(); }));
                times["Replace All, peak MiB above"].push_back(double(StatusKiB("VmHWM:") - before)
                                                               / 1024);
                if (finder->findChild<QLabel*>(QStringLiteral("note"))->text()
                    != QLatin1String("100000 replaced."))
                    qFatal("Replace All did not replace 100,000 needles");
                field->document()->setModified(false);
            }
        }
    }
    // Typing at 8 MiB, the check off and on by turns.
    for (int round = 0; round < 2; ++round) {
        for (const bool on : {false, true}) {
            profile.Write(kSpellingSection, kSpellingEntry, on ? "1" : "0");
            CWendleDlg window(services);
            window.show();
            scripted.answers = {small};
            qobject_cast<QPushButton*>(window.GetDlgItem(IDC_OPEN))->click();
            auto* field = window.findChild<QPlainTextEdit*>();
            field->setFocus();
            field->moveCursor(QTextCursor::End);
            Settle();
            times[on ? "typing on" : "typing off"].push_back(
                LongestHold([&](QEventLoop& loop) { TypeFor(field, 5, loop); }));
            field->document()->setModified(false);
        }
    }
    profile.Write(kSpellingSection, kSpellingEntry, "1");
    WriteFlushed(folder.filePath("t.html"), "<h1>%s</h1><pre>%s</pre>");
    const auto m = [&times](const std::string& measure) { return Median(times[measure]); };
    std::printf("spelling, 64 MiB of English prose, the check off / on by turns (medians of 5): "
                "Open %.0f / %.0f ms (%.3fx), Build %.0f / %.0f ms (%.3fx; target 1.05x)\n",
                m("Open off"), m("Open on"), m("Open on") / m("Open off"), m("Build off"),
                m("Build on"), m("Build on") / m("Build off"));
    std::printf("spelling: the event loop held at most %.1f / %.1f ms paging down through 64 MiB "
                "every 50 ms (target 16 with the check on), %.1f %.1f / %.1f %.1f ms typing at "
                "8 MiB every 30 ms for 5 s (target 20 with the check on)\n",
                m("paging off"), m("paging on"), times["typing off"][0], times["typing off"][1],
                times["typing on"][0], times["typing on"][1]);
    std::printf(
        "find, 64 MiB: Ctrl+H, which reads the text, %.1f ms and %.1f ms; Find Next from "
        "the start to the end %.1f ms, %.1f ms again, %.1f ms matching case, %.1f ms after a "
        "word typed at the start (target 100); %.1f ms for a whole word \"e\", a letter inside "
        "most words\n",
        times["Ctrl+H"][0], times["Ctrl+H"][1], m("Find Next, first"), m("Find Next, again"),
        m("Find Next, match case"), m("Find Next, after an edit"), m("Find Next, whole words"));
    std::printf(
        "find, 64 MiB: Replace All of 100,000 matches %.0f ms (target 2000), peak memory "
        "%.0f MiB above the window's before Ctrl+H, the text being 64 MiB in the project and "
        "128 MiB in the field (UTF-16)\n",
        m("Replace All"), m("Replace All, peak MiB above"));
}

}  // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QDir folder(dir.path());
    Scripted scripted;
    ProfileStore profile(folder.filePath("wendle.ini"));
    profile.Write(kTemplateSection, kTemplateEntry, "t.html");
    WriteFlushed(folder.filePath("t.html"), "<h1>%s</h1><pre>%s</pre>");
    Services services{scripted, scripted, profile};

    if (QCoreApplication::arguments().contains(QStringLiteral("--spelling"))) {
        BenchSpellingAndFind(services, profile, folder, scripted);  // alone
        return 0;
    }
    std::map<int, std::map<std::string, double>> perMiB;  // size -> measure -> ms
    for (const int mib : {1, 8, 64}) {
        const QByteArray line = QByteArray(70, 'x') + "\r\n";
        const QByteArray text = line.repeated(int((qint64(mib) << 20) / line.size()));
        const QString project = folder.filePath("p.wendle");
        WriteFlushed(project, EncodeProject({"A title", text, "p.html"}));
        std::map<std::string, std::vector<double>> rounds;
        for (int round = 0; round < 3; ++round) {
            CWendleDlg window(services);
            window.show();
            const auto click = [&window](int id) {
                qobject_cast<QAbstractButton*>(window.GetDlgItem(id))->click();
            };
            scripted.answers = {project, folder.filePath("s.wendle")};
            rounds["Open"].push_back(Milliseconds([&] { click(IDC_OPEN); }));
            rounds["Build"].push_back(Milliseconds([&] { click(IDC_BUILD); }));
            click(IDC_MARKDOWN);
            rounds["Build, Markdown"].push_back(Milliseconds([&] { click(IDC_BUILD); }));
            click(IDC_MARKDOWN);
            QFile::remove(folder.filePath("s.wendle"));  // a new file: nothing to ask about
            rounds["Save As"].push_back(Milliseconds([&] { click(IDC_SAVEAS); }));
            rounds["close"].push_back(Milliseconds([&] { window.close(); }));
            window.show();
            rounds["New"].push_back(Milliseconds([&] { click(IDC_NEW); }));
            if (window.findChild<QPlainTextEdit*>()->document()->characterCount() != 1)
                qFatal("New left text behind");

            QPlainTextEdit field;
            field.setLineWrapMode(QPlainTextEdit::NoWrap);
            field.resize(600, 400);
            field.show();
            const QString plain = QString::fromUtf8(text).replace("\r\n", "\n");
            rounds["setPlainText"].push_back(Milliseconds([&] { field.setPlainText(plain); }));
            rounds["toPlainText + write"].push_back(Milliseconds([&] {
                WriteFlushed(folder.filePath("floor.html"), field.toPlainText().toUtf8());
            }));
            rounds["clear"].push_back(Milliseconds([&] { field.clear(); }));
            rounds["md4c alone"].push_back(
                Milliseconds([&] { RenderMarkdown(text, folder.filePath("md4c.html")); }));
        }
        for (auto& [measure, times] : rounds) {
            std::sort(times.begin(), times.end());
            perMiB[mib][measure] = times[times.size() / 2];
        }
        auto& m = perMiB[mib];
        std::printf("%2d MiB: Open %.1f ms (%.2fx setPlainText %.1f); Build %.1f ms (%.2fx); "
                    "Save As %.1f ms (%.2fx; toPlainText + write %.1f); New %.1f ms (%.2fx clear "
                    "%.1f); closing %.3f ms\n",
                    mib, m["Open"], m["Open"] / m["setPlainText"], m["setPlainText"], m["Build"],
                    m["Build"] / m["toPlainText + write"], m["Save As"],
                    m["Save As"] / m["toPlainText + write"], m["toPlainText + write"], m["New"],
                    m["New"] / m["clear"], m["clear"], m["close"]);
        std::printf("%2d MiB, Markdown: Build %.1f ms, against the HTML Build plus 1.2x md4c alone "
                    "(%.1f ms) %.1f ms (target: at most that)\n",
                    mib, m["Build, Markdown"], m["md4c alone"], m["Build"] + 1.2 * m["md4c alone"]);
    }
    std::printf("time per byte at 64 MiB / at 8 MiB (target 1.25):");
    for (const char* measure :
         {"Open", "Build", "Save As", "New", "setPlainText", "toPlainText + write", "clear"})
        std::printf(" %s %.2f;", measure, perMiB[64][measure] / perMiB[8][measure] / 8);
    std::printf("\ntargets: every command at most 1.5x its floor; closing under 1 ms at 64 MiB\n");
    BenchRecovery(services, folder, scripted);
    BenchSpellingAndFind(services, profile, folder, scripted);
    return 0;
}
