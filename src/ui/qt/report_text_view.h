#pragma once

#include <QAbstractScrollArea>
#include <QByteArray>
#include <functional>
#include <vector>

class QPagedPaintDevice;

namespace tarnex::ui {

/// A read-only view of a text file that keeps the file's bytes once and an index of its line
/// starts, and lays out only the lines on screen: a report of tens of megabytes opens at the
/// speed of reading it. Keys: arrows, Page Up/Down, Ctrl+Home/End; mouse selection with
/// Ctrl+C (Ctrl+A selects all).
class ReportTextView : public QAbstractScrollArea {
    Q_OBJECT

  public:
    explicit ReportTextView(QWidget* parent = nullptr);

    /// Reads the file; false with the cause when it cannot be read (the old text stays).
    bool Load(const QString& path, QString* cause);
    const QByteArray& bytes() const { return text_; }
    qsizetype lineCount() const { return static_cast<qsizetype>(starts_.size()); }
    /// Line `line` (from 0) without its line break.
    QString lineText(qsizetype line) const;
    /// The first line on screen.
    qsizetype firstVisibleLine() const;

    /// Finds `needle` (ignoring letter case) after the current match, or before it when
    /// `backward`, wrapping around the end; shows and selects it. False when absent.
    bool Find(const QString& needle, bool backward = false);
    /// The line (from 0) and column of the current match or selection start; -1 when none.
    qsizetype matchLine() const { return selStart_.line; }
    qsizetype matchColumn() const { return selStart_.column; }
    /// The selected text.
    QString selectedText() const;

    void GoToStart();
    void GoToEnd();

    /// Prints the text, monospaced, with a header of `title` and the page number on every
    /// page. False when the printer failed or `cancelled` turned true.
    bool Print(QPagedPaintDevice& printer, const QString& title, const bool* cancelled = nullptr,
               const std::function<void(int page, int pages)>& progress = {}) const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    struct Position {
        qsizetype line = -1, column = 0;
        bool operator<(const Position& o) const {
            return line < o.line || (line == o.line && column < o.column);
        }
        bool operator==(const Position& o) const = default;
    };
    qsizetype LineLength(qsizetype line) const;
    qsizetype LineOf(qsizetype offset) const;
    Position PositionAt(const QPoint& point) const;
    void UpdateScrollBars();
    void ShowLine(qsizetype line, qsizetype column);
    void CopySelection() const;

    QByteArray text_;
    std::vector<qsizetype> starts_;  // offset of each line's first byte
    qsizetype widestLine_ = 0;       // in characters
    Position selStart_, selEnd_;     // selection, [start, end)
    Position anchor_;                // where the mouse selection began
};

}  // namespace tarnex::ui
