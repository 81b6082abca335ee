#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QSettings>
#include <QTimer>
#include <QUrl>

#include "model/text_files.h"
#include "ui/qt/autosave.h"
#include "ui/qt/main_window.h"

namespace tarnex::ui {

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

/// The local file of a drag, or empty.
QString DraggedFile(const QMimeData* mime) {
    if (mime == nullptr || !mime->hasUrls() || mime->urls().isEmpty()) return {};
    const QUrl url = mime->urls().first();
    return url.isLocalFile() ? url.toLocalFile() : QString();
}

}  // namespace

void MainWindow::BuildFileMenu() {
    QMenu* file = menuBar()->addMenu("&File");
    file->setObjectName("mnuFile");
    // Commands run once the menu or shortcut that chose them is done: their questions and
    // dialogs never open inside the menu bar's own event handling.
    auto entry = [&](QMenu* menu, const QString& caption, const char* name,
                     const QList<QKeySequence>& keys, const std::function<void()>& command) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(name);
        action->setShortcuts(keys);
        connect(action, &QAction::triggered, this, [this, command] { RunQueued(command); });
        return action;
    };
    entry(file, "&New", "mnuNew", {QKeySequence::New}, [this] { presenter_.NewDesign(); });
    entry(file, "&Open...", "mnuLoadIF", {QKeySequence::Open}, [this] { presenter_.LoadInput(); });
    recentMenu_ = file->addMenu("Open &Recent");
    recentMenu_->setObjectName("mnuRecent");
    file->addSeparator();
    entry(file, "&Save", "mnuSaveInput", {QKeySequence::Save}, [this] { presenter_.Save(); });
    entry(file, "Save &As...", "mnuSaveIF", {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
          [this] { presenter_.SaveInput(); });
    entry(file, "Save Ou&tput As...", "mnuSaveOF", {}, [this] { presenter_.ChooseReportFile(); });
    entry(file, "Save Results as &CSV...", "mnuSaveCSV", {}, [this] { SaveResults(); });
    file->addSeparator();
    entry(file, "&Exit", "mnuExit", {}, [this] { close(); });
}

void MainWindow::BuildEditMenu() {
    QMenu* edit = menuBar()->addMenu("&Edit");
    edit->setObjectName("mnuEdit");
    QAction* undo = edit->addAction("&Undo");
    undo->setObjectName("mnuUndo");
    undo->setShortcut(QKeySequence::Undo);
    connect(undo, &QAction::triggered, this, [this] { Run([this] { presenter_.Undo(); }); });
    QAction* redo = edit->addAction("&Redo");
    redo->setObjectName("mnuRedo");
    redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    connect(redo, &QAction::triggered, this, [this] { Run([this] { presenter_.Redo(); }); });
}

void MainWindow::ShowRecentFiles() {
    const std::vector<std::string>& paths = presenter_.recentFiles().paths();
    if (recentMenu_ == nullptr || paths == recentShown_) return;
    recentShown_ = paths;
    QStringList list;
    recentMenu_->clear();
    for (std::size_t i = 0; i < paths.size(); ++i) {
        const QString path = Q(paths[i]);
        list << path;
        QAction* action = recentMenu_->addAction(QString("&%1 %2").arg(i + 1).arg(path));
        action->setObjectName(QString("mnuRecent%1").arg(i + 1));
        connect(action, &QAction::triggered, this,
                [this, path] { QTimer::singleShot(0, this, [this, path] { OpenFile(path); }); });
    }
    recentMenu_->setEnabled(!paths.empty());
    QSettings().setValue("recentFiles", list);
}

bool MainWindow::PassUndoKey(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride) return false;
    auto* box = qobject_cast<QLineEdit*>(watched);
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool undo = key->matches(QKeySequence::Undo);
    const bool redo = key->matches(QKeySequence::Redo) ||
                      key->keyCombination() == QKeyCombination(Qt::CTRL, Qt::Key_Y);
    if (box == nullptr || (!undo && !redo)) return false;
    // A box with edits of its own undoes them itself; otherwise the key is left unaccepted
    // and reaches the window's Undo or Redo.
    if (undo ? box->isUndoAvailable() : box->isRedoAvailable()) return false;
    event->ignore();
    return true;
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!DraggedFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QString path = DraggedFile(event->mimeData());
    if (path.isEmpty()) return;
    event->acceptProposedAction();
    // The question about unsaved changes waits until the drag is over.
    QTimer::singleShot(0, this, [this, path] { OpenFile(path); });
}

void MainWindow::OpenFile(const QString& path) {
    Run([&] { presenter_.OpenFile(path.toStdString()); });
}

void MainWindow::EnableAutosave(int intervalMs) {
    autosave_ = std::make_unique<Autosave>(state_, Autosave::DefaultFolder(), intervalMs);
    Sync();
}

bool MainWindow::OfferRecovery() {
    for (const Autosave::Recovery& recovery : Autosave::Abandoned(Autosave::DefaultFolder())) {
        const QString name = recovery.designPath.isEmpty()
                                 ? QString("the new design")
                                 : QFileInfo(recovery.designPath).fileName();
        const QString shown =
            recovery.designPath.isEmpty() ? QString("A new design") : recovery.designPath;
        const QString question = "Recover the unsaved changes to " + name + " made at " +
                                 recovery.written.toString("HH:mm") + "?\r" + shown +
                                 " as it was then, from the recovery file " + recovery.file;
        std::string text;
        try {
            text = ReadTextFile(recovery.file.toStdString());
        } catch (const std::exception&) {
            Autosave::Discard(recovery);
            continue;
        }
        bool recovered = false;
        Run([&] {
            if (!presenter_.AskYesNo(question.toStdString(), "Recover")) return;
            presenter_.RecoverDesign(text, recovery.designPath.toStdString());
            recovered = true;
        });
        Autosave::Discard(recovery);
        if (recovered) return true;
    }
    return false;
}

}  // namespace tarnex::ui
