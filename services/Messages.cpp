#include "services/Messages.h"

#include "res/DialogTemplate.h"

#include <QApplication>
#include <QMessageBox>
#include <QProxyStyle>
#include <QPushButton>

namespace {

// Qt 6.4's common style draws a button's text at the far edge, away from its icon, when the
// button is laid out right to left (the text's alignment is mirrored twice), so the Save,
// Discard and Cancel of message boxes and file dialogs had their text against the frame, cut.
// Right to left, dialog buttons go without icons and their text is centred; left to right this
// style is the one it wraps.
class DialogButtonStyle final : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returned) const override
    {
        if (hint == SH_DialogButtonBox_ButtonsHaveIcons
            && (widget ? widget->isRightToLeft() : QGuiApplication::isRightToLeft()))
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returned);
    }
};

}  // namespace

void UseDialogButtonStyle(QStyle* base)
{
    // The QApplication has already built the style the user chose (QT_STYLE_OVERRIDE, else the
    // desktop's): wrapping it, which reparents it to the wrapper, saves building it a second time.
    QApplication::setStyle(new DialogButtonStyle(base ? base : QApplication::style()));
}

void QtMessages::ReportError(QWidget* owner, const QString& text)
{
    QMessageBox::warning(owner, AppCaption(), text);
}

bool QtMessages::Confirm(QWidget* owner, const QString& question)
{
    return QMessageBox::question(owner, AppCaption(), question, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No)
        == QMessageBox::Yes;
}

void QtMessages::Inform(QWidget* owner, const QString& text)
{
    QMessageBox::about(owner, AppCaption(), text);
}

Messages::SaveAnswer QtMessages::AskToSave(QWidget* owner, const QString& question)
{
    switch (QMessageBox::warning(owner, AppCaption(), question,
                                 QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                                 QMessageBox::Save)) {
    case QMessageBox::Save:
        return SaveAnswer::Save;
    case QMessageBox::Discard:
        return SaveAnswer::Discard;
    default:
        return SaveAnswer::Cancel;
    }
}

bool QtMessages::ConfirmSave(QWidget* owner, const QString& question)
{
    return QMessageBox::warning(owner, AppCaption(), question,
                                QMessageBox::Save | QMessageBox::Cancel, QMessageBox::Cancel)
        == QMessageBox::Save;
}

Messages::RestoreAnswer QtMessages::AskToRestore(QWidget* owner, const QString& question)
{
    QMessageBox box(QMessageBox::Question, AppCaption(), question, QMessageBox::NoButton, owner);
    QPushButton* restore = box.addButton(
        //: Button of the question that offers typing a window left unsaved: bring it back.
        QCoreApplication::translate("Messages", "Restore"), QMessageBox::AcceptRole);
    QPushButton* discard = box.addButton(QMessageBox::Discard);
    // Escape and the close button answer "not now", which has no button of its own.
    QAbstractButton* later = box.addButton(QMessageBox::Cancel);
    later->hide();
    box.setDefaultButton(restore);
    box.setEscapeButton(later);
    box.exec();
    return box.clickedButton() == restore ? RestoreAnswer::Restore
        : box.clickedButton() == discard  ? RestoreAnswer::Discard
                                          : RestoreAnswer::Later;
}
