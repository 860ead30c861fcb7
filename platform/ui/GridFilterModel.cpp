#include "ui/GridFilterModel.h"

#include <QDate>
#include <QDateTime>

namespace ui {

GridFilterModel::GridFilterModel(QObject* parent)
    : QSortFilterProxyModel(parent)
{
    setSortRole(Qt::EditRole);
}

void GridFilterModel::setCondition(int column, const QString& text)
{
    if (m_conditions.size() <= column)
        m_conditions.resize(column + 1);
    if (m_conditions[column] == text)
        return;
    m_conditions[column] = text;
    invalidateFilter();
}

QString GridFilterModel::condition(int column) const
{
    return column < m_conditions.size() ? m_conditions[column] : QString();
}

void GridFilterModel::clearConditions()
{
    m_conditions.clear();
    invalidateFilter();
}

void GridFilterModel::setIndicatorRow(int row)
{
    if (row == m_indicatorRow)
        return;
    const int old = m_indicatorRow;
    m_indicatorRow = row;
    if (old >= 0)
        emit headerDataChanged(Qt::Vertical, old, old);
    if (row >= 0)
        emit headerDataChanged(Qt::Vertical, row, row);
}

QVariant GridFilterModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Vertical) {
        if (role == Qt::DisplayRole)
            return section == m_indicatorRow ? QStringLiteral("\u25B6") : QString();
        return {};
    }
    return QSortFilterProxyModel::headerData(section, orientation, role);
}

bool GridFilterModel::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const
{
    for (int column = 0; column < m_conditions.size(); ++column) {
        const QString& condition = m_conditions[column];
        if (condition.isEmpty())
            continue;
        const QString text = sourceModel()->index(sourceRow, column, sourceParent).data(Qt::DisplayRole).toString();
        if (!text.contains(condition, Qt::CaseInsensitive))
            return false;
    }
    return true;
}

bool GridFilterModel::lessThan(const QModelIndex& left, const QModelIndex& right) const
{
    const QVariant a = left.data(Qt::EditRole);
    const QVariant b = right.data(Qt::EditRole);
    // NULL sorts first, as an empty value.
    if (!a.isValid() || !b.isValid())
        return !a.isValid() && b.isValid();
    if (a.typeId() == b.typeId()) {
        switch (a.typeId()) {
        case QMetaType::QDate: return a.toDate() < b.toDate();
        case QMetaType::QDateTime: return a.toDateTime() < b.toDateTime();
        case QMetaType::Double: return a.toDouble() < b.toDouble();
        case QMetaType::LongLong: return a.toLongLong() < b.toLongLong();
        default: break;
        }
    }
    return a.toString().compare(b.toString(), Qt::CaseInsensitive) < 0;
}

} // namespace ui
