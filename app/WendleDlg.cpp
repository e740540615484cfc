#include "app/WendleDlg.h"

#include "app/Finder.h"
#include "app/SpellChecker.h"
#include "build/PreviewServer.h"
#include "project/Recovery.h"
#include "res/AppIcon.h"
#include "res/DialogTemplate.h"
#include "res/resource.h"
#include "services/Errors.h"
#include "services/FileAccess.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>

#include <limits>
#include <new>

namespace {

const QString kTemplateExtension = QStringLiteral("html");
// The template prompt's filter and title, in the user's language.
QString TemplateFilter()
{
    //: Files shown in the template prompt.
    return QCoreApplication::translate("WendleDialog", "HTML Template files")
        + QStringLiteral("(*.html)|*.html||");
}

QString TemplatePromptTitle()
{
    return QCoreApplication::translate("WendleDialog", "Choose an HTML template");
}

constexpr Qt::WindowFlags kWindowFlags = Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
    | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint;

QWidget* CreateControl(const ControlTemplate& control, QWidget* parent)
{
    const QString text = CaptionText(control.text);
    switch (control.kind) {
    case ControlKind::Label:
        return new QLabel(text, parent);
    case ControlKind::SingleLineEdit: {
        auto* edit = new QLineEdit(text, parent);
        // QLineEdit cuts text at 32767 characters by default; a longer title from a project
        // file would then be lost at the next Save.
        edit->setMaxLength(std::numeric_limits<int>::max());
        return edit;
    }
    case ControlKind::MultiLineEdit: {
        auto* edit = new QPlainTextEdit(text, parent);
        edit->setLineWrapMode(QPlainTextEdit::NoWrap);
        edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        edit->setTabChangesFocus(true);
        return edit;
    }
    case ControlKind::PushButton: {
        auto* button = new QPushButton(text, parent);
        // No button is a default button, so Enter never clicks one.
        button->setAutoDefault(false);
        button->setDefault(false);
        return button;
    }
    case ControlKind::CheckBox:
        return new QCheckBox(text, parent);
    case ControlKind::EtchedVerticalLine: {
        auto* line = new QFrame(parent);
        line->setFrameShape(QFrame::VLine);
        line->setFrameShadow(QFrame::Sunken);
        return line;
    }
    }
    return nullptr;
}

// The width a caption needs in its control, in pixels: its text, and for a button the frame
// and margin the style draws around it, for a check box its box. 0 for a control without one.
int CaptionWidth(const QWidget* widget)
{
    if (!widget->inherits("QAbstractButton") && !widget->inherits("QLabel"))
        return 0;
    const int text = widget->fontMetrics().horizontalAdvance(widget->property("text").toString());
    const QStyle* style = widget->style();
    if (widget->inherits("QCheckBox"))
        return text + style->pixelMetric(QStyle::PM_IndicatorWidth)
            + style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
    if (!widget->inherits("QPushButton"))
        return text;
    return text + style->pixelMetric(QStyle::PM_ButtonMargin)
        + 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth);
}

// The one local file a drag carries, when it is a project or a template; else empty.
QString DroppedFile(const QMimeData* data)
{
    const QList<QUrl> urls = data ? data->urls() : QList<QUrl>();
    if (urls.size() != 1 || !urls.front().isLocalFile())
        return {};
    const QString path = urls.front().toLocalFile();
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == QLatin1String("wendle") || suffix == QLatin1String("html") ? path : QString();
}

}  // namespace

const CWendleDlg::RouteEntry CWendleDlg::kRoutes[] = {
    {IDC_OPEN, &CWendleDlg::OnOpen},       {IDC_SAVEAS, &CWendleDlg::OnSaveAs},
    {IDC_BUILD, &CWendleDlg::OnBuild},     {IDC_TEMPLATE, &CWendleDlg::OnTemplate},
    {IDC_NEW, &CWendleDlg::OnNew},         {IDC_SAVE, &CWendleDlg::OnSave},
    {IDC_BUILDAS, &CWendleDlg::OnBuildAs},
};

CWendleDlg::CWendleDlg(Services& services, QWidget* pParent)
    : QDialog(pParent, kWindowFlags), m_services(services)
{
    m_hIcon = LoadAppIcon();
    m_strTemplateName = m_services.profile.Read(kTemplateSection, kTemplateEntry, kNoTemplate);
    if (m_strTemplateName == kNoTemplate) {
        // The first run: the window does not exist yet, so the prompt has no owner.
        ChooseTemplate(m_services.prompt.Ask(FilePrompt::Kind::Open, kTemplateExtension,
                                             TemplateFilter(), TemplatePromptTitle(), nullptr));
    }

    CreateControls();
    DoDataExchange();
    OnInitDialog();
}

void CWendleDlg::CreateControls()
{
    const DialogTemplate& dialog = WendleDialogTemplate();
    setWindowTitle(AppCaption());

    // Created in template order, which Qt also takes as the tab order.
    std::vector<QWidget*> widgets;
    std::vector<int> needed;
    QLabel* pendingLabel = nullptr;
    for (const ControlTemplate& control : dialog.controls) {
        QWidget* widget = widgets.emplace_back(CreateControl(control, this));
        needed.push_back(CaptionWidth(widget));
        if (!control.tabStop)
            widget->setFocusPolicy(Qt::NoFocus);
        if (control.id != IDC_STATIC)
            m_controls.insert(control.id, widget);
        // A label names the field that follows it, for screen readers too; they read a field by
        // its label and a button by its caption, without the colon and the blanks that only
        // serve the layout.
        if (pendingLabel && control.kind != ControlKind::Label) {
            pendingLabel->setBuddy(widget);
            widget->setAccessibleName(pendingLabel->text().chopped(1).trimmed());
        }
        if (control.kind == ControlKind::PushButton || control.kind == ControlKind::CheckBox)
            widget->setAccessibleName(CaptionText(control.text).trimmed());
        pendingLabel = qobject_cast<QLabel*>(widget);
    }
    // Placed once every caption is known: a long one widens its control and the window.
    const DialogLayout layout =
        LayOutDialog(dialog, BaseUnitsOf(font()), needed, QGuiApplication::layoutDirection());
    setFixedSize(layout.size);
    for (size_t i = 0; i < widgets.size(); ++i)
        widgets[i]->setGeometry(layout.rects[i]);

    for (const RouteEntry& route : kRoutes) {
        auto* button = qobject_cast<QPushButton*>(GetDlgItem(route.id));
        connect(button, &QPushButton::clicked, this, [this, handler = route.handler] {
            RunCommand([this, handler] { (this->*handler)(); });
        });
    }
}

void CWendleDlg::DoDataExchange()
{
    m_editTitle = qobject_cast<QLineEdit*>(GetDlgItem(IDC_TITLE));
    m_editText = qobject_cast<QPlainTextEdit*>(GetDlgItem(IDC_TEXT));
    m_checkMarkdown = qobject_cast<QCheckBox*>(GetDlgItem(IDC_MARKDOWN));
}

bool CWendleDlg::OnInitDialog()
{
    setWindowIcon(m_hIcon);
    // Enter in the title field ends the run, as in a dialog whose OK takes Enter; the text
    // field takes Enter as a line break.
    connect(m_editTitle, &QLineEdit::returnPressed, this, &QDialog::accept);
    auto* help = new QShortcut(QKeySequence::HelpContents, this);
    connect(help, &QShortcut::activated, this, &CWendleDlg::OnHelp);
    // F12, as in HTML editors: Build, then the page in the browser.
    auto* preview = new QShortcut(QKeySequence(Qt::Key_F12), this);
    connect(preview, &QShortcut::activated, this, [this] { RunCommand([this] { OnPreview(); }); });
    // Every change to a field is a reason to keep a recovery copy soon.
    m_recovery = std::make_unique<RecoveryCopy>(RecoveryFolder());
    m_recoveryPause.setSingleShot(true);
    m_recoveryPause.setInterval(1000);
    m_recoveryLongest.setSingleShot(true);
    m_recoveryLongest.setInterval(10000);
    for (QTimer* timer : {&m_recoveryPause, &m_recoveryLongest})
        connect(timer, &QTimer::timeout, this, [this] { KeepRecoveryCopy(); });
    connect(m_editTitle, &QLineEdit::textChanged, this, &CWendleDlg::FieldsTouched);
    connect(m_editText, &QPlainTextEdit::textChanged, this, &CWendleDlg::FieldsTouched);
    connect(m_checkMarkdown, &QCheckBox::toggled, this, &CWendleDlg::FieldsTouched);
    connect(m_recovery.get(), &RecoveryCopy::failed, this, &CWendleDlg::RecoveryFailed);
    connect(m_recovery.get(), &RecoveryCopy::stuck, this,
            [this](const QString& name) { NeverOfferAgain({name}); });
    // Spelling underlined in the text, in the language of the template a Build would use; Find
    // and Replace in it.
    new SpellChecker(*m_editText, qobject_cast<QAbstractButton*>(GetDlgItem(IDC_MARKDOWN)),
                     m_services.profile, [this] { return ResolveFileName(m_strTemplateName); });
    Finder::AddTo(*m_editText);
    m_editTitle->setFocus();
    // The fields would take a dropped file as text; files are the window's to handle.
    setAcceptDrops(true);
    m_editTitle->installEventFilter(this);
    m_editText->viewport()->installEventFilter(this);
    return true;
}

// The preview server, if F12 started one, stops with the window, and the recovery copy goes.
CWendleDlg::~CWendleDlg()
{
    if (m_recovery)
        DropRecovery();
}

bool CWendleDlg::RunCommand(const std::function<void()>& command)
{
    // A command's error ends the command, never the program: it is reported here and the
    // window waits for the next click. Nothing may escape into Qt's event loop.
    QString message;
    try {
        command();
        return true;
    } catch (const CommandError& error) {
        message = error.message();
    } catch (const std::bad_alloc&) {
        message = tr("There is not enough memory to finish this command.");
    } catch (const std::exception& error) {
        message =
            //: %1 is the reason the system or the library gave, as it gave it.
            tr("The command failed: %1").arg(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        message = tr("The command failed for an unknown reason.");
    }
    m_services.messages.ReportError(this, message);
    return false;
}

void CWendleDlg::accept()
{
    bool close = false;
    if (RunCommand([this, &close] { close = MaybeSave(); }) && close)
        QDialog::accept();
}

void CWendleDlg::reject()
{
    bool close = false;
    if (RunCommand([this, &close] { close = MaybeSave(); }) && close)
        QDialog::reject();
}

QPoint CWendleDlg::IconPosition(QSize client, QSize icon)
{
    return {(client.width() - icon.width() + 1) / 2, (client.height() - icon.height() + 1) / 2};
}

void CWendleDlg::paintEvent(QPaintEvent* event)
{
    OnPaint(event);
}

void CWendleDlg::OnPaint(QPaintEvent* event)
{
    if (!isMinimized()) {
        QDialog::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.eraseRect(rect());
    const int extent = style()->pixelMetric(QStyle::PM_LargeIconSize);
    const QSize iconSize(extent, extent);
    m_hIcon.paint(&painter, QRect(IconPosition(size(), iconSize), iconSize));
}

void CWendleDlg::OnHelp()
{
    m_services.messages.Inform(
        this, QStringLiteral("%1 v%2").arg(AppCaption(), QCoreApplication::applicationVersion()));
}

void CWendleDlg::OnTemplate()
{
    // A cancel keeps the template the window had; only the first run stores an empty name.
    const PromptResult chosen = m_services.prompt.Ask(
        FilePrompt::Kind::Open, kTemplateExtension, TemplateFilter(), TemplatePromptTitle(), this);
    if (!chosen.name.isEmpty())
        ChooseTemplate(chosen);
}

void CWendleDlg::ChooseTemplate(const PromptResult& chosen)
{
    m_strTemplateName = chosen.name;
    m_services.profile.Write(kTemplateSection, kTemplateEntry, m_strTemplateName);
}

PromptResult CWendleDlg::AskSaveName(const QString& extension, const QString& filter,
                                     const QString& own)
{
    const QString current = QDir::currentPath();
    const std::optional<FileId> ownId = own.isEmpty() ? std::nullopt : FileIdOf(own);
    // Asked here rather than by Qt's dialog, which cannot tell the file this window writes
    // already from any other.
    for (;;) {
        const PromptResult chosen =
            m_services.prompt.Ask(FilePrompt::Kind::Save, extension, filter, {}, this);
        if (chosen.name.isEmpty()) {
            // A name declined before the cancel has moved the current folder.
            QDir::setCurrent(current);
            return chosen;
        }
        const QString path = ResolveFileName(chosen.name, chosen.folder);
        // Only a plain file can be replaced; a folder or a pipe is refused by the write.
        if (!QFileInfo(path).isFile() || (ownId && FileIdOf(path) == ownId))
            return chosen;
        // Qt's own words, which Qt's catalogue translates: named through variables, so that
        // lupdate leaves them out of Wendle's catalogues.
        static const char* const kContext = "QFileDialog";
        static const char* const kQuestion = "%1 already exists.\nDo you want to replace it?";
        if (m_services.messages.Confirm(
                this,
                QCoreApplication::translate(kContext, kQuestion).arg(QFileInfo(path).fileName())))
            return chosen;
    }
}

void CWendleDlg::dragEnterEvent(QDragEnterEvent* event)
{
    AcceptDrag(event);
}

void CWendleDlg::AcceptDrag(QDropEvent* event)
{
    // Refused here, the drag shows that it cannot be dropped.
    if (!DroppedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void CWendleDlg::dropEvent(QDropEvent* event)
{
    const QString path = DroppedFile(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    // As Open and Template do, the file's folder becoming the current directory.
    if (path.endsWith(QLatin1String(".html"), Qt::CaseInsensitive))
        RunCommand([this, &path] { ChooseTemplate(AcceptChosenFile(path)); });
    else
        RunCommand([this, &path] {
            if (MaybeSave())
                OpenProject(AcceptChosenFile(path));
        });
}

bool CWendleDlg::eventFilter(QObject* watched, QEvent* event)
{
    // Text dragged onto a field stays the field's; anything that carries files is the window's.
    auto* drag = dynamic_cast<QDropEvent*>(event);
    if (!drag || !drag->mimeData()->hasUrls())
        return QDialog::eventFilter(watched, event);
    if (event->type() == QEvent::Drop)
        dropEvent(drag);
    else
        AcceptDrag(drag);
    return true;
}
