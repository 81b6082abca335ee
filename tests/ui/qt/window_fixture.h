#pragma once

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <memory>

#include "checks/design_calculation.h"
#include "report/results_csv.h"
#include "scripted_shell.h"
#include "support/scripted_dialogs.h"
#include "ui/qt/diagram_view.h"
#include "ui/qt/diagrams_window.h"
#include "ui/qt/main_window.h"

namespace tarnex::ui::testing {

/// The main window after start-up, shown and active, with scripted message boxes and a
/// scripted desktop (file dialogs).
class WindowFixture {
  protected:
    void Open() {
        window.reset();
        // The user's settings (recent files) and data folder (recovery files) of the tests.
        QStandardPaths::setTestModeEnabled(true);
        QSettings().clear();
        state = {};
        dialogs = {};
        shell = {};
        window = std::make_unique<MainWindow>(state, dialogs, &shell);
        window->StartUp();
        window->show();
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window.get())) qFatal("the window never became active");
        dialogs.messages.clear();
    }
    /// Loads a design of examples/ as "&Load Input File" does; its messages are forgotten.
    void Load(const QString& example) {
        window->LoadInputFile(ExamplePath(example).toStdString());
        dialogs.messages.clear();
    }
    /// The child of `parent` (the main window by default) named `name`; missing ends the test.
    template <typename W>
    W* Find(const char* name, QObject* parent = nullptr) {
        W* found = (parent != nullptr ? parent : window.get())->findChild<W*>(name);
        if (found == nullptr) qFatal("no widget %s", name);
        return found;
    }
    /// Chooses a menu entry; the commands of the menus run from the event loop.
    void Trigger(const char* action) {
        Find<QAction>(action)->trigger();
        Settle();
    }
    /// Runs what the window has queued on the event loop.
    static void Settle() {
        for (int i = 0; i < 3; ++i) {
            QCoreApplication::sendPostedEvents();
            QCoreApplication::processEvents();
        }
    }
    /// Replaces the text of a box key by key, as a user does after selecting it all.
    static void Type(QLineEdit* edit, const QString& text) {
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(edit, text);
    }
    void Type(const char* box, const QString& text) { Type(Find<QLineEdit>(box), text); }

    /// The diagram of the open diagrams window with this key; missing ends the test.
    const Diagram& DiagramOf(const char* key) {
        DiagramsWindow* diagrams = window->diagramsWindow();
        for (int i = 0; i < diagrams->count(); ++i)
            if (diagrams->view(i)->diagram().key == key) return diagrams->view(i)->diagram();
        qFatal("no diagram %s", key);
    }
    /// The design as it stands, calculated on its own for `sections`.
    DesignResults Calculate(const OutputOptions& sections) {
        return CalculateDesign(state, sections);
    }
    /// The CSV of the design as it stands, as the Save menu writes it, from a calculation of
    /// its own.
    std::string Csv() {
        const DesignResults results = Calculate(ShownOutputSections());
        if (!results.Complete()) qFatal("no results");
        return FormatResultsCsv(state.data, results);
    }
    /// The cells of a CSV column by its header, one per location (empty where none).
    static QStringList CsvColumn(const std::string& csv, const QString& header) {
        QStringList lines = QString::fromStdString(csv).split("\r\n", Qt::SkipEmptyParts);
        const qsizetype column = lines.takeFirst().split(',').indexOf(header);
        QStringList cells;
        for (const QString& line : lines) cells << line.split(',').value(column);
        return cells;
    }

    /// The example designs that ship, by file name.
    static QStringList Examples() {
        return QDir(TARNEX_SOURCE_DIR "/examples").entryList({"*.in"}, QDir::Files);
    }
    static QString ExamplePath(const QString& example) {
        return QDir(TARNEX_SOURCE_DIR "/examples").filePath(example);
    }
    static QByteArray ReadAll(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    ProgramState state;
    tarnex::testing::ScriptedDialogs dialogs;
    ScriptedShell shell;
    std::unique_ptr<MainWindow> window;
};

}  // namespace tarnex::ui::testing
