#include "services/Messages.h"

#include "res/DialogTemplate.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

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
