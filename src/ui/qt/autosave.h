#pragma once

#include <QDateTime>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <QTimer>
#include <memory>
#include <optional>
#include <vector>

#include "model/design_data.h"

namespace tarnex::ui {

/// The recovery file of a session: after a change, at most every interval, the design is
/// written (through the input file writer) to a file of its own in the user's application
/// data folder, never beside or over the design's own file. Saving the design or closing the
/// window removes it; a session that ended otherwise leaves it for the next start.
class Autosave : public QObject {
    Q_OBJECT

  public:
    /// A recovery file left by a session that ended without closing its window.
    struct Recovery {
        QString file;        ///< the recovery file (the design as an input file)
        QString designPath;  ///< the design's own file; empty for a new design
        QDateTime written;   ///< when it was written
    };

    /// `folder` holds the recovery files; `intervalMs` is the least time between two writes.
    Autosave(const ProgramState& state, const QString& folder, int intervalMs,
             QObject* parent = nullptr);
    /// A clean end: the recovery file goes.
    ~Autosave() override;
    Autosave(const Autosave&) = delete;
    Autosave& operator=(const Autosave&) = delete;

    /// After a command: a changed design is written within the interval unless written as it
    /// stands; an unchanged (saved) one removes the recovery file.
    void Follow(bool designChanged);
    /// Writes the design now (the timer's work).
    void WriteNow();
    /// Removes this session's recovery file.
    void Remove();
    [[nodiscard]] QString recoveryFile() const;
    [[nodiscard]] bool pending() const { return timer_.isActive(); }

    /// The recovery files of sessions that are no longer running, newest first.
    static std::vector<Recovery> Abandoned(const QString& folder);
    /// Removes a recovery file once recovered or declined.
    static void Discard(const Recovery& recovery);
    /// The user's application data folder.
    static QString DefaultFolder();

  private:
    const ProgramState& state_;
    QString folder_;
    QString id_;
    QLockFile lock_;
    QTimer timer_;
    std::optional<DesignInputs> written_;  ///< the inputs last written
};

}  // namespace tarnex::ui
