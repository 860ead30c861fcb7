#pragma once

#include "db/PgQuery.h"
#include "ui/GridColumn.h"

#include <QAbstractTableModel>
#include <QVariantMap>

#include <exception>
#include <functional>
#include <map>
#include <vector>

namespace ui {

// A table model over a query's rows, for a grid that edits them in place. An edited cell is
// written back at once; when the server refuses the change the row keeps the edited values (shown
// in place of the stored ones) so that the user can correct them and post again, or cancel.
// A new row lives only here until it is posted. Failures go to the error reporter, never into Qt.
class DataSetModel : public QAbstractTableModel {
    Q_OBJECT

public:
    using ErrorReporter = std::function<void(std::exception_ptr)>;

    DataSetModel(db::PgQuery& query, std::vector<GridColumn> columns, QObject* parent = nullptr);

    void setErrorReporter(ErrorReporter reporter) { m_reportError = std::move(reporter); }

    const std::vector<GridColumn>& columns() const { return m_columns; }
    int columnOf(const QString& field) const;
    db::PgQuery& query() const { return m_query; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    // The query's rows changed (opened, refreshed, closed): shows them afresh, dropping edits.
    void reload();

    bool hasPendingChanges() const { return !m_pending.empty() || m_inserting; }
    bool isNewRow(int row) const { return m_inserting && row == m_query.recordCount(); }
    // Each throws what the server said; the pending values stay for another try.
    void post();
    void cancel();
    // Starts a new row at the end; returns its index.
    int beginInsert();
    // Deletes the row on the server, then here. Throws on failure, changing nothing.
    void deleteRow(int row);

private:
    QVariant storedValue(int row, int column) const;
    void postRow(int row);

    db::PgQuery& m_query;
    std::vector<GridColumn> m_columns;
    std::vector<int> m_fieldOfColumn;
    ErrorReporter m_reportError;
    std::map<int, QVariantMap> m_pending; // row -> field -> value not yet accepted by the server
    bool m_inserting = false;
};

} // namespace ui
