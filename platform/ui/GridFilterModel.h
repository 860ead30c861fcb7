#pragma once

#include <QSortFilterProxyModel>
#include <QStringList>

namespace ui {

// The grid's filter row and sort order over its rows: a row passes when, in every column with a
// condition, the cell's text contains the condition's text, compared without regard to case.
// Sorting compares the cells' values (dates as dates, numbers as numbers).
class GridFilterModel : public QSortFilterProxyModel {
    Q_OBJECT

public:
    explicit GridFilterModel(QObject* parent = nullptr);

    void setCondition(int column, const QString& text);
    QString condition(int column) const;
    void clearConditions();

    // The row the indicator marks (a row of this model), or -1.
    void setIndicatorRow(int row);

    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

private:
    QStringList m_conditions;
    int m_indicatorRow = -1;
};

} // namespace ui
