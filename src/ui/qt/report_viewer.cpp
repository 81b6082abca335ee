#include "ui/qt/report_viewer.h"

#include <QApplication>
#include <QBuffer>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QShortcut>
#include <QToolButton>
#include <QVBoxLayout>

#include "model/text_files.h"
#include "ui/qt/report_text_view.h"

namespace tarnex::ui {

namespace {

std::string Line(const std::string& message, const std::string& cause) {
    return message + std::string(1, kMessageLineBreak) + cause;
}

}  // namespace

ReportViewer::ReportViewer(const ProgramState& state, Dialogs& dialogs, ShellPort& shell,
                           QWidget* parent)
    : QDialog(parent), state_(state), dialogs_(dialogs), shell_(shell) {
    setObjectName("frmreport");
    resize(900, 640);
    auto* layout = new QVBoxLayout(this);
    auto* tools = new QHBoxLayout;
    const auto tool = [&](const QString& caption, const char* name, const QString& tip) {
        auto* button = new QToolButton(this);
        button->setText(caption);
        button->setObjectName(name);
        button->setToolTip(tip);
        button->setAutoRaise(true);
        tools->addWidget(button);
        return button;
    };
    connect(tool("&Find...", "cmdFind", "Find text (Ctrl+F, F3 next)"), &QToolButton::clicked, this,
            &ReportViewer::ShowFind);
    connect(tool("S&tart", "cmdStart", "Go to the start (Ctrl+Home)"), &QToolButton::clicked, this,
            [this] { view_->GoToStart(); });
    connect(tool("&End", "cmdEnd", "Go to the end (Ctrl+End)"), &QToolButton::clicked, this,
            [this] { view_->GoToEnd(); });
    connect(tool("Save &As...", "cmdSaveAs", "Save a copy of the report"), &QToolButton::clicked,
            this, [this] {
                if (auto file = shell_.ChooseSaveFile(kOutputFilters, 2)) SaveAs(*file);
            });
    connect(tool("&Print...", "cmdPrint", "Print the report"), &QToolButton::clicked, this, [this] {
        QPrinter printer(QPrinter::HighResolution);
        QPrintDialog dialog(&printer, this);
        if (dialog.exec() == QDialog::Accepted && !PrintTo(printer)) {
            Refuse("Error printing output file", "the printer stopped");
        }
    });
    connect(tool("Export P&DF...", "cmdPdf", "Write the report as a PDF document"),
            &QToolButton::clicked, this, [this] {
                if (auto file = shell_.ChooseSaveFile(kPdfFilters, 1)) {
                    std::string path = *file;
                    if (QFileInfo(QString::fromStdString(path)).suffix().isEmpty()) path += ".pdf";
                    ExportPdf(path);
                }
            });
    tools->addStretch();
    layout->addLayout(tools);

    findBar_ = new QWidget(this);
    findBar_->setObjectName("fraFind");
    auto* findLayout = new QHBoxLayout(findBar_);
    findLayout->setContentsMargins(0, 0, 0, 0);
    findLayout->addWidget(new QLabel("Find:", findBar_));
    findBox_ = new QLineEdit(findBar_);
    findBox_->setObjectName("txtFind");
    findLayout->addWidget(findBox_, 1);
    auto* next = new QPushButton("&Next", findBar_);
    next->setObjectName("cmdFindNext");
    next->setAutoDefault(false);
    findLayout->addWidget(next);
    auto* previous = new QPushButton("Pre&vious", findBar_);
    previous->setObjectName("cmdFindPrevious");
    previous->setAutoDefault(false);
    findLayout->addWidget(previous);
    findStatus_ = new QLabel(findBar_);
    findStatus_->setObjectName("lblFindStatus");
    findLayout->addWidget(findStatus_);
    findBar_->hide();
    layout->addWidget(findBar_);
    connect(findBox_, &QLineEdit::returnPressed, this, [this] { FindNext(); });
    connect(next, &QPushButton::clicked, this, [this] { FindNext(); });
    connect(previous, &QPushButton::clicked, this, [this] { FindNext(true); });

    view_ = new ReportTextView(this);
    layout->addWidget(view_, 1);

    auto* buttons = new QDialogButtonBox(this);
    auto* editor = buttons->addButton("Open in &Text Editor", QDialogButtonBox::ActionRole);
    editor->setObjectName("cmdOpenEditor");
    editor->setAutoDefault(false);
    buttons->addButton(QDialogButtonBox::Close)->setAutoDefault(false);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::hide);
    connect(editor, &QPushButton::clicked, this, &ReportViewer::OpenInEditor);
    layout->addWidget(buttons);

    auto* find = new QShortcut(QKeySequence::Find, this);
    connect(find, &QShortcut::activated, this, &ReportViewer::ShowFind);
    auto* again = new QShortcut(QKeySequence::FindNext, this);
    connect(again, &QShortcut::activated, this, [this] { FindNext(); });
    auto* back = new QShortcut(QKeySequence::FindPrevious, this);
    connect(back, &QShortcut::activated, this, [this] { FindNext(true); });
}

void ReportViewer::Refuse(const std::string& message, const std::string& cause) {
    dialogs_.ShowMessage(Line(message, cause));
}

bool ReportViewer::Open(const QString& path) {
    QString cause;
    if (!view_->Load(path, &cause)) {
        Refuse("Unable to view output file", path.toStdString() + ": " + cause.toStdString());
        return false;
    }
    path_ = path;
    setWindowTitle(path);
    findStatus_->clear();
    return true;
}

void ReportViewer::ShowFind() {
    findBar_->show();
    findBox_->setFocus();
    findBox_->selectAll();
}

bool ReportViewer::FindNext(bool backward) {
    if (findBox_->text().isEmpty()) {
        ShowFind();
        return false;
    }
    const bool found = view_->Find(findBox_->text(), backward);
    findStatus_->setText(found ? QString("Line %1").arg(view_->matchLine() + 1) : "Not found");
    if (!found) dialogs_.Beep();
    return found;
}

bool ReportViewer::SaveAs(const std::string& file) {
    const DesignData& d = state_.data;
    if (OverwrittenFile(file, {{d.InputFileName, "the input file"}})) {
        Refuse("Error saving output file", "the file " + file + " is the input file");
        return false;
    }
    if (SameFile(file, path_.toStdString())) return true;  // already there
    try {
        const QByteArray& bytes = view_->bytes();
        ReplaceTextFile(file,
                        std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())));
        return true;
    } catch (const std::exception& error) {
        Refuse("Error saving output file", error.what());
        return false;
    }
}

bool ReportViewer::PrintTo(QPagedPaintDevice& printer, bool* wasCancelled) {
    bool cancelled = false;
    QProgressDialog progress("Printing the report...", "Cancel", 0, 1, this);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    connect(&progress, &QProgressDialog::canceled, this, [&cancelled] { cancelled = true; });
    const QString title = QFileInfo(path_).fileName();
    const bool done = view_->Print(printer, title, &cancelled, [&](int page, int pages) {
        progress.setMaximum(pages);
        progress.setValue(page);
        if (page % 20 == 0) QApplication::processEvents();
    });
    if (wasCancelled != nullptr) *wasCancelled = cancelled;
    return done || cancelled;
}

bool ReportViewer::ExportPdf(const std::string& file) {
    const DesignData& d = state_.data;
    if (const auto kept = OverwrittenFile(file, {{d.InputFileName, "the input file"},
                                                 {path_.toStdString(), "the report file"}})) {
        Refuse("Error writing PDF file", "the file " + file + " is " + kept->what);
        return false;
    }
    // Printed into memory at the printer's resolution and page, then written by the core's
    // file writer: a failed export leaves the old file whole, and the cause is named.
    QByteArray bytes;
    bool cancelled = false;
    {
        const QPrinter defaults(QPrinter::HighResolution);
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&buffer);
        pdf.setResolution(defaults.resolution());
        pdf.setPageLayout(defaults.pageLayout());
        pdf.setTitle(QFileInfo(path_).fileName());
        if (!PrintTo(pdf, &cancelled) || bytes.isEmpty()) {
            Refuse("Error writing PDF file", "the report cannot be printed to " + file);
            return false;
        }
    }
    if (cancelled) return false;
    try {
        ReplaceTextFile(
            file, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    } catch (const std::exception& error) {
        Refuse("Error writing PDF file",
               "the file " + file + " cannot be written: " + error.what());
        return false;
    }
    return true;
}

void ReportViewer::OpenInEditor() {
    // The path goes to the opener as one argument, blanks and all. The process belongs to the
    // application, not to the viewer, so that closing the viewer leaves the editor running;
    // it is deleted when it ends.
    auto* process = new QProcess(QCoreApplication::instance());
    const std::string report = path_.toStdString();
    const auto fail = [this, report] {
        Refuse("Unable to view output file", "no text editor could be started for " + report);
    };
    connect(process, &QProcess::errorOccurred, this, [process, fail](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart) {
            fail();
            process->deleteLater();
        }
    });
    connect(process, &QProcess::finished, this,
            [process, fail](int code, QProcess::ExitStatus status) {
                if (status != QProcess::NormalExit || code != 0) fail();
                process->deleteLater();
            });
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    process->start(editor_, {path_});
}

}  // namespace tarnex::ui
