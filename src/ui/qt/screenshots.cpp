#include "ui/qt/screenshots.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QTabWidget>

#include "model/text_files.h"
#include "ui/qt/diagram_view.h"
#include "ui/qt/diagrams_window.h"
#include "ui/qt/main_window.h"
#include "ui/qt/report_viewer.h"

namespace tarnex::ui {

namespace {

void Save(QWidget* widget, const QString& file) {
    QApplication::processEvents();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!widget->grab().save(&buffer, "PNG")) return;
    try {
        ReplaceTextFile(
            file.toStdString(),
            std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    } catch (const FileError&) {
        // A picture that cannot be written is missing from the folder; the others are made.
    }
}

}  // namespace

void SaveDiagramScreenshots(MainWindow& window, const QString& folder, const QString& prefix) {
    window.ShowDiagrams();
    DiagramsWindow* diagrams = window.diagramsWindow();
    if (diagrams == nullptr) return;
    for (int i = 0; i < diagrams->count(); ++i) {
        diagrams->tabs()->setCurrentIndex(i);
        Save(diagrams, folder + "/" + prefix + diagrams->view(i)->diagram().key + ".png");
    }
    diagrams->hide();
}

void SaveScreenshots(MainWindow& window, const QString& folder) {
    QDir().mkpath(folder);
    auto* tabs = window.findChild<QTabWidget*>("SSTab1");
    // The checks dock with the live results of the design.
    window.WaitForLiveResults();
    tabs->setCurrentIndex(3);
    Save(&window, folder + "/main-window-checks.png");
    const char* names[] = {"program-options", "material-properties",   "section-properties",
                           "loads",           "allow-stress-and-loss", "configuration"};
    for (int i = 0; i < tabs->count(); ++i) {
        tabs->setCurrentIndex(i);
        Save(&window, folder + QString("/tab%1-%2.png").arg(i).arg(names[i]));
    }
    // The file commands and the edit menu.
    for (const char* name : {"mnuFile", "mnuEdit"}) {
        if (auto* menu = window.findChild<QMenu*>(name)) {
            menu->popup(window.mapToGlobal(QPoint(0, 0)));
            Save(menu, folder + "/" + QString(name).mid(3).toLower() + "-menu.png");
            menu->hide();
        }
    }
    window.ShowOutputDialog();
    Save(window.outputDialog(), folder + "/define-calcs.png");
    window.ShowLoadGenerationDialog();
    Save(window.loadGenerationDialog(), folder + "/generate-loads.png");
    window.loadGenerationDialog()->hide();
    DesignData& data = window.presenter().data();
    data.OutputFileName = QDir(folder).filePath("example.out").toStdString();
    data.OutputFileTitle = "example.out";
    window.presenter().CalculateOutput();
    window.Sync();
    window.presenter().ViewReport();
    if (auto* viewer = qobject_cast<ReportViewer*>(window.reportViewer())) {
        viewer->ShowFind();
        viewer->findChild<QLineEdit*>("txtFind")->setText("FINAL COMPRESSION");
        viewer->FindNext();
        Save(viewer, folder + "/report-viewer.png");
    }
    // The load rating: its dialog, and its diagram beside the others.
    window.ShowRatingDialog();
    Save(window.ratingDialog(), folder + "/load-rating.png");
    window.ratingDialog()->hide();
    window.presenter().Click("chkRating", true);
    window.Sync();
    SaveDiagramScreenshots(window, folder, "diagram-");
    window.ShowHelpTopic("Introduction.htm");
    Save(window.helpWindow(), folder + "/help.png");
    window.aboutBox()->show();
    Save(window.aboutBox(), folder + "/about.png");
}

}  // namespace tarnex::ui
