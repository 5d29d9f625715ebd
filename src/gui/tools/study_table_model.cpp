#include "gui/tools/study_table_model.h"

#include "program/session/case_file.h"

namespace hx::gui {

void StudyTableModel::show(const std::vector<SweepRow>* rows, std::size_t varied,
                           std::vector<std::size_t> columns, QStringList headers) {
    beginResetModel();
    rows_ = rows;
    varied_ = varied;
    columns_ = std::move(columns);
    headers_ = std::move(headers);
    endResetModel();
}

int StudyTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !rows_ ? 0 : static_cast<int>(rows_->size());
}

int StudyTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(headers_.size());
}

QVariant StudyTableModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !rows_ || !index.isValid()) return {};
    const auto r = static_cast<std::size_t>(index.row());
    const auto c = static_cast<std::size_t>(index.column());
    if (r >= rows_->size()) return {};
    const SweepRow& row = (*rows_)[r];
    if (c < varied_)
        return c < row.varied.size() ? QString::fromStdString(numberText(row.varied[c]))
                                     : QVariant();
    if (c == varied_) return QString::fromStdString(row.status);
    const std::size_t k = c - varied_ - 1;
    if (!row.solved || k >= columns_.size() || columns_[k] >= row.results.size()) return {};
    return QString::fromStdString(numberText(row.results[columns_[k]]));
}

QVariant StudyTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return section + 1;
    return section >= 0 && section < headers_.size() ? QVariant(headers_[section]) : QVariant();
}

}  // namespace hx::gui
