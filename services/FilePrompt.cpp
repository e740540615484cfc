#include "services/FilePrompt.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

PromptResult AcceptChosenFile(const QString& absolutePath)
{
    const QFileInfo info(absolutePath);
    const QString folder = info.absolutePath();
    QDir::setCurrent(folder);
    return {QFile::encodeName(info.fileName()), folder};
}

QString QtNameFilters(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts[i];
        const QString& pattern = parts[i + 1];
        if (description.isEmpty() && pattern.isEmpty())
            break;
        const QString shown = QLatin1Char('(') + pattern + QLatin1Char(')');
        filters << (description.endsWith(shown) ? description
                                                : description + QLatin1Char(' ') + shown);
    }
    return filters.join(QStringLiteral(";;"));
}

PromptResult QtFilePrompt::Ask(Kind kind, const QString& defaultExtension, const QString& filter,
                               const QString& title, QWidget* owner)
{
    QFileDialog dialog(owner);
    if (!title.isEmpty())
        dialog.setWindowTitle(title);
    dialog.setAcceptMode(kind == Kind::Open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    // The name is not tested here: opening a missing file fails later with a message that
    // names it, the same way for every command.
    dialog.setFileMode(QFileDialog::AnyFile);
    // The window asks before a file is replaced (it knows which file it writes already), so
    // the dialog does not ask a second time.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setDefaultSuffix(defaultExtension);
    dialog.setNameFilter(QtNameFilters(filter));
    dialog.setDirectory(QDir::current());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return AcceptChosenFile(dialog.selectedFiles().constFirst());
}
