#ifndef MERVANE_UI_COMMON_TABLEMODEL_H
#define MERVANE_UI_COMMON_TABLEMODEL_H

#include <QAbstractTableModel>

#include <string>
#include <vector>

namespace ui {

// Rows of texts under named columns, shown as they are: a table view reads
// the cells from here, so ten thousand rows cost no widgets.
class TableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    void SetTable(std::vector<std::string> columns, std::vector<std::vector<std::string>> rows);
    const std::vector<std::string>& Columns() const { return columns_; }
    const std::vector<std::vector<std::string>>& Rows() const { return rows_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<std::string> columns_;
    std::vector<std::vector<std::string>> rows_;
};

}  // namespace ui

#endif
