#include "project/Recovery.h"

#include "services/Errors.h"
#include "services/FileAccess.h"
#include "services/WindowText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QThread>
#include <QThreadPool>

#include <algorithm>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

QByteArray InfoJson(const RecoveryInfo& info)
{
    return QJsonDocument(QJsonObject{
                             {"projectName", QFile::decodeName(info.projectName)},
                             {"projectFolder", info.projectFolder},
                             {"outputName", QFile::decodeName(info.outputName)},
                             {"outputFolder", info.outputFolder},
                             {"outputFromProject", info.outputFromProject},
                             {"projectHash", QString::number(info.projectHash)},
                             {"saved", info.saved.toString(Qt::ISODateWithMs)},
                         })
        .toJson();
}

RecoveryInfo InfoFrom(const QByteArray& json)
{
    QJsonParseError error{};
    const QJsonObject object = QJsonDocument::fromJson(json, &error).object();
    const QDateTime saved =
        QDateTime::fromString(object.value("saved").toString(), Qt::ISODateWithMs);
    if (error.error != QJsonParseError::NoError || !saved.isValid())
        throw CommandError(QStringLiteral("Its description is damaged."));
    return {QFile::encodeName(object.value("projectName").toString()),
            object.value("projectFolder").toString(),
            QFile::encodeName(object.value("outputName").toString()),
            object.value("outputFolder").toString(),
            object.value("outputFromProject").toBool(),
            size_t(object.value("projectHash").toString().toULongLong()),
            saved};
}

// True when no running window holds the lock of the copy named by `stem`.
bool Abandoned(const QString& stem)
{
    const int fd = ::open(QFile::encodeName(stem + ".lock").constData(), O_RDWR | O_CLOEXEC);
    if (fd < 0)
        return true;
    const bool free = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    ::close(fd);
    return free;
}

}  // namespace

QString RecoveryFolder()
{
    const QString state = qEnvironmentVariable("XDG_STATE_HOME");
    return QDir(state.isEmpty() ? QDir::home().filePath(".local/state") : state)
        .filePath("wendle/recovery");
}

RecoveryCopy::RecoveryCopy(QString folder)
    : m_stem(QDir(folder).filePath(QStringLiteral("window-%1-%2")
                                       .arg(QCoreApplication::applicationPid())
                                       .arg(QDateTime::currentMSecsSinceEpoch())))
{
}

RecoveryCopy::~RecoveryCopy()
{
    Wait();
    if (m_lock >= 0)
        ::close(m_lock);
}

void RecoveryCopy::Wait()
{
    while (m_writing.loadAcquire() != 0)
        QThread::msleep(1);
}

void RecoveryCopy::Write(const Fields& fields, const RecoveryInfo& info)
{
    // One write at a time; the fields are read again at the next pause if this one is late.
    Wait();
    m_writing.storeRelease(1);
    QThreadPool::globalInstance()->start([this, fields, info] {
        Store(fields, info);
        m_writing.storeRelease(0);
    });
}

void RecoveryCopy::WriteNow(const Fields& fields, const RecoveryInfo& info)
{
    Wait();
    Store(fields, info);
}

void RecoveryCopy::Store(const Fields& fields, const RecoveryInfo& info)
{
    // Typed and deleted again: nothing would be lost.
    if (SameFieldText(fields.title, fields.keptTitle)
        && SameFieldText(fields.text, fields.keptText))
        return Delete(m_stem + ".wendle");
    try {
        if (m_lock < 0) {
            if (!QDir().mkpath(QFileInfo(m_stem).absolutePath()))
                throw FileError(FileError::Action::Write, QFileInfo(m_stem).absolutePath(),
                                QStringLiteral("The folder cannot be made"));
            m_lock = ::open(QFile::encodeName(m_stem + ".lock").constData(),
                            O_RDWR | O_CREAT | O_CLOEXEC, 0600);
            if (m_lock < 0 || ::flock(m_lock, LOCK_EX | LOCK_NB) != 0)
                throw FileError(FileError::Action::Write, m_stem + ".lock", qt_error_string(errno));
        }
        // The description first: a copy is only offered once both are there.
        OutputFile::WriteWhole(m_stem + ".json", InfoJson(info), OutputFile::Links::Replace);
        OutputFile copy(m_stem + ".wendle", OutputFile::Links::Replace);
        WriteProject(copy,
                     {fields.title.toUtf8(), BytesFromFieldText(fields.text), info.outputName});
        copy.Commit();
    } catch (const CommandError& error) {
        QMetaObject::invokeMethod(this,
                                  [this, message = error.message()] { emit failed(message); });
    }
}

void RecoveryCopy::Remove()
{
    // A copy being written now would land after the removal.
    Wait();
    Delete(m_stem + ".wendle");
}

void RecoveryCopy::Delete(const QString& copy)
{
    const QString stem = copy.chopped(int(qstrlen(".wendle")));
    QFile::remove(copy);
    QFile::remove(stem + ".json");
}

std::vector<RecoveredWork> RecoveryCopy::Left(const QString& folder, QStringList* damaged)
{
    std::vector<RecoveredWork> left;
    const QDir dir(folder);
    for (const QString& name : dir.entryList({"window-*.wendle"}, QDir::Files)) {
        const QString path = dir.filePath(name);
        const QString stem = path.chopped(int(qstrlen(".wendle")));
        if (!Abandoned(stem))
            continue;
        try {
            InputFile file(path);
            RecoveredWork work{path, ReadProject(file), {}};
            work.info = InfoFrom(InputFile(stem + ".json").ReadAll());
            left.push_back(std::move(work));
        } catch (const CommandError& error) {
            // Moved aside, never deleted unasked, and never read again.
            const QString aside = dir.filePath("damaged-" + name);
            QFile::rename(path, aside);
            QFile::rename(stem + ".json", aside.chopped(int(qstrlen(".wendle"))) + ".json");
            *damaged << QStringLiteral("%1\n%2\nIt was moved aside to %3.")
                            .arg(error.message(), path, aside);
        }
        QFile::remove(stem + ".lock");
    }
    std::sort(left.begin(), left.end(), [](const RecoveredWork& a, const RecoveredWork& b) {
        return a.info.saved > b.info.saved;
    });
    return left;
}
