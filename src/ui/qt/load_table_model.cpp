#include "ui/qt/load_table_model.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <algorithm>
#include <climits>

#include "ui/input_presenter.h"
#include "ui/load_table.h"

namespace tarnex::ui {

LoadTableModel::LoadTableModel(const DesignData& data, InputPresenter& presenter,
                               std::function<void(const std::function<void()>&)> run,
                               QObject* parent)
    : QAbstractTableModel(parent),
      data_(data),
      presenter_(presenter),
      run_(std::move(run)),
      rows_(data.locations.size()) {}

int LoadTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int LoadTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kLoadTableColumns;
}

QVariant LoadTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= data_.locations.size()) return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole) {
        return QString::fromStdString(LoadCellText(data_, index.row() + 1, index.column()));
    }
    if (role == Qt::TextAlignmentRole) return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant LoadTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return section + 1;
    QString header = QString::fromStdString(LoadColumnHeader(section));
    // Load case, quantity and unit on lines of their own keep the columns narrow.
    const qsizetype unit = header.indexOf(" (");
    if (section > 0) {
        const qsizetype quantity = header.lastIndexOf(' ', unit > 0 ? unit - 1 : -1);
        if (quantity > 0) header[quantity] = '\n';
    }
    if (unit > 0) header[unit] = '\n';
    return header;
}

Qt::ItemFlags LoadTableModel::flags(const QModelIndex& index) const {
    return QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
}

bool LoadTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid()) return false;
    const std::string text = value.toString().toStdString();
    // An unchanged text leaves the design as it is (no undo step, no rounding).
    if (value.toString() == data(index, Qt::EditRole).toString()) return false;
    std::string problem;
    run_([&] { problem = presenter_.SetLoadCell(index.row() + 1, index.column(), text); });
    if (problem.empty()) return true;
    emit refused(QString("Location %1, %2: %3; not stored.")
                     .arg(index.row() + 1)
                     .arg(QString::fromStdString(LoadColumnHeader(index.column())),
                          QString::fromStdString(problem)));
    return false;
}

void LoadTableModel::Follow() {
    const int rows = data_.locations.size();
    if (rows != rows_) {
        beginResetModel();
        rows_ = rows;
        endResetModel();
        return;
    }
    if (rows_ > 0) emit dataChanged(index(0, 0), index(rows_ - 1, kLoadTableColumns - 1));
}

void LoadTableModel::Paste(int row, int column, const QString& text) {
    run_([&] { presenter_.PasteLoads(row + 1, column, text.toStdString()); });
}

LoadTableView::LoadTableView(QWidget* parent) : QTableView(parent) {
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    horizontalHeader()->setDefaultSectionSize(78);
    verticalHeader()->setDefaultSectionSize(22);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    auto* copy = new QAction("&Copy", this);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    connect(copy, &QAction::triggered, this, [this] { CopySelection(false); });
    auto* copyHeaders = new QAction("Copy with &Headers", this);
    copyHeaders->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    copyHeaders->setShortcutContext(Qt::WidgetShortcut);
    connect(copyHeaders, &QAction::triggered, this, [this] { CopySelection(true); });
    auto* paste = new QAction("&Paste", this);
    paste->setShortcut(QKeySequence::Paste);
    paste->setShortcutContext(Qt::WidgetShortcut);
    connect(paste, &QAction::triggered, this, [this] { PasteClipboard(); });
    addActions({copy, copyHeaders, paste});
}

QString LoadTableView::SelectedText(bool headers) const {
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    QModelIndexList cells = selected;
    if (cells.isEmpty() && currentIndex().isValid()) cells << currentIndex();
    if (cells.isEmpty()) return {};
    int top = INT_MAX, left = INT_MAX, bottom = -1, right = -1;
    for (const QModelIndex& cell : cells) {
        top = std::min(top, cell.row());
        bottom = std::max(bottom, cell.row());
        left = std::min(left, cell.column());
        right = std::max(right, cell.column());
    }
    const DesignData& data = static_cast<const LoadTableModel*>(model())->design();
    return QString::fromStdString(CopyLoadCells(data, top + 1, bottom + 1, left, right, headers));
}

void LoadTableView::CopySelection(bool headers) const {
    QApplication::clipboard()->setText(SelectedText(headers));
}

void LoadTableView::PasteClipboard() {
    QModelIndex at = currentIndex();
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    for (const QModelIndex& cell : selected) {
        if (!at.isValid() || cell.row() < at.row() ||
            (cell.row() == at.row() && cell.column() < at.column()))
            at = cell;
    }
    if (!at.isValid()) at = model()->index(0, 0);
    static_cast<LoadTableModel*>(model())->Paste(at.row(), at.column(),
                                                 QApplication::clipboard()->text());
}

void LoadTableView::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        CopySelection(false);
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        PasteClipboard();
        return;
    }
    QTableView::keyPressEvent(event);
}

}  // namespace tarnex::ui
