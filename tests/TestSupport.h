#pragma once

#include "app/WendleDlg.h"
#include "services/Services.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>
#include <optional>

// A file prompt that answers from a script. Each answer is an absolute path, chosen the way
// the real prompt chooses it (the current directory moves to its folder), or a cancel.
class ScriptedPrompt final : public FilePrompt {
public:
    struct Request {
        Kind kind;
        QString defaultExtension;
        QString filter;
        QWidget* owner;
    };

    void Choose(const QString& absolutePath) { m_answers.push_back({absolutePath, {}}); }
    // Chooses, then runs `afterChoice` before the command goes on: the world changing
    // between the prompt and the open.
    void ChooseThen(const QString& absolutePath, std::function<void()> afterChoice)
    {
        m_answers.push_back({absolutePath, std::move(afterChoice)});
    }
    void Cancel() { m_answers.push_back({std::nullopt, {}}); }

    PromptResult Ask(Kind kind, const QString& defaultExtension, const QString& filter,
                     QWidget* owner) override;

    const std::vector<Request>& requests() const { return m_requests; }
    bool exhausted() const { return m_answers.empty(); }

private:
    struct Answer {
        std::optional<QString> path;
        std::function<void()> afterChoice;
    };
    std::deque<Answer> m_answers;
    std::vector<Request> m_requests;
};

// Message boxes that are recorded instead of shown; confirmations answer from a script
// (No when the script is empty).
class RecordingMessages final : public Messages {
public:
    void ReportError(QWidget*, const QString& text) override { errors << text; }
    bool Confirm(QWidget*, const QString& question) override;
    void Inform(QWidget*, const QString& text) override { informs << text; }

    void AnswerNext(bool yes) { m_answers.push_back(yes); }

    QStringList errors;
    QStringList questions;
    QStringList informs;

private:
    std::deque<bool> m_answers;
};

// A temporary folder for one test. The current directory is put back when the test ends,
// since prompts move it.
class Workspace {
public:
    Workspace();
    ~Workspace();

    QString Path(const QString& relative) const;
    // Writes a file, creating folders on the way; gives its absolute path.
    QString Write(const QString& relative, const QByteArray& bytes) const;
    QByteArray Read(const QString& relative) const;
    bool Exists(const QString& relative) const;
    QString MakeDir(const QString& relative) const;
    // Names of the entries of a folder, to see that no temporary file was left behind.
    QStringList Entries(const QString& relativeFolder) const;

private:
    QTemporaryDir m_dir;
    QString m_savedCurrent;
};

// The real main window, offscreen, with scripted prompts, recorded messages, a temporary
// profile and a temporary workspace.
class WindowTest : public testing::Test {
protected:
    WindowTest();

    // Constructs and shows the window; the first-run prompt, if any, answers from `prompt`.
    CWendleDlg& Start();
    // A profile naming `name` as the template, so that start-up does not prompt.
    void SetStoredTemplate(const QByteArray& name);
    // A template t.html holding `bytes` in the workspace folder `folder`, named in the profile;
    // then Start(). Gives the folder's absolute path.
    QString StartWithTemplateIn(const QString& folder, const QByteArray& bytes);

    void Click(int id);
    void TypeTitle(const QString& text);
    void TypeText(const QString& text);
    QByteArray ProfileFile() const;

    Workspace ws;
    ScriptedPrompt prompt;
    RecordingMessages messages;
    ProfileStore profile;
    Services services{prompt, messages, profile};
    std::unique_ptr<CWendleDlg> dlg;
};

// Limits the size of files this process writes, as a full disk limits it; a write past the
// limit fails with EFBIG instead of raising SIGXFSZ. The limit is lifted on destruction.
class FileSizeLimit {
public:
    explicit FileSizeLimit(qint64 bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    long long m_savedCurrent = 0;
    void (*m_savedHandler)(int) = nullptr;
};

// A small tmpfs mounted on a folder for one test, to fill a disk or make a folder read-only
// for real, which file permissions cannot do for root. Needs root; mounted() says whether it
// worked.
class TmpfsMount {
public:
    TmpfsMount(const QString& folder, qint64 sizeBytes);
    ~TmpfsMount();
    TmpfsMount(const TmpfsMount&) = delete;
    TmpfsMount& operator=(const TmpfsMount&) = delete;

    bool mounted() const { return m_mounted; }
    QString error() const { return m_error; }
    bool SetReadOnly(bool readOnly);

private:
    QByteArray m_folder;
    qint64 m_size;
    bool m_mounted = false;
    QString m_error;
};

// Sends text as key events carrying it, which QTest::keyClicks cannot do beyond ASCII.
void TypeInto(QWidget* widget, const QString& text);
