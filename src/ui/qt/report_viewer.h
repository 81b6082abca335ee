#pragma once

#include <QDialog>
#include <QString>

#include "model/design_data.h"
#include "model/dialogs.h"
#include "ui/input_presenter.h"

class QLabel;
class QLineEdit;
class QPagedPaintDevice;
class QWidget;

namespace tarnex::ui {

class ReportTextView;

/// The report viewer: the report file read-only, find (Ctrl+F, F3 and Shift+F3), start and
/// end, save as, print, export to PDF and the system's text editor.
class ReportViewer : public QDialog {
    Q_OBJECT

  public:
    /// `state` names the design's input file, which save as never overwrites.
    ReportViewer(const ProgramState& state, Dialogs& dialogs, ShellPort& shell,
                 QWidget* parent = nullptr);

    /// Shows the report file; false with a message when it cannot be read.
    bool Open(const QString& path);
    ReportTextView* text() const { return view_; }
    const QString& path() const { return path_; }

    /// Shows the find bar with the focus in its box.
    void ShowFind();
    /// The next (or previous) match of the find box; "Not found" in the bar when none.
    bool FindNext(bool backward = false);
    /// Writes the report's bytes to `file`; the input file is refused. False with a message.
    bool SaveAs(const std::string& file);
    /// Writes the report as a PDF document to `file`. False with a message.
    bool ExportPdf(const std::string& file);
    /// The program that "Open in Text Editor" starts with the report's path.
    void setEditorProgram(const QString& program) { editor_ = program; }
    /// Starts the text editor on the report; a message when it cannot be started or fails.
    void OpenInEditor();

  private:
    bool PrintTo(QPagedPaintDevice& printer, bool* cancelled = nullptr);
    void Refuse(const std::string& message, const std::string& cause);

    const ProgramState& state_;
    Dialogs& dialogs_;
    ShellPort& shell_;
    ReportTextView* view_;
    QWidget* findBar_;
    QLineEdit* findBox_;
    QLabel* findStatus_;
    QString path_;
    QString editor_ = "xdg-open";
};

/// File dialog filters of the PDF export.
inline constexpr const char* kPdfFilters = "PDF Documents (*.pdf)|*.pdf|All Files (*.*)|*.*";

}  // namespace tarnex::ui
