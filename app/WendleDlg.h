#pragma once

#include "project/ProjectFile.h"
#include "services/Services.h"

#include <QByteArray>
#include <QDialog>
#include <QHash>
#include <QIcon>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>

class OutputFile;
class PreviewServer;
class RecoveryCopy;
struct RecoveredWork;
class QCheckBox;
class QLineEdit;
class QPlainTextEdit;

// The main window. It holds the program's state for the whole run: the template, project and
// output names, and the title and text fields. Each button's command is a member, reached
// through the routing table in WendleDlg.cpp; the commands are defined beside the subsystem
// they belong to (build/, project/).
class CWendleDlg : public QDialog {
    Q_OBJECT

public:
    // Reads the template name from the profile and asks for one on the first run, before the
    // window is shown.
    explicit CWendleDlg(Services& services, QWidget* pParent = nullptr);
    ~CWendleDlg() override;

    // Opens a project named on the command line as Open opens the file its prompt gives: the
    // project's folder becomes the current directory. A failure is reported.
    void OpenFromCommandLine(const QString& path);

    // Offers the work that windows now gone left unsaved, newest first (project/Recovery.h);
    // true when some was restored.
    bool OfferRecoveredWork();
    // Writes the recovery copy before the program ends on a signal; gives what failed, if
    // anything, since no one may be there to click a message away.
    QString SaveRecoveryNow();

    // The control with a resource id, or nullptr.
    QWidget* GetDlgItem(int id) const { return m_controls.value(id); }

    const QByteArray& TemplateName() const { return m_strTemplateName; }
    const QByteArray& ProjectName() const { return m_files.m_strProjectName; }
    const QByteArray& OutputName() const { return m_files.m_strOutputName; }

    // Where an icon is drawn centred in a client area; the halves truncate toward zero.
    static QPoint IconPosition(QSize client, QSize icon);

    // Closing asks first when typed work would be lost (Enter in the title, Escape, and the
    // close button, the window manager and the session's end, which all come here).
    void accept() override;
    void reject() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    // A project or a template dropped from a file manager, on the window or on a field.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using Handler = void (CWendleDlg::*)();
    struct RouteEntry {
        int id;
        Handler handler;
    };
    static const RouteEntry kRoutes[];

    void CreateControls();
    void DoDataExchange();
    bool OnInitDialog();
    // Runs a command; its error is reported here, never passed on. True when it succeeded.
    bool RunCommand(const std::function<void()>& command);

    void OnPaint(QPaintEvent* event);
    void OnHelp();

    // Main window commands.
    void OnTemplate();
    // Page building, in build/.
    void OnBuild();
    void OnBuildAs();
    // F12: Build, then the page in the user's browser, served from its folder by a server
    // started on the first F12; a tab that shows it already is reloaded instead.
    void OnPreview();
    // Project files, in project/.
    void OnNew();
    void OnOpen();
    void OnSave();
    void OnSaveAs();
    // The save prompt; an existing file other than `own` (the one this window writes already,
    // through any link) is replaced only when the user says so, and No opens the prompt again.
    // Empty after a cancel, which leaves the current folder as it was.
    PromptResult AskSaveName(const QString& extension, const QString& filter, const QString& own);
    // The page's name from the save prompt; false when the user cancelled it.
    bool ChoosePage();
    void OpenProject(const PromptResult& chosen);
    void ChooseTemplate(const PromptResult& chosen);
    void AcceptDrag(QDropEvent* event);
    // Saves into the project's own file; false when the user chose not to replace a file that
    // another program changed.
    bool SaveProject();
    void WriteWindowProject(OutputFile& file);
    // Asks before typed work would be lost; true when the caller may go on. Throws when the
    // save the user chose fails.
    bool MaybeSave();
    // The title and text, as read from or put into the fields, are now kept in a project or
    // a page.
    void KeepFields(const QString& title, const QString& text);
    // The format the Markdown box gives the text.
    TextFormat Format() const;
    // What the window writes to a project: the fields as read, the page's name, the format and
    // what a later Wendle's project kept.
    ProjectContent Content(const QString& title, const QString& text) const;
    // Takes a project's format and what it keeps for a later Wendle.
    void TakeFormat(const ProjectContent& content);
    // Whether the fields differ from what was kept; nothing is read while nothing was typed.
    bool FieldsChanged() const;
    // A recovery copy of the fields, a second after typing stops and every ten seconds while it
    // goes on, for as long as they hold work that closing would ask about.
    void FieldsTouched();
    // Written now (the reason it failed is given), or in the background.
    QString KeepRecoveryCopy(bool now = false);
    void RestoreWork(const RecoveredWork& work);
    void RecoveryFailed(const QString& message);
    // Removes the copy and its lock, as a window that ends does.
    void DropRecovery();
    // Copies that were restored or discarded and cannot be removed, kept in the profile.
    void NeverOfferAgain(const QStringList& names);

    Services& m_services;
    QHash<int, QWidget*> m_controls;

    QIcon m_hIcon;
    QByteArray m_strTemplateName;
    FileState m_files;
    // The title and text as they were last kept, to tell whether closing would lose work.
    QString m_keptTitle;
    QString m_keptText;
    // The page the last Build wrote, and the server that shows pages in the browser.
    QString m_strBuiltPage;
    std::unique_ptr<PreviewServer> m_preview;
    std::unique_ptr<RecoveryCopy> m_recovery;
    QTimer m_recoveryPause;
    QTimer m_recoveryLongest;
    bool m_recoveryFailed = false;
    // The fields hold work restored from a recovery copy and not kept since.
    bool m_bRestored = false;
    QLineEdit* m_editTitle = nullptr;
    QPlainTextEdit* m_editText = nullptr;
    QCheckBox* m_checkMarkdown = nullptr;
    // The format as last kept, and a later Wendle's parts of the project's format block.
    TextFormat m_keptFormat = TextFormat::Html;
    QByteArray m_laterEntries;
    QByteArray m_laterBlock;
};
