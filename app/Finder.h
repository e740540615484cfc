#pragma once

#include <QDialog>
#include <QRegularExpression>
#include <QString>

#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// Find and Replace in a text field, in a small window of its own beside the main one, which
// stays as it is: Ctrl+F finds, Ctrl+H replaces, F3 and Shift+F3 find the next and the previous
// match, and Escape closes the finder and gives the field its focus back. Searches wrap at the
// end and say so in the finder, as they say "not found": no message box interrupts.
class Finder : public QDialog {
    Q_OBJECT

public:
    // The keys, in the field's window; the finder is made at their first use.
    static void AddTo(QPlainTextEdit& field);

    void reject() override;

protected:
    void hideEvent(QHideEvent* event) override;

private:
    explicit Finder(QPlainTextEdit& field);
    static Finder& Of(QPlainTextEdit& field);

    // Runs what a key or a button asks for; a failure is said in the finder's note.
    void Safely(const std::function<void()>& work);
    // Puts `note` in the finder, which comes up to say it if it is closed.
    void Say(const QString& note);
    void Open(bool replace);
    // Selects the next match before or after the selection; false when there is none.
    bool Find(bool backward);
    void Replace();
    void ReplaceAll();
    // What to find, as the field's text would hold it.
    QString What() const;
    // Where the next match starts at `from` or after it (before it, backward), or -1.
    qsizetype Search(const QString& text, const QString& what, qsizetype from, bool backward);
    // The field's text, read once, then kept up to date by reading only what an edit changed.
    const QString& Text();
    void Changed(int position, int removed, int added);

    QPlainTextEdit& m_field;
    QLineEdit* m_what;
    QLabel* m_withLabel;
    QLineEdit* m_with;
    QCheckBox* m_case;
    QCheckBox* m_words;
    QPushButton* m_replace;
    QPushButton* m_replaceAll;
    QLabel* m_note;
    QString m_text;
    bool m_textRead = false;
    // Where the text differs from the field's since it was read: from there to all but the last
    // `m_unchangedTail` characters; -1 when it does not.
    qsizetype m_changedFrom = -1;
    qsizetype m_unchangedTail = -1;
    bool m_validText = false;
    // The forward search, compiled for what is looked for, whole words or not, and its case.
    QRegularExpression m_forward;
    QString m_forwardWhat;
    bool m_forwardWords = false;
};
