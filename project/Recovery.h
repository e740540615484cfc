#pragma once

#include "project/ProjectFile.h"

#include <QDateTime>
#include <QObject>
#include <QString>

#include <vector>

// Where unsaved work came from, kept beside its recovery copy so that a restored window saves
// and builds where the first one would have.
struct RecoveryInfo {
    QByteArray projectName;
    QString projectFolder;
    QByteArray outputName;
    QString outputFolder;
    bool outputFromProject = false;
    size_t projectHash = 0;
    QDateTime saved;
};

// A recovery copy left by a window that is gone.
struct RecoveredWork {
    QString path;  // the copy, an ordinary project file
    ProjectContent content;
    RecoveryInfo info;
};

// $XDG_STATE_HOME/wendle/recovery, or ~/.local/state/wendle/recovery.
QString RecoveryFolder();

// The recovery copy of one window: NAME.wendle, a project that Open reads, and NAME.json beside
// it with the rest. The window holds a lock on NAME.lock while it runs, so that no other window
// offers its copy. Copies are written on a worker thread, through the same durable writer as
// everything else; nothing is written before the first copy is asked for.
class RecoveryCopy : public QObject {
    Q_OBJECT

public:
    explicit RecoveryCopy(QString folder);
    ~RecoveryCopy() override;

    // The field texts as read, and as last kept in a project or a page: when they differ, their
    // copy is written, else the copy is removed. Compared and written in the background, since
    // both take time on a long text; `failed` tells of a failure.
    struct Fields {
        QString title, text, keptTitle, keptText;
    };
    void Write(const Fields& fields, const RecoveryInfo& info);
    // The same, finished before it returns (before the program ends on a signal).
    void WriteNow(const Fields& fields, const RecoveryInfo& info);
    // Removes the copy, once a write in progress is done: nothing would be lost now.
    void Remove();

    // The copies of windows that are gone, newest first. A damaged one is moved aside, never
    // to be read again, and named in `damaged` with the reason.
    static std::vector<RecoveredWork> Left(const QString& folder, QStringList* damaged);
    // Deletes a copy and what is kept beside it.
    static void Delete(const QString& copy);

signals:
    void failed(const QString& message);

private:
    void Store(const Fields& fields, const RecoveryInfo& info);
    void Wait();

    QString m_stem;  // the folder and the name without its suffix
    int m_lock = -1;
    QAtomicInt m_writing = 0;
};
