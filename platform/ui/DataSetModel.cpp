#include "ui/DataSetModel.h"

#include "db/DbError.h"
#include "ui/BusyCursor.h"
#include "ui/CellText.h"

namespace ui {

DataSetModel::DataSetModel(db::PgQuery& query, std::vector<GridColumn> columns, QObject* parent)
    : QAbstractTableModel(parent)
    , m_query(query)
    , m_columns(std::move(columns))
{
    for (const GridColumn& c : m_columns) {
        const int field = m_query.fieldIndex(c.field);
        if (field < 0)
            throw db::DbError(QStringLiteral("Field '%1' not found").arg(c.field));
        m_fieldOfColumn.push_back(field);
    }
}

int DataSetModel::columnOf(const QString& field) const
{
    for (std::size_t i = 0; i < m_columns.size(); ++i) {
        if (m_columns[i].field.compare(field, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    }
    return -1;
}

int DataSetModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid() || !m_query.isOpen())
        return 0;
    return m_query.recordCount() + (m_inserting ? 1 : 0);
}

int DataSetModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_columns.size());
}

QVariant DataSetModel::storedValue(int row, int column) const
{
    const auto pending = m_pending.find(row);
    const QString& field = m_columns[static_cast<std::size_t>(column)].field;
    if (pending != m_pending.end() && pending->second.contains(field))
        return pending->second.value(field);
    if (isNewRow(row))
        return {};
    try {
        return m_query.value(row, field).toVariant();
    } catch (const db::DbError&) {
        // A value that does not read as its kind shows as its text.
        return m_query.value(row, field).asString();
    }
}

QVariant DataSetModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    if (role == Qt::DisplayRole)
        return cellText(storedValue(index.row(), index.column()),
                        m_columns[static_cast<std::size_t>(index.column())].displayFormat);
    if (role == Qt::EditRole)
        return storedValue(index.row(), index.column());
    return {};
}

QVariant DataSetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal && section >= 0 && section < columnCount())
        return m_columns[static_cast<std::size_t>(section)].shownCaption();
    return {};
}

Qt::ItemFlags DataSetModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid()) {
        const db::FieldDef& def = m_query.fields()[static_cast<std::size_t>(m_fieldOfColumn[static_cast<std::size_t>(index.column())])];
        if (!def.readOnly)
            f |= Qt::ItemIsEditable;
    }
    return f;
}

bool DataSetModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    const int row = index.row();
    if (storedValue(row, index.column()) == value && !m_pending.count(row))
        return false;
    m_pending[row][m_columns[static_cast<std::size_t>(index.column())].field] = value;
    emit dataChanged(this->index(row, 0), this->index(row, columnCount() - 1));
    if (isNewRow(row))
        return true; // a new row is written when it is posted
    try {
        postRow(row);
    } catch (...) {
        if (m_reportError)
            m_reportError(std::current_exception());
    }
    return true;
}

void DataSetModel::postRow(int row)
{
    const auto pending = m_pending.find(row);
    if (pending == m_pending.end())
        return;
    BusyCursor busy;
    m_query.updateRow(row, pending->second);
    m_pending.erase(pending);
    emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

void DataSetModel::post()
{
    if (m_inserting) {
        const int row = m_query.recordCount();
        BusyCursor busy;
        m_query.appendRow(m_pending[row]);
        m_pending.erase(row);
        m_inserting = false;
        emit dataChanged(index(row, 0), index(row, columnCount() - 1));
    }
    while (!m_pending.empty())
        postRow(m_pending.begin()->first);
}

void DataSetModel::cancel()
{
    if (m_inserting) {
        const int row = m_query.recordCount();
        beginRemoveRows({}, row, row);
        m_inserting = false;
        m_pending.erase(row);
        endRemoveRows();
    }
    std::vector<int> rows;
    for (const auto& [row, values] : m_pending)
        rows.push_back(row);
    m_pending.clear();
    for (int row : rows)
        emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

int DataSetModel::beginInsert()
{
    if (!m_query.isOpen())
        throw db::DbError(QStringLiteral("Query %1 is not open.").arg(m_query.name()));
    if (!m_inserting) {
        const int row = m_query.recordCount();
        beginInsertRows({}, row, row);
        m_inserting = true;
        endInsertRows();
    }
    return m_query.recordCount();
}

void DataSetModel::deleteRow(int row)
{
    if (isNewRow(row)) {
        cancel();
        return;
    }
    {
        BusyCursor busy;
        m_query.deleteRow(row);
    }
    beginResetModel();
    std::map<int, QVariantMap> shifted;
    for (auto& [r, values] : m_pending) {
        if (r != row)
            shifted[r > row ? r - 1 : r] = std::move(values);
    }
    m_pending = std::move(shifted);
    endResetModel();
}

void DataSetModel::reload()
{
    beginResetModel();
    m_pending.clear();
    m_inserting = false;
    endResetModel();
}

} // namespace ui
