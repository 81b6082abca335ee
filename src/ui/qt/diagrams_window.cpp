#include "ui/qt/diagrams_window.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "model/text_files.h"
#include "ui/qt/diagram_view.h"

namespace tarnex::ui {

namespace {

/// Short tab captions, in the order of MakeDiagrams.
QString TabCaption(const Diagram& d) {
    if (d.key == "stress-transfer") return "Stresses at &Transfer";
    if (d.key == "stress-service") return "Stresses at &Service";
    if (d.key == "moment") return "&Moment";
    if (d.key == "shear") return "S&hear";
    if (d.key == "prestress-force") return "Prestress &Force";
    if (d.key == "feasibility") return "Feasi&bility";
    if (d.key == "rating") return "&Rating";
    return d.title;
}

}  // namespace

DiagramsWindow::DiagramsWindow(const ProgramState& state, Dialogs& dialogs, ShellPort& shell,
                               QWidget* parent)
    : QDialog(parent), state_(state), dialogs_(dialogs), shell_(shell) {
    setObjectName("frmdiagrams");
    setWindowTitle("Diagrams");
    setModal(false);
    resize(980, 680);
    auto* layout = new QVBoxLayout(this);
    unavailable_ = new QLabel(this);
    unavailable_->setObjectName("lblUnavailable");
    unavailable_->setWordWrap(true);
    unavailable_->setStyleSheet("color: #c80000; font-weight: bold;");
    unavailable_->hide();
    layout->addWidget(unavailable_);
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName("tabDiagrams");
    layout->addWidget(tabs_);
    auto* buttons = new QDialogButtonBox(this);
    auto* png = buttons->addButton("Export &PNG...", QDialogButtonBox::ActionRole);
    png->setObjectName("cmdExportPng");
    auto* svg = buttons->addButton("Export S&VG...", QDialogButtonBox::ActionRole);
    svg->setObjectName("cmdExportSvg");
    buttons->addButton(QDialogButtonBox::Close);
    connect(png, &QPushButton::clicked, this, [this] { ExportShown(false); });
    connect(svg, &QPushButton::clicked, this, [this] { ExportShown(true); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::hide);
    layout->addWidget(buttons);
}

void DiagramsWindow::SetResults(const DesignResults& results) {
    const int shown = tabs_->currentIndex();
    ShowUnavailable({});
    unavailable_->hide();
    std::vector<Diagram> diagrams = MakeDiagrams(results);
    // At the location picked in the checks summary, else where the stresses fail worst.
    diagrams.push_back(MakeFeasibilityDiagram(
        state_.data, results,
        marked_ ? std::optional<double>(*marked_ * kInchesPerFoot) : std::nullopt));
    for (Diagram& diagram : diagrams) {
        diagram.marked = marked_;
        const QString caption = TabCaption(diagram);
        auto* view = new DiagramView(std::move(diagram), tabs_);
        views_.push_back(view);
        tabs_->addTab(view, caption);
    }
    if (shown >= 0 && shown < tabs_->count()) tabs_->setCurrentIndex(shown);
}

void DiagramsWindow::ShowUnavailable(const QString& why) {
    while (tabs_->count() > 0) {
        QWidget* page = tabs_->widget(0);
        tabs_->removeTab(0);
        delete page;
    }
    views_.clear();
    unavailable_->setText(why);
    unavailable_->show();
}

QString DiagramsWindow::unavailable() const {
    return unavailable_->isHidden() ? QString() : unavailable_->text();
}

void DiagramsWindow::MarkLocation(double x, const DesignResults* results) {
    marked_ = x;
    for (DiagramView* view : views_) {
        if (view->diagram().key == "feasibility" && results != nullptr) {
            view->Show(MakeFeasibilityDiagram(state_.data, *results, x * kInchesPerFoot));
        } else {
            view->Mark(x);
        }
    }
}

bool DiagramsWindow::Export(int index, const QString& path, bool svg) {
    const std::string file = path.toStdString();
    const auto refuse = [&](const std::string& cause) {
        dialogs_.ShowMessage("Error writing diagram file" + std::string(1, kMessageLineBreak) +
                             cause);
        return false;
    };
    const DesignData& d = state_.data;
    if (const auto kept = OverwrittenFile(
            file, {{d.InputFileName, "the input file"}, {d.OutputFileName, "the report file"}}))
        return refuse("the file " + file + " is " + kept->what);
    const Diagram& diagram = view(index)->diagram();
    const QByteArray bytes = svg ? DiagramSvg(diagram) : DiagramPng(diagram);
    if (bytes.isEmpty()) return refuse("the diagram cannot be drawn for " + file);
    try {
        ReplaceTextFile(
            file, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    } catch (const FileError& error) {
        return refuse("the file " + file + " cannot be written: " + error.what());
    }
    return true;
}

void DiagramsWindow::ExportShown(bool svg) {
    const int index = tabs_->currentIndex();
    if (index < 0) return;
    std::optional<std::string> chosen = shell_.ChooseSaveFile(svg ? kSvgFilters : kPngFilters, 1);
    if (!chosen) return;
    QString path = QString::fromStdString(*chosen);
    if (QFileInfo(path).suffix().isEmpty()) path += svg ? ".svg" : ".png";
    Export(index, path, svg);
}

bool DiagramsWindow::ExportAll(const QString& folder) {
    const QDir dir(folder);
    for (int i = 0; i < count(); ++i) {
        const QString stem = dir.filePath(view(i)->diagram().key);
        if (!Export(i, stem + ".png", false) || !Export(i, stem + ".svg", true)) return false;
    }
    return true;
}

}  // namespace tarnex::ui
