#include "ui/qt/report_text_view.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <cstring>

namespace tarnex::ui {

namespace {

constexpr int kMargin = 4;  // px left of the text

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

/// True when `needle` (lower case) stands at `at` in `hay`, ignoring letter case.
bool MatchesAt(const char* hay, qsizetype at, const QByteArray& needle) {
    for (qsizetype k = 0; k < needle.size(); ++k) {
        if (Lower(hay[at + k]) != needle[k]) return false;
    }
    return true;
}

}  // namespace

ReportTextView::ReportTextView(QWidget* parent) : QAbstractScrollArea(parent) {
    setObjectName("txtReport");
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setCursor(Qt::IBeamCursor);
    starts_.push_back(0);
}

bool ReportTextView::Load(const QString& path, QString* cause) {
    // A FIFO or a device would hold the open until a writer comes: only a regular file is read.
    if (const QFileInfo info(path); info.exists() && !info.isFile()) {
        if (cause != nullptr) *cause = "not a regular file";
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (cause != nullptr) *cause = file.errorString();
        return false;
    }
    QByteArray text = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (cause != nullptr) *cause = file.errorString();
        return false;
    }
    std::vector<qsizetype> starts;
    starts.reserve(static_cast<std::size_t>(text.size() / 60 + 1));
    starts.push_back(0);
    const char* begin = text.constData();
    const char* end = begin + text.size();
    qsizetype widest = 0;
    for (const char* p = begin; p < end;) {
        const void* found = std::memchr(p, '\n', static_cast<std::size_t>(end - p));
        const char* lineEnd = found != nullptr ? static_cast<const char*>(found) : end;
        qsizetype length = lineEnd - p;
        if (length > 0 && p[length - 1] == '\r') --length;
        widest = std::max(widest, length);
        if (found == nullptr) break;
        p = lineEnd + 1;
        if (p < end) starts.push_back(p - begin);
    }
    text_ = std::move(text);
    starts_ = std::move(starts);
    widestLine_ = widest;
    selStart_ = selEnd_ = {};
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    UpdateScrollBars();
    viewport()->update();
    return true;
}

qsizetype ReportTextView::LineLength(qsizetype line) const {
    const qsizetype begin = starts_[static_cast<std::size_t>(line)];
    qsizetype end =
        line + 1 < lineCount() ? starts_[static_cast<std::size_t>(line + 1)] : text_.size();
    if (end > begin && text_[end - 1] == '\n') --end;
    if (end > begin && text_[end - 1] == '\r') --end;
    return end - begin;
}

QString ReportTextView::lineText(qsizetype line) const {
    if (line < 0 || line >= lineCount()) return {};
    return QString::fromLocal8Bit(text_.constData() + starts_[static_cast<std::size_t>(line)],
                                  LineLength(line));
}

qsizetype ReportTextView::LineOf(qsizetype offset) const {
    const auto it = std::upper_bound(starts_.begin(), starts_.end(), offset);
    return static_cast<qsizetype>(it - starts_.begin()) - 1;
}

qsizetype ReportTextView::firstVisibleLine() const { return verticalScrollBar()->value(); }

void ReportTextView::UpdateScrollBars() {
    const QFontMetrics fm(font());
    const int visible = std::max(1, viewport()->height() / fm.lineSpacing());
    verticalScrollBar()->setRange(0,
                                  static_cast<int>(std::max<qsizetype>(0, lineCount() - visible)));
    verticalScrollBar()->setPageStep(visible);
    verticalScrollBar()->setSingleStep(1);
    const int width =
        static_cast<int>(widestLine_) * fm.horizontalAdvance(QChar('M')) + 2 * kMargin;
    horizontalScrollBar()->setRange(0, std::max(0, width - viewport()->width()));
    horizontalScrollBar()->setPageStep(viewport()->width());
    horizontalScrollBar()->setSingleStep(fm.horizontalAdvance(QChar('M')) * 4);
}

void ReportTextView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
}

void ReportTextView::paintEvent(QPaintEvent*) {
    QPainter p(viewport());
    p.fillRect(viewport()->rect(), palette().base());
    p.setFont(font());
    const QFontMetrics fm(font());
    const int height = fm.lineSpacing();
    const int charWidth = fm.horizontalAdvance(QChar('M'));
    const int left = kMargin - horizontalScrollBar()->value();
    const qsizetype first = firstVisibleLine();
    const qsizetype last = std::min(lineCount(), first + viewport()->height() / height + 2);
    const bool selection = selStart_.line >= 0 && !(selStart_ == selEnd_);
    for (qsizetype line = first; line < last; ++line) {
        const int top = static_cast<int>(line - first) * height;
        if (selection && line >= selStart_.line && line <= selEnd_.line) {
            const qsizetype c0 = line == selStart_.line ? selStart_.column : 0;
            const qsizetype c1 = line == selEnd_.line ? selEnd_.column : LineLength(line) + 1;
            p.fillRect(left + static_cast<int>(c0) * charWidth, top,
                       static_cast<int>(c1 - c0) * charWidth, height,
                       palette().highlight().color().lighter(150));
        }
        p.setPen(palette().text().color());
        p.drawText(left, top + fm.ascent(), lineText(line));
    }
}

void ReportTextView::ShowLine(qsizetype line, qsizetype column) {
    const int visible = verticalScrollBar()->pageStep();
    const qsizetype first = firstVisibleLine();
    if (line < first || line >= first + visible) {
        verticalScrollBar()->setValue(static_cast<int>(std::max<qsizetype>(0, line - visible / 3)));
    }
    const int charWidth = QFontMetrics(font()).horizontalAdvance(QChar('M'));
    const int x = static_cast<int>(column) * charWidth;
    QScrollBar* h = horizontalScrollBar();
    if (x < h->value() || x > h->value() + viewport()->width() - 8 * charWidth) {
        h->setValue(std::max(0, x - viewport()->width() / 2));
    }
    viewport()->update();
}

bool ReportTextView::Find(const QString& needle, bool backward) {
    QByteArray key = needle.toLocal8Bit();
    if (key.isEmpty() || key.size() > text_.size()) return false;
    for (char& c : key) c = Lower(c);
    const char* hay = text_.constData();
    const qsizetype lastStart = text_.size() - key.size();
    qsizetype current = -1;
    if (selStart_.line >= 0)
        current = starts_[static_cast<std::size_t>(selStart_.line)] + selStart_.column;
    qsizetype found = -1;
    if (!backward) {
        // After the current match to the end, then from the start up to it.
        const qsizetype from = current + 1;
        for (qsizetype i = from; i <= lastStart && found < 0; ++i)
            if (Lower(hay[i]) == key[0] && MatchesAt(hay, i, key)) found = i;
        for (qsizetype i = 0; i < std::min(from, lastStart + 1) && found < 0; ++i)
            if (Lower(hay[i]) == key[0] && MatchesAt(hay, i, key)) found = i;
    } else {
        const qsizetype from = current < 0 ? lastStart : current - 1;
        for (qsizetype i = std::min(from, lastStart); i >= 0 && found < 0; --i)
            if (Lower(hay[i]) == key[0] && MatchesAt(hay, i, key)) found = i;
        for (qsizetype i = lastStart; i > from && found < 0; --i)
            if (Lower(hay[i]) == key[0] && MatchesAt(hay, i, key)) found = i;
    }
    if (found < 0) return false;
    const qsizetype line = LineOf(found);
    const qsizetype column = found - starts_[static_cast<std::size_t>(line)];
    selStart_ = {line, column};
    selEnd_ = LineOf(found + key.size() - 1) == line
                  ? Position{line, column + key.size()}
                  : Position{LineOf(found + key.size()),
                             found + key.size() -
                                 starts_[static_cast<std::size_t>(LineOf(found + key.size()))]};
    ShowLine(line, column);
    return true;
}

QString ReportTextView::selectedText() const {
    if (selStart_.line < 0 || selStart_ == selEnd_) return {};
    const qsizetype from = starts_[static_cast<std::size_t>(selStart_.line)] + selStart_.column;
    const qsizetype to =
        std::min(text_.size(), starts_[static_cast<std::size_t>(selEnd_.line)] + selEnd_.column);
    return QString::fromLocal8Bit(text_.constData() + from, to - from).remove(QChar('\r'));
}

void ReportTextView::CopySelection() const {
    const QString text = selectedText();
    if (!text.isEmpty()) QApplication::clipboard()->setText(text);
}

void ReportTextView::GoToStart() {
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    selStart_ = selEnd_ = {0, 0};
    viewport()->update();
}

void ReportTextView::GoToEnd() {
    verticalScrollBar()->setValue(verticalScrollBar()->maximum());
    horizontalScrollBar()->setValue(0);
    const qsizetype last = lineCount() - 1;
    selStart_ = selEnd_ = {last, LineLength(last)};
    viewport()->update();
}

void ReportTextView::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::MoveToStartOfDocument)) {
        GoToStart();
    } else if (event->matches(QKeySequence::MoveToEndOfDocument)) {
        GoToEnd();
    } else if (event->matches(QKeySequence::Copy)) {
        CopySelection();
    } else if (event->matches(QKeySequence::SelectAll)) {
        const qsizetype last = lineCount() - 1;
        selStart_ = {0, 0};
        selEnd_ = {last, LineLength(last)};
        viewport()->update();
    } else if (event->key() == Qt::Key_Home) {
        horizontalScrollBar()->setValue(0);
    } else if (event->key() == Qt::Key_End) {
        horizontalScrollBar()->setValue(horizontalScrollBar()->maximum());
    } else {
        QAbstractScrollArea::keyPressEvent(event);
    }
}

ReportTextView::Position ReportTextView::PositionAt(const QPoint& point) const {
    const QFontMetrics fm(font());
    const qsizetype line = std::clamp<qsizetype>(firstVisibleLine() + point.y() / fm.lineSpacing(),
                                                 0, lineCount() - 1);
    const int charWidth = fm.horizontalAdvance(QChar('M'));
    const qsizetype column =
        (point.x() - kMargin + horizontalScrollBar()->value() + charWidth / 2) / charWidth;
    return {line, std::clamp<qsizetype>(column, 0, LineLength(line))};
}

void ReportTextView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    selStart_ = selEnd_ = PositionAt(event->position().toPoint());
    anchor_ = selStart_;
    viewport()->update();
}

void ReportTextView::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton)) return;
    const Position here = PositionAt(event->position().toPoint());
    selStart_ = std::min(anchor_, here);
    selEnd_ = std::max(anchor_, here);
    viewport()->update();
}

bool ReportTextView::Print(QPagedPaintDevice& printer, const QString& title, const bool* cancelled,
                           const std::function<void(int, int)>& progress) const {
    QPainter p;
    if (!p.begin(&printer)) return false;
    const QRectF page = printer.pageLayout().paintRectPixels(printer.logicalDpiX());
    const QRectF area(0, 0, page.width(), page.height());
    // The largest monospaced size up to 10 pt at which the widest line fits the page.
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSizeF(10);
    {
        const QFontMetricsF fm(font, &printer);
        const double needed =
            fm.horizontalAdvance(QChar('M')) * std::max<qsizetype>(widestLine_, 80);
        if (needed > area.width()) font.setPointSizeF(std::max(5.0, 10.0 * area.width() / needed));
    }
    QFont headerFont = font;
    headerFont.setBold(true);
    const QFontMetricsF fm(font, &printer);
    const double lineHeight = fm.lineSpacing();
    const double headerHeight = lineHeight * 2;
    const int perPage = std::max(1, static_cast<int>((area.height() - headerHeight) / lineHeight));
    const int pages = static_cast<int>((lineCount() + perPage - 1) / perPage);
    for (int page_ = 0; page_ < pages; ++page_) {
        if (cancelled != nullptr && *cancelled) {
            p.end();
            return false;
        }
        if (progress) progress(page_ + 1, pages);
        if (page_ > 0 && !printer.newPage()) return false;
        p.setFont(headerFont);
        p.drawText(QRectF(0, 0, area.width(), lineHeight), Qt::AlignLeft | Qt::AlignVCenter, title);
        p.drawText(QRectF(0, 0, area.width(), lineHeight), Qt::AlignRight | Qt::AlignVCenter,
                   QString("Page %1 of %2").arg(page_ + 1).arg(pages));
        p.drawLine(QPointF(0, lineHeight * 1.3), QPointF(area.width(), lineHeight * 1.3));
        p.setFont(font);
        const qsizetype first = static_cast<qsizetype>(page_) * perPage;
        const qsizetype last = std::min(lineCount(), first + perPage);
        for (qsizetype line = first; line < last; ++line) {
            const double y = headerHeight + static_cast<double>(line - first) * lineHeight;
            p.drawText(QPointF(0, y + fm.ascent()), lineText(line));
        }
    }
    return p.end();
}

}  // namespace tarnex::ui
