#include "ui/qt/checks_dock.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QTableWidget>
#include <cmath>
#include <exception>

#include "model/number_text.h"

namespace tarnex::ui {

namespace {

enum Column { kFamily, kVerdict, kLocation, kX, kMargin, kNote, kColumns };

/// Decimals of a margin by its unit, as the report prints such figures.
int MarginDecimals(const std::string& unit) {
    if (unit == "psi") return 0;
    if (unit == "in^2/in") return 4;
    if (unit == "in") return 2;
    return 1;  // kip-ft, kips
}

QString Q(const std::string& text) { return QString::fromStdString(text); }

QTableWidgetItem* Cell(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

}  // namespace

QString VerdictText(CheckVerdict verdict) {
    switch (verdict) {
        case CheckVerdict::Pass:
            return "< OK >";
        case CheckVerdict::Fail:
            return "* NG *";
        case CheckVerdict::NotAvailable:
            break;
    }
    return "n/a";
}

ChecksDock::ChecksDock(QWidget* parent) : QDockWidget("Checks", parent) {
    setObjectName("dockChecks");
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
                QDockWidget::DockWidgetFloatable);
    table_ = new QTableWidget(0, kColumns, this);
    table_->setObjectName("tblChecks");
    table_->setHorizontalHeaderLabels({"Check", "Verdict", "Loc", "x (in)", "Margin", "Note"});
    table_->verticalHeader()->hide();
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setWordWrap(false);
    table_->horizontalHeader()->setStretchLastSection(true);
    connect(table_, &QTableWidget::cellClicked, this, [this](int row, int) {
        const QTableWidgetItem* item = table_->item(row, kLocation);
        if (item == nullptr || !onLocation) return;
        const int location = item->data(Qt::UserRole).toInt();
        if (location > 0)
            onLocation(location, table_->item(row, kX)->data(Qt::UserRole).toDouble());
    });
    setWidget(table_);
}

void ChecksDock::AddTextRow(const QString& text, bool error) {
    const int row = table_->rowCount();
    table_->insertRow(row);
    QTableWidgetItem* item = Cell(text);
    if (error) item->setForeground(QColor(200, 0, 0));
    table_->setItem(row, kFamily, item);
    table_->setSpan(row, kFamily, 1, kColumns);
}

void ChecksDock::ShowResults(const DesignData& data, const DesignResults& results) {
    table_->clearSpans();
    table_->setRowCount(0);
    // Nothing calculated: what the design still lacks.
    for (const std::string& refusal : results.refusals) AddTextRow(QString::fromStdString(refusal));
    if (!results.refusals.empty()) return;
    if (results.failedAt) {
        AddTextRow("Error in calculations", true);
        AddTextRow(QString::fromStdString(results.failure), true);
    }
    std::vector<CheckSummaryLine> lines;
    try {
        lines = SummarizeChecks(data, results);
    } catch (const std::exception& error) {
        if (!results.failedAt) ShowError(error.what());
        return;
    }
    for (const CheckSummaryLine& line : lines) {
        const int row = table_->rowCount();
        table_->insertRow(row);
        table_->setItem(row, kFamily, Cell(QString::fromStdString(line.family)));
        QTableWidgetItem* verdict = Cell(VerdictText(line.verdict));
        if (line.verdict == CheckVerdict::Fail) verdict->setForeground(QColor(200, 0, 0));
        table_->setItem(row, kVerdict, verdict);
        const bool located = line.location > 0;
        QTableWidgetItem* location = Cell(located ? QString::number(line.location) : QString());
        location->setData(Qt::UserRole, line.location);
        table_->setItem(row, kLocation, location);
        QTableWidgetItem* x = Cell(located ? Q(DecimalForm(line.x, 2)) : QString());
        x->setData(Qt::UserRole, line.x);
        table_->setItem(row, kX, x);
        const bool measured = line.verdict != CheckVerdict::NotAvailable;
        // A margin that rounds to nothing is shown as 0, not "-0": the check holds on its limit.
        const int decimals = MarginDecimals(line.unit);
        const double margin =
            std::fabs(line.margin) < 0.5 * std::pow(10.0, -decimals) ? 0.0 : line.margin;
        table_->setItem(
            row, kMargin,
            Cell(measured ? Q(DecimalForm(margin, decimals) + " " + line.unit) : QString()));
        const QString note = QString::fromStdString(line.note);
        table_->setItem(row, kNote, Cell(note));
        const QString tip =
            located ? QString("Show location %1 on the Loads tab").arg(line.location) : QString();
        for (int c = 0; c < kColumns; ++c)
            table_->item(row, c)->setToolTip(note.isEmpty() || tip.isEmpty() ? note + tip
                                                                             : note + "\n" + tip);
    }
    table_->resizeColumnsToContents();
    // Wide enough for every column up to the margin; the note may run on beyond.
    int width = 2 * table_->frameWidth() + table_->verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < kNote; ++c) width += table_->columnWidth(c);
    table_->setMinimumWidth(width + 60);
}

void ChecksDock::ShowError(const std::string& cause) {
    table_->clearSpans();
    table_->setRowCount(0);
    AddTextRow("Error in calculations", true);
    AddTextRow(QString::fromStdString(cause), true);
}

void ChecksDock::SetCalculating(bool calculating) {
    setWindowTitle(calculating ? "Checks (calculating...)" : "Checks");
}

}  // namespace tarnex::ui
