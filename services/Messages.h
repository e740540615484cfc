#pragma once

#include <QString>

class QWidget;

// Message boxes, behind one seam so that tests can read and answer them.
class Messages {
public:
    virtual ~Messages() = default;

    virtual void ReportError(QWidget* owner, const QString& text) = 0;
    // True when the user answers Yes.
    virtual bool Confirm(QWidget* owner, const QString& question) = 0;
    virtual void Inform(QWidget* owner, const QString& text) = 0;

    enum class SaveAnswer { Save, Discard, Cancel };
    // Asks whether to save work that is about to be lost. Escape is Cancel.
    virtual SaveAnswer AskToSave(QWidget* owner, const QString& question) = 0;
    // True when the user answers Save; Cancel is the default and Escape.
    virtual bool ConfirmSave(QWidget* owner, const QString& question) = 0;
    enum class RestoreAnswer { Restore, Discard, Later };
    // Offers work that a window left unsaved; Restore is the default, Escape is Later.
    virtual RestoreAnswer AskToRestore(QWidget* owner, const QString& question) = 0;
};

class QtMessages final : public Messages {
public:
    void ReportError(QWidget* owner, const QString& text) override;
    bool Confirm(QWidget* owner, const QString& question) override;
    void Inform(QWidget* owner, const QString& text) override;
    SaveAnswer AskToSave(QWidget* owner, const QString& question) override;
    bool ConfirmSave(QWidget* owner, const QString& question) override;
    RestoreAnswer AskToRestore(QWidget* owner, const QString& question) override;
};

// Makes the application's style one that draws dialog buttons right to left without cutting
// their text. Called once, after the QApplication is built and before any widget exists. It wraps
// `base` (taking it), else the application's current style.
class QStyle;
void UseDialogButtonStyle(QStyle* base = nullptr);
