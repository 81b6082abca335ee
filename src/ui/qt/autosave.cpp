#include "ui/qt/autosave.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <algorithm>
#include <exception>

#include "model/input_file.h"
#include "model/text_files.h"

namespace tarnex::ui {

namespace {

QString LockName(const QString& id) { return "session-" + id + ".lock"; }
QString RecoveryName(const QString& id) { return "recovery-" + id + ".in"; }
/// Beside the recovery file: the design's own path and the time of writing, one a line.
QString NoteName(const QString& id) { return "recovery-" + id + ".txt"; }

}  // namespace

QString Autosave::DefaultFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

Autosave::Autosave(const ProgramState& state, const QString& folder, int intervalMs,
                   QObject* parent)
    : QObject(parent),
      state_(state),
      folder_(folder),
      id_(QString::number(QCoreApplication::applicationPid())),
      lock_(QDir(folder).filePath(LockName(id_))) {
    QDir().mkpath(folder_);
    // The lock tells the next start that this session is still running.
    lock_.setStaleLockTime(0);
    lock_.tryLock(0);
    timer_.setSingleShot(true);
    timer_.setInterval(intervalMs);
    connect(&timer_, &QTimer::timeout, this, &Autosave::WriteNow);
}

Autosave::~Autosave() {
    Remove();
    lock_.unlock();
}

QString Autosave::recoveryFile() const { return QDir(folder_).filePath(RecoveryName(id_)); }

void Autosave::Follow(bool designChanged) {
    if (!designChanged) {
        timer_.stop();
        Remove();
        return;
    }
    if (written_ && *written_ == static_cast<const DesignInputs&>(state_.data)) return;
    if (!timer_.isActive()) timer_.start();
}

void Autosave::WriteNow() {
    timer_.stop();
    const DesignData& d = state_.data;
    const std::string file = recoveryFile().toStdString();
    // Never over the design's own file, whatever the folders are.
    if (!d.InputFileName.empty() && SameFile(file, d.InputFileName)) return;
    try {
        ReplaceTextFile(file, FormatInputFileText(d));
        const QString note = QString::fromStdString(d.InputFileName) + "\n" +
                             QDateTime::currentDateTime().toString(Qt::ISODate) + "\n";
        ReplaceTextFile(QDir(folder_).filePath(NoteName(id_)).toStdString(), note.toStdString());
        written_ = static_cast<const DesignInputs&>(d);
    } catch (const std::exception&) {
        // A recovery file that cannot be written is no reason to disturb the user.
    }
}

void Autosave::Remove() {
    written_.reset();
    QFile::remove(recoveryFile());
    QFile::remove(QDir(folder_).filePath(NoteName(id_)));
}

std::vector<Autosave::Recovery> Autosave::Abandoned(const QString& folder) {
    std::vector<Recovery> found;
    const QDir dir(folder);
    for (const QString& name : dir.entryList({"recovery-*.in"}, QDir::Files)) {
        const QString id = name.mid(9, name.size() - 12);
        // A session still running holds its lock; a stale one is taken over and let go.
        QLockFile lock(dir.filePath(LockName(id)));
        lock.setStaleLockTime(0);
        if (!lock.tryLock(0)) continue;
        lock.unlock();
        Recovery recovery{dir.filePath(name), {}, QFileInfo(dir.filePath(name)).lastModified()};
        QFile note(dir.filePath(NoteName(id)));
        if (note.open(QIODevice::ReadOnly)) {
            const QStringList lines = QString::fromUtf8(note.readAll()).split('\n');
            recovery.designPath = lines.value(0);
            const QDateTime when = QDateTime::fromString(lines.value(1), Qt::ISODate);
            if (when.isValid()) recovery.written = when;
        }
        found.push_back(recovery);
    }
    std::sort(found.begin(), found.end(),
              [](const Recovery& a, const Recovery& b) { return a.written > b.written; });
    return found;
}

void Autosave::Discard(const Recovery& recovery) {
    QFile::remove(recovery.file);
    QString note = recovery.file;
    note.replace(note.size() - 3, 3, ".txt");
    QFile::remove(note);
}

}  // namespace tarnex::ui
