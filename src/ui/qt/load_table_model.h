#pragma once

#include <QAbstractTableModel>
#include <QTableView>
#include <functional>

#include "model/design_data.h"

namespace tarnex::ui {

class InputPresenter;

/// The load table as a model of the design's locations: rows are locations, columns x and the
/// 28 load values in kips and kip-ft; cells are read from the design when drawn and written
/// through the presenter, so that the table and the one-location editor show one design.
class LoadTableModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    /// `run` runs a command of the window (one undo step, the window brought in line).
    LoadTableModel(const DesignData& data, InputPresenter& presenter,
                   std::function<void(const std::function<void()>&)> run,
                   QObject* parent = nullptr);

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role) const override;
    [[nodiscard]] Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    [[nodiscard]] const DesignData& design() const { return data_; }
    /// After a command: the rows follow the number of locations, the cells the design.
    void Follow();
    /// Pastes tab-separated text at a cell (row and column from 0).
    void Paste(int row, int column, const QString& text);

  signals:
    /// A typed cell that was not stored, and why.
    void refused(const QString& message);

  private:
    const DesignData& data_;
    InputPresenter& presenter_;
    std::function<void(const std::function<void()>&)> run_;
    int rows_ = 0;
};

/// The view of the load table: Ctrl+C copies the selected block as tab-separated rows
/// (Ctrl+Shift+C with the headers), Ctrl+V pastes at the current cell.
class LoadTableView : public QTableView {
    Q_OBJECT

  public:
    explicit LoadTableView(QWidget* parent = nullptr);
    /// The selected block as text; with its header row when asked.
    [[nodiscard]] QString SelectedText(bool headers) const;
    void CopySelection(bool headers) const;
    void PasteClipboard();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace tarnex::ui
