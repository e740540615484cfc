#pragma once

#include "project/ProjectFile.h"

#include <QDateTime>
#include <QFutureWatcher>
#include <QObject>
#include <QString>
#include <QStringList>

class QThreadPool;

#include <memory>
#include <optional>
#include <vector>

// Where unsaved work came from, kept beside its recovery copy so that a restored window saves
// and builds where the first one would have.
struct RecoveryInfo {
    FileState files;
    QDateTime saved;
};

// A window's hold on a copy left by a window that is gone: the copy's lock, taken before the
// copy is offered, so that no other window offers or restores it meanwhile. Released when the
// object goes, unless the copy was deleted.
class RecoveryClaim {
public:
    // Nothing when another window holds the copy.
    static std::shared_ptr<RecoveryClaim> Take(const QString& stem);
    ~RecoveryClaim();
    RecoveryClaim(const RecoveryClaim&) = delete;
    RecoveryClaim& operator=(const RecoveryClaim&) = delete;

    const QString& stem() const { return m_stem; }
    // Removes the copy and everything kept beside it, the lock last; the reason when the copy
    // itself stays on the disk.
    QString Delete();

private:
    RecoveryClaim(QString stem, int fd) : m_stem(std::move(stem)), m_fd(fd) { }
    QString m_stem;  // the folder and the name without its suffix
    int m_fd = -1;
};

// A recovery copy left by a window that is gone, claimed by this window.
struct RecoveredWork {
    QString path;  // the copy, an ordinary project file
    ProjectContent content;
    RecoveryInfo info;
    std::shared_ptr<RecoveryClaim> claim;
};

// What a look at the recovery folder found.
struct LeftCopies {
    std::vector<RecoveredWork> work;  // newest first
    QStringList damaged;  // a message for each copy that cannot be read
    // Names of copies that were restored or discarded, or are damaged, but cannot be removed or
    // moved aside (a read-only folder): never to be offered again.
    QStringList stuck;
};

// $XDG_STATE_HOME/wendle/recovery, or ~/.local/state/wendle/recovery when the variable is not
// an absolute path.
QString RecoveryFolder();

// The recovery copy of one window: NAME.wendle, a project that Open reads, and NAME.json beside
// it with the rest. The window holds a lock on NAME.lock while it runs, so that no other window
// offers its copy. Copies are written on a worker thread, through the same durable writer as
// everything else; nothing is written before the first copy is asked for.
class RecoveryCopy : public QObject {
    Q_OBJECT

public:
    explicit RecoveryCopy(QString folder);
    // Removes this window's copy and every file of it: a window closed by the user leaves
    // nothing, since closing asked about unsaved work.
    ~RecoveryCopy() override;

    // The field texts as read, and as last kept in a project or a page: when they differ, or
    // `unsaved` says so, their copy is written, else the copy is removed.
    struct Fields {
        QString title, text, keptTitle, keptText;
        bool unsaved = false;
        // Kept in the copy as a project keeps them.
        TextFormat format = TextFormat::Html;
        QByteArray laterEntries = {}, laterBlock = {};
    };
    // Compared and written in the background, since both take time on a long text. While a
    // write runs, the newest request waits for its end; the window never does. `failed` tells
    // of a failure.
    void Write(const Fields& fields, const RecoveryInfo& info);
    // The same, finished before it returns (before the program ends on a signal); gives the
    // reason it failed, or nothing.
    QString WriteNow(const Fields& fields, const RecoveryInfo& info);
    // Removes the copy once a write in progress is done: nothing would be lost now.
    void Remove();
    // The copy this window's work was restored from. It stays on the disk, held by this window,
    // until this window's own copy is on the disk or nothing would be lost.
    void Adopt(std::shared_ptr<RecoveryClaim> earlier);
    // Removes every file of this window's copy, its lock last, and the adopted one once a write
    // in progress is done (the window ends); the adopted one's name if it stays. A later write
    // takes a new lock.
    QString Drop();

    // The copies of windows that are gone, claimed; copies named in `done` are removed if they
    // can be, and never offered. A damaged copy is moved aside, never to be read again. Files
    // of windows that are gone and that belong to no copy are removed.
    static LeftCopies Left(const QString& folder, const QStringList& done);
    // The one thread that copies are written on; tests and benchmarks hold it to see that the
    // window goes on meanwhile.
    static QThreadPool* Workers();

signals:
    void failed(const QString& message);
    // A copy this window restored that cannot be removed: it must not be offered again.
    void stuck(const QString& name);

private:
    // A write, or a removal when empty.
    using Job = std::optional<std::pair<Fields, RecoveryInfo>>;
    struct Outcome {
        QString error;
        QString stuck;
    };
    void Start(Job job);
    Outcome Run(const Job& job);
    QString Store(const Fields& fields, const RecoveryInfo& info);
    // Deletes this window's copy and the adopted one; the adopted one's name if it stays.
    QString DropCopies();
    // Deletes the adopted copy alone; its name if it stays.
    QString DropEarlier();

    QString m_stem;
    int m_lock = -1;
    std::shared_ptr<RecoveryClaim> m_earlier;
    QFutureWatcher<Outcome> m_watcher;
    std::optional<Job> m_due;
};
