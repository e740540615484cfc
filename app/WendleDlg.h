#pragma once

#include "services/Services.h"

#include <QByteArray>
#include <QDialog>
#include <QHash>
#include <QIcon>
#include <QString>

class OutputFile;
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

    // The control with a resource id, or nullptr.
    QWidget* GetDlgItem(int id) const { return m_controls.value(id); }

    const QByteArray& TemplateName() const { return m_strTemplateName; }
    const QByteArray& ProjectName() const { return m_strProjectName; }
    const QByteArray& OutputName() const { return m_strOutputName; }

    // Where an icon is drawn centred in a client area; the halves truncate toward zero.
    static QPoint IconPosition(QSize client, QSize icon);

protected:
    void paintEvent(QPaintEvent* event) override;

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
    void RunCommand(Handler handler);

    void OnPaint(QPaintEvent* event);
    void OnHelp();

    // Main window commands.
    void OnTemplate();
    // Page building, in build/.
    void OnBuild();
    void OnBuildAs();
    // Project files, in project/.
    void OnNew();
    void OnOpen();
    void OnSave();
    void OnSaveAs();
    void WriteWindowProject(OutputFile& file);

    Services& m_services;
    QHash<int, QWidget*> m_controls;

    QIcon m_hIcon;
    QByteArray m_strTemplateName;
    QByteArray m_strProjectName;
    QByteArray m_strOutputName;
    // The folders the project and the page were chosen in. Saving and building write there,
    // whatever folder a later prompt has moved the current directory to.
    QString m_strProjectFolder;
    QString m_strOutputFolder;
    QLineEdit* m_editTitle = nullptr;
    QPlainTextEdit* m_editText = nullptr;
};
