// The rows of a parameter study as a table for a view: the varied inputs,
// the status and the chosen quantities. Each cell's text is made when the
// view shows it, so a study of 100,000 cases fills its table at once and
// holds no item per cell.
#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <cstddef>
#include <vector>

#include "program/batch/batch_run.h"

namespace hx::gui {

class StudyTableModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    // Shows `rows` (read where they are: they must stay until the next
    // show), their `varied` inputs first, then the status, then the
    // results of `columns` (indices into resultQuantities()); `headers`
    // names every column.
    void show(const std::vector<SweepRow>* rows, std::size_t varied,
              std::vector<std::size_t> columns, QStringList headers);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    const std::vector<SweepRow>* rows_ = nullptr;
    std::size_t varied_ = 0;
    std::vector<std::size_t> columns_;
    QStringList headers_;
};

}  // namespace hx::gui
