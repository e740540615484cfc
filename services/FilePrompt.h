#pragma once

#include <QByteArray>
#include <QString>

class QWidget;

// What a file prompt gives: the chosen file's bare name (no folder) and the folder it was
// chosen in. Both are empty after a cancel.
struct PromptResult {
    QByteArray name;
    QString folder;
};

// The modal open or save file prompt. A choice moves the process's current directory to the
// chosen file's folder, so the bare name then reaches the file; a cancel leaves it alone.
class FilePrompt {
public:
    enum class Kind { Open, Save };

    virtual ~FilePrompt() = default;

    // `filter` comes as description|pattern pairs closed by "||", for example
    // "HTML files(*.html)|*.html||". `defaultExtension` is added to a typed name without one.
    // An existing file is not questioned here: the caller asks before it replaces one. An
    // empty `title` leaves the dialog's own ("Open", "Save As").
    virtual PromptResult Ask(Kind kind, const QString& defaultExtension, const QString& filter,
                             const QString& title, QWidget* owner) = 0;
};

// The chosen file at `absolutePath`: moves the current directory to its folder and gives its
// name. Every prompt, real or scripted, ends through here.
PromptResult AcceptChosenFile(const QString& absolutePath);

// Turns "desc|pattern|desc|pattern||" into Qt's "desc (pattern);;desc (pattern)". A
// description that already ends in its pattern in parentheses is kept as it is.
QString QtNameFilters(const QString& filter);

// Qt's file dialog.
class QtFilePrompt final : public FilePrompt {
public:
    PromptResult Ask(Kind kind, const QString& defaultExtension, const QString& filter,
                     const QString& title, QWidget* owner) override;
};
