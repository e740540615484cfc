// The main window's recovery copies: kept while the fields hold unsaved work, offered at the
// next start when the window was killed.
#include "app/WendleDlg.h"

#include "project/Recovery.h"
#include "services/FileAccess.h"
#include "services/WindowText.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QTextDocument>

namespace {

// The profile's list of copies that were restored or discarded but could not be removed.
constexpr char kRecoverySection[] = "Recovery";
constexpr char kDoneEntry[] = "Done";

// A name of any length made short enough for a message box, its start and end kept.
QString Shorten(const QString& name)
{
    constexpr qsizetype kHalf = 60;
    if (name.size() <= 2 * kHalf + 1)
        return name;
    // Never between the two halves of a surrogate pair.
    const qsizetype head = kHalf - (name.at(kHalf - 1).isHighSurrogate() ? 1 : 0);
    const qsizetype tail = kHalf - (name.at(name.size() - kHalf).isLowSurrogate() ? 1 : 0);
    return name.left(head) + QChar(0x2026) + name.right(tail);
}

QString RestoreQuestion(const RecoveredWork& work)
{
    const FileState& info = work.info.files;
    const QString title = FieldTextFromBytes(work.content.title);
    const QString project = !info.m_strProjectName.isEmpty() ? Shorten(QDir::toNativeSeparators(
                                ResolveFileName(info.m_strProjectName, info.m_strProjectFolder)))
        : title.isEmpty()
        ? QCoreApplication::translate("CWendleDlg", "a project never saved, with no title")
        : QCoreApplication::translate("CWendleDlg", "a project never saved, titled \"%1\"")
              .arg(Shorten(title));
    //: %1 is the project's path or "a project never saved, ...", %2 the time of the copy.
    QString question =
        QCoreApplication::translate("CWendleDlg",
                                    "Wendle was closed before the changes to %1 were saved "
                                    "(%2). Restore them?")
            .arg(project, QLocale().toString(work.info.saved, QLocale::ShortFormat));
    // The user sees where the next Build writes when it is not the project's own page, in the
    // project's folder.
    if (!info.m_strOutputName.isEmpty()
        && (info.m_strProjectName.isEmpty() || HasFolderPart(info.m_strOutputName)
            || QDir::cleanPath(info.m_strOutputFolder) != QDir::cleanPath(info.m_strProjectFolder)))
        //: "Build" is the window's button.
        question +=
            QCoreApplication::translate("CWendleDlg", "\n\nThe next Build writes the page %1.")
                .arg(Shorten(QDir::toNativeSeparators(
                    ResolveFileName(info.m_strOutputName, info.m_strOutputFolder))));
    return question;
}

}  // namespace

void CWendleDlg::FieldsTouched()
{
    m_recoveryPause.start();
    if (!m_recoveryLongest.isActive())
        m_recoveryLongest.start();
}

QString CWendleDlg::KeepRecoveryCopy(bool now)
{
    m_recoveryPause.stop();
    m_recoveryLongest.stop();
    const bool titleTouched = m_editTitle->isModified();
    const bool textTouched = m_editText->document()->isModified();
    const bool formatChanged = Format() != m_keptFormat;
    if (!titleTouched && !textTouched && !m_bRestored && !formatChanged) {
        m_recovery->Remove();
        return {};
    }
    // Only reading a field must happen here; comparing, converting and writing is the worker's.
    const RecoveryCopy::Fields fields{titleTouched ? FieldText(*m_editTitle) : m_keptTitle,
                                      textTouched ? FieldText(*m_editText) : m_keptText,
                                      m_keptTitle,
                                      m_keptText,
                                      m_bRestored || formatChanged,
                                      Format(),
                                      m_laterEntries,
                                      m_laterBlock};
    const RecoveryInfo info{m_files, QDateTime::currentDateTime()};
    if (now)
        return m_recovery->WriteNow(fields, info);
    m_recovery->Write(fields, info);
    return {};
}

QString CWendleDlg::SaveRecoveryNow()
{
    if (FieldsChanged())
        return KeepRecoveryCopy(true);
    // Nothing would be lost: the copy and the lock go, as at a close.
    DropRecovery();
    return {};
}

void CWendleDlg::DropRecovery()
{
    // A restored copy that cannot be removed (a read-only folder) was dealt with all the same.
    if (const QString stuck = m_recovery->Drop(); !stuck.isEmpty())
        NeverOfferAgain({stuck});
}

void CWendleDlg::RecoveryFailed(const QString& message)
{
    // Said once: the window works on without copies.
    if (!std::exchange(m_recoveryFailed, true))
        m_services.messages.ReportError(
            this,
            tr("Wendle cannot keep a recovery copy of your typing, so it "
               "would be lost if Wendle were killed.\n\n%1")
                .arg(message));
}

void CWendleDlg::NeverOfferAgain(const QStringList& names)
{
    QStringList done = QString::fromUtf8(m_services.profile.Read(kRecoverySection, kDoneEntry, ""))
                           .split(' ', Qt::SkipEmptyParts);
    done << names;
    done.removeDuplicates();
    m_services.profile.Write(kRecoverySection, kDoneEntry, done.join(' ').toUtf8());
}

bool CWendleDlg::OfferRecoveredWork()
{
    const QStringList done =
        QString::fromUtf8(m_services.profile.Read(kRecoverySection, kDoneEntry, ""))
            .split(' ', Qt::SkipEmptyParts);
    // Every copy offered here is claimed first, so that no other window offers it meanwhile.
    LeftCopies left = RecoveryCopy::Left(RecoveryFolder(), done);
    for (const QString& report : left.damaged)
        m_services.messages.ReportError(nullptr,
                                        tr("A recovery copy cannot be read: %1").arg(report));
    bool restored = false;
    for (const RecoveredWork& work : left.work) {
        const auto answer = m_services.messages.AskToRestore(nullptr, RestoreQuestion(work));
        if (answer == Messages::RestoreAnswer::Discard) {
            const QString reason = work.claim->Delete();
            if (!reason.isEmpty()) {
                m_services.messages.ReportError(
                    nullptr,
                    tr("The recovery copy %1 cannot be removed: %2. It will "
                       "not be offered again.")
                        .arg(work.path, reason));
                left.stuck << QFileInfo(work.claim->stem()).fileName();
            }
        }
        if (answer == Messages::RestoreAnswer::Restore) {
            RestoreWork(work);
            // One window holds one piece of work; the others are offered at the next start.
            restored = true;
            break;
        }
    }
    left.stuck.sort();
    if (left.stuck != done)
        m_services.profile.Write(kRecoverySection, kDoneEntry, left.stuck.join(' ').toUtf8());
    return restored;
}

void CWendleDlg::RestoreWork(const RecoveredWork& work)
{
    m_files = work.info.files;
    // The page's name and folder come from a file now: Build checks where it leads first.
    m_files.m_bOutputFromProject = !m_files.m_strOutputName.isEmpty();
    SetWindowText(*m_editTitle, work.content.title);
    SetWindowText(*m_editText, work.content.text);
    TakeFormat(work.content);
    DoDataExchange();
    // Unsaved work again, even when it emptied both fields: closing asks, and this window keeps
    // its own copy from now on. The copy restored stays until that one is on the disk.
    m_keptTitle.clear();
    m_keptText.clear();
    m_bRestored = true;
    m_editTitle->setModified(true);
    m_editText->document()->setModified(true);
    m_recovery->Adopt(work.claim);
    if (const QString error = KeepRecoveryCopy(true); !error.isEmpty())
        RecoveryFailed(error);
}
