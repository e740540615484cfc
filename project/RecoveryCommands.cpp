// The main window's recovery copies: kept while the fields hold unsaved work, offered at the
// next start when the window was killed.
#include "app/WendleDlg.h"

#include "project/Recovery.h"
#include "services/FileAccess.h"
#include "services/WindowText.h"

#include <QDir>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QTextDocument>

void CWendleDlg::FieldsTouched()
{
    m_recoveryPause.start();
    if (!m_recoveryLongest.isActive())
        m_recoveryLongest.start();
}

void CWendleDlg::KeepRecoveryCopy(bool now)
{
    m_recoveryPause.stop();
    m_recoveryLongest.stop();
    const bool titleTouched = m_editTitle->isModified();
    const bool textTouched = m_editText->document()->isModified();
    if (!titleTouched && !textTouched) {
        m_recovery->Remove();
        return;
    }
    // Only reading a field must happen here; comparing, converting and writing is the worker's.
    const RecoveryCopy::Fields fields{titleTouched ? FieldText(*m_editTitle) : m_keptTitle,
                                      textTouched ? FieldText(*m_editText) : m_keptText,
                                      m_keptTitle, m_keptText};
    const RecoveryInfo info{m_strProjectName,
                            m_strProjectFolder,
                            m_strOutputName,
                            m_strOutputFolder,
                            m_bOutputFromProject,
                            m_projectHash,
                            QDateTime::currentDateTime()};
    if (now)
        m_recovery->WriteNow(fields, info);
    else
        m_recovery->Write(fields, info);
}

void CWendleDlg::SaveRecoveryNow()
{
    KeepRecoveryCopy(true);
}

void CWendleDlg::OfferRecoveredWork()
{
    QStringList damaged;
    const std::vector<RecoveredWork> left = RecoveryCopy::Left(RecoveryFolder(), &damaged);
    for (const QString& report : damaged)
        m_services.messages.ReportError(
            nullptr, QStringLiteral("A recovery copy cannot be read: %1").arg(report));
    for (const RecoveredWork& work : left) {
        const QString project = work.info.projectName.isEmpty()
            ? QStringLiteral("a project never saved, titled \"%1\"")
                  .arg(FieldTextFromBytes(work.content.title))
            : QDir::toNativeSeparators(
                ResolveFileName(work.info.projectName, work.info.projectFolder));
        const auto answer = m_services.messages.AskToRestore(
            nullptr,
            QStringLiteral("Wendle was closed before the changes to %1 were saved (%2). "
                           "Restore them?")
                .arg(project, QLocale().toString(work.info.saved, QLocale::ShortFormat)));
        if (answer == Messages::RestoreAnswer::Discard)
            RecoveryCopy::Delete(work.path);
        if (answer == Messages::RestoreAnswer::Restore) {
            RestoreWork(work);
            // One window holds one piece of work; the others are offered at the next start.
            return;
        }
    }
}

void CWendleDlg::RestoreWork(const RecoveredWork& work)
{
    m_strProjectName = work.info.projectName;
    m_strProjectFolder = work.info.projectFolder;
    m_strOutputName = work.info.outputName;
    m_strOutputFolder = work.info.outputFolder;
    m_bOutputFromProject = work.info.outputFromProject;
    m_projectHash = work.info.projectHash;
    SetWindowText(*m_editTitle, work.content.title);
    SetWindowText(*m_editText, work.content.text);
    DoDataExchange();
    // Unsaved work again: closing asks, and this window keeps its own copy from now on.
    KeepFields({}, {});
    m_editTitle->setModified(true);
    m_editText->document()->setModified(true);
    KeepRecoveryCopy(true);
    RecoveryCopy::Delete(work.path);
}
