// The Build and Build As commands of the main window.
#include "app/WendleDlg.h"

#include "build/PageBuild.h"
#include "build/PreviewServer.h"
#include "services/Errors.h"
#include "services/FileAccess.h"
#include "services/WindowText.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>

namespace {
const QString kHtmlExtension = QStringLiteral("html");
//: Files shown in the page prompt.
QString PageFilter()
{
    return CWendleDlg::tr("HTML files") + QStringLiteral("(*.html)|*.html||");
}
}  // namespace

bool CWendleDlg::ChoosePage()
{
    const PromptResult chosen =
        AskSaveName(kHtmlExtension, PageFilter(),
                    ResolveFileName(m_files.m_strOutputName, m_files.m_strOutputFolder));
    if (chosen.name.isEmpty())
        return false;
    m_files.m_strOutputName = chosen.name;
    m_files.m_strOutputFolder = chosen.folder;
    m_files.m_bOutputFromProject = false;
    return true;
}

void CWendleDlg::OnBuild()
{
    if (m_files.m_strOutputName.isEmpty() && !ChoosePage())
        throw FileError::NoFileChosen();
    // The template is looked up in the current directory of the moment; the page goes to the
    // folder its name was chosen in, even when a later prompt has moved the current directory.
    QString pagePath = ResolveFileName(m_files.m_strOutputName, m_files.m_strOutputFolder);
    if (m_files.m_bOutputFromProject) {
        // A project file from elsewhere may lead its page out of its folder, by the name or by
        // a link; the user sees where before anything is written there.
        const ProjectPage page =
            PlaceProjectPage(m_files.m_strOutputName, m_files.m_strOutputFolder);
        // A page restored from a recovery copy may lie in a folder other than its project's.
        const bool away = !m_files.m_strProjectFolder.isEmpty()
            && QDir::cleanPath(m_files.m_strOutputFolder)
                != QDir::cleanPath(m_files.m_strProjectFolder);
        if ((page.outside || away)
            && !m_services.messages.Confirm(
                this,
                //: %1 is a line break and the page's path, as "to\n/home/a/page.html".
                tr("This project writes its page outside the project's folder, %1"
                   "\n\nBuild the page there?")
                    .arg(page.Where())))
            return;
        pagePath = page.target;
    }
    const QString title = FieldText(*m_editTitle);
    const QString text = FieldText(*m_editText);
    // A page checked above is written where it was checked, whatever link appears there since;
    // a page that is the open project itself would lose the project.
    try {
        BuildPage(ResolveFileName(m_strTemplateName), pagePath, title.toUtf8(),
                  {BytesFromFieldText(text), Format()},
                  m_files.m_bOutputFromProject ? OutputFile::Links::Replace
                                               : OutputFile::Links::Follow,
                  FileIdOf(ResolveFileName(m_files.m_strProjectName, m_files.m_strProjectFolder)));
    } catch (const PageInTheWay& refused) {
        //: Follows a message that says why the page was not written. "Build As" is the button.
        throw CommandError(refused.message() + QLatin1Char(' ')
                           + tr("Choose another name for the page with Build As."));
    }
    KeepFields(title, text);
    m_strBuiltPage = pagePath;
    if (m_preview)
        m_preview->Reload(pagePath);
}

void CWendleDlg::OnBuildAs()
{
    // A cancel keeps the page the project had, and says nothing.
    if (ChoosePage())
        OnBuild();
}

void CWendleDlg::OnPreview()
{
    m_strBuiltPage.clear();
    OnBuild();
    if (m_strBuiltPage.isEmpty())
        return;  // the user chose not to build
    // Each page's folder is served on a port of its own, so that a tab shown earlier keeps its
    // page whatever is previewed later.
    QString error;
    if (!m_preview)
        m_preview = PreviewServer::Load(&error);
    if (!m_preview
        || !m_preview->Serve(QFileInfo(m_strBuiltPage).absolutePath(), kPreviewPort, false, &error))
        throw CommandError(tr("The page was built, but it cannot be shown: %1").arg(error));
    if (m_preview->IsShown(m_strBuiltPage))
        return;  // Build has reloaded it
    const QUrl url = m_preview->UrlFor(m_strBuiltPage);
    if (!url.isValid())
        throw CommandError(tr("The page was built, but a hidden file is not shown "
                              "in the browser."));
    if (!QDesktopServices::openUrl(url))
        throw CommandError(tr("The page was built, but no browser could be started "
                              "for %1.")
                               .arg(url.toString()));
}
