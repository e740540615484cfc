// The project commands of the main window: New, Open, Save and Save As.
#include "app/WendleDlg.h"

#include "project/ProjectFile.h"
#include "project/Recovery.h"
#include "services/Errors.h"
#include "services/FileAccess.h"
#include "services/WindowText.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextDocument>

namespace {
const QString kProjectExtension = QStringLiteral("wendle");
//: Files shown in the project prompts.
QString ProjectFilter()
{
    return CWendleDlg::tr("Wendle files") + QStringLiteral("(*.wendle)|*.wendle||");
}

// The template is never written, through a link or a hard link either. One named from a
// current folder that was removed went with the folder's files: there is nothing to refuse.
void RefuseTemplate(const OutputFile& file, const QByteArray& templateName)
{
    std::optional<FileId> templateId;
    try {
        templateId = FileIdOf(ResolveFileName(templateName));
    } catch (const CommandError&) {
    }
    if (templateId && file.Replaces(*templateId))
        throw CommandError(
            QCoreApplication::translate("CWendleDlg",
                                        "The project %1 would replace the template. Nothing was "
                                        "written; choose another name with Save As.")
                .arg(QDir::toNativeSeparators(file.path())));
}

}  // namespace

bool CWendleDlg::MaybeSave()
{
    if (!FieldsChanged())
        return true;
    const Messages::SaveAnswer answer = m_services.messages.AskToSave(
        this,
        tr("The title and text have changes that are not saved in a project "
           "or built into a page.\n\nSave them first?"));
    if (answer != Messages::SaveAnswer::Save)
        return answer == Messages::SaveAnswer::Discard;
    // Saved as Save or Save As would save them; a save that fails or is cancelled throws.
    if (!m_files.m_strProjectName.isEmpty())
        return SaveProject();
    OnSaveAs();
    return true;
}

void CWendleDlg::KeepFields(const QString& title, const QString& text)
{
    m_keptTitle = title;
    m_keptText = text;
    m_keptFormat = Format();
    m_editTitle->setModified(false);
    m_editText->document()->setModified(false);
    m_bRestored = false;
    // Nothing would be lost now, so no copy is kept.
    m_recoveryPause.stop();
    m_recoveryLongest.stop();
    if (m_recovery)
        m_recovery->Remove();
}

bool CWendleDlg::FieldsChanged() const
{
    // Typing and deleting again sets the flags but changes nothing, so a touched field is
    // compared with what was kept, in the field's own form.
    return m_bRestored || Format() != m_keptFormat
        || (m_editTitle->isModified() && !SameFieldText(FieldText(*m_editTitle), m_keptTitle))
        || (m_editText->document()->isModified()
            && !SameFieldText(FieldText(*m_editText), m_keptText));
}

TextFormat CWendleDlg::Format() const
{
    return m_checkMarkdown->isChecked() ? TextFormat::Markdown : TextFormat::Html;
}

ProjectContent CWendleDlg::Content(const QString& title, const QString& text) const
{
    return {title.toUtf8(), BytesFromFieldText(text), m_files.m_strOutputName,
            Format(),       m_laterEntries,           m_laterBlock};
}

void CWendleDlg::TakeFormat(const ProjectContent& content)
{
    m_checkMarkdown->setChecked(content.format == TextFormat::Markdown);
    m_laterEntries = content.laterEntries;
    m_laterBlock = content.laterBlock;
}

void CWendleDlg::OnNew()
{
    if (!MaybeSave())
        return;
    m_editTitle->clear();
    m_editText->clear();
    m_files.m_strProjectName.clear();
    m_files.m_strProjectFolder.clear();
    // The page name and the format stay: the next Build writes the same page the same way.
    TakeFormat({{}, {}, {}, Format()});
    DoDataExchange();
    KeepFields({}, {});
}

void CWendleDlg::OnOpen()
{
    if (!MaybeSave())
        return;
    OpenProject(m_services.prompt.Ask(FilePrompt::Kind::Open, kProjectExtension, ProjectFilter(),
                                      {}, this));
}

void CWendleDlg::OpenFromCommandLine(const QString& path)
{
    // Restored work is asked about first, as Open asks.
    RunCommand([this, &path] {
        if (MaybeSave())
            OpenProject(AcceptChosenFile(AbsolutePath(path)));
    });
}

void CWendleDlg::OpenProject(const PromptResult& chosen)
{
    InputFile file(ResolveFileName(chosen.name, chosen.folder));
    // Read and checked before anything changes: a file that is refused leaves the window as
    // it was, so a later Save cannot replace the file that could not be read.
    qint64 textLeft = 0;
    const ProjectContent content = ReadProject(file, &textLeft);

    m_files.m_strProjectName = chosen.name;
    m_files.m_strProjectFolder = chosen.folder;
    const QString title = SetWindowText(*m_editTitle, content.title);
    const QString text = SetWindowText(*m_editText, content.text);
    TakeFormat(content);
    // The page name is the project's: its page lies in the project's folder.
    m_files.m_projectDigest = DigestOf(content);
    m_files.m_strOutputName = content.outputName;
    m_files.m_strOutputFolder = content.outputName.isEmpty() ? QString() : chosen.folder;
    m_files.m_bOutputFromProject = !content.outputName.isEmpty();
    DoDataExchange();
    KeepFields(title, text);
    // The project opens all the same; a Save would drop the rest, and the user knows it first.
    if (textLeft > 0)
        m_services.messages.ReportError(
            this,
            //: %n and %2 are counts of bytes; %2 is the count left out. %1 is the project's path.
            tr("The text of the project %1 holds a NUL byte after %n bytes; the %2 bytes from "
               "there on were left out, and a Save would remove them from the project.",
               "", int(content.text.size()))
                .arg(QDir::toNativeSeparators(file.path()), QString::number(textLeft)));
}

void CWendleDlg::OnSaveAs()
{
    // The project's file is the window's own only while it holds what the window last read or
    // wrote: one that another program changed or replaced is asked about, as Save asks.
    const QString own = ResolveFileName(m_files.m_strProjectName, m_files.m_strProjectFolder);
    const PromptResult chosen =
        AskSaveName(kProjectExtension, ProjectFilter(),
                    ProjectChangedSince(own, m_files.m_projectDigest) ? QString() : own);
    OutputFile file(ResolveFileName(chosen.name, chosen.folder));
    RefuseTemplate(file, m_strTemplateName);
    WriteWindowProject(file);
    // Only a file written becomes the window's project: after a failed write Save still goes
    // where it went, knowing what that file holds, and never takes the file that could not be
    // replaced for one that another program changed.
    m_files.m_strProjectName = chosen.name;
    m_files.m_strProjectFolder = chosen.folder;
}

void CWendleDlg::OnSave()
{
    if (!m_files.m_strProjectName.isEmpty())
        SaveProject();
}

bool CWendleDlg::SaveProject()
{
    // Into the project's own folder, wherever a later prompt has moved the current directory.
    const QString path = ResolveFileName(m_files.m_strProjectName, m_files.m_strProjectFolder);
    // Another window, a sync client or an editor may have written the file since; their work
    // is not replaced unasked, and a file that is no longer a project not at all. Through a
    // link, what is there now is the file the link leads to; a link to no file would have the
    // Save make one wherever it leads.
    const QString target = WriteTarget(path);
    const bool linkToNothing = target != path && !QFileInfo::exists(target);
    if (linkToNothing || ProjectChangedSince(path, m_files.m_projectDigest)) {
        const std::optional<FileId> asked = FileIdOf(path);
        const QString shown = QDir::toNativeSeparators(path);
        const QString link = target == path ? QString() : QDir::toNativeSeparators(target);
        if (!HoldsProject(path)) {
            // A file that cannot be read says so, rather than being called what it may not be.
            if (!linkToNothing)
                InputFile readable(path);
            throw CommandError(
                link.isEmpty()
                    ? tr("The project %1 was replaced by another program with a file that is not "
                         "a Wendle project. Nothing was saved; Save As can still save this work.")
                          .arg(shown)
                    //: %1 is the project's path, %2 the file the link there leads to.
                    : tr("The project %1 is now a link to %2, which is not a Wendle project. "
                         "Nothing was saved; Save As can still save this work.")
                          .arg(shown, link));
        }
        QString project = shown;
        if (!link.isEmpty())
            //: Named in the questions below: %1 is the project's path, %2 the file the link there
            //: now leads to.
            project = tr("%1 (now a link to %2)").arg(shown, link);
        // A copy restored from an older Wendle does not know what the file held.
        //: %1 is the project's path.
        if (!m_services.messages.ConfirmSave(
                this,
                (m_files.m_projectDigest.isEmpty()
                     ? tr("Wendle cannot tell whether the project %1 was changed by another "
                          "program since this work was begun. Save over it?")
                     : tr("The project %1 was changed by another program after Wendle "
                          "opened it. Save over it?"))
                    .arg(project)))
            return false;
        // The answer is about the file that was there; another swapped in while the question
        // was up (a link to notes.txt, say) is looked at, and asked about, afresh.
        if (FileIdOf(path) != asked)
            return SaveProject();
    }
    OutputFile file(path);
    RefuseTemplate(file, m_strTemplateName);
    WriteWindowProject(file);
    return true;
}

void CWendleDlg::WriteWindowProject(OutputFile& file)
{
    const QString title = FieldText(*m_editTitle);
    const QString text = FieldText(*m_editText);
    const ProjectContent content = Content(title, text);
    WriteProject(file, content);
    file.Commit();
    m_files.m_projectDigest = DigestOf(content);
    KeepFields(title, text);
}
