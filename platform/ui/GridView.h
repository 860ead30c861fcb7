#pragma once

#include "ui/GridStyleSheet.h"

#include <QWidget>

#include <functional>
#include <vector>

class QLabel;
class QLineEdit;
class QTableView;
class QToolButton;

namespace ui {

class DataSetModel;
class GridFilterModel;

// A data grid over a DataSetModel: a filter row above the columns (conditions apply as they are
// typed), a table with a row indicator whose header sorts on a click, and a navigator bar with
// first, previous, next, last, insert, delete (after a question), edit, post, cancel and refresh,
// and an info panel "row of count". Enter moves to the next cell.
class GridView : public QWidget {
    Q_OBJECT

public:
    explicit GridView(QWidget* parent = nullptr);

    // The model is not owned; the grid's column widths come from its columns.
    void setModel(DataSetModel* model);
    DataSetModel* model() const { return m_model; }
    void setStyleSheetOf(const GridStyleSheet& sheet);
    // What the refresh button does (the window re-runs its query).
    void setRefreshAction(std::function<void()> action) { m_refresh = std::move(action); }

    // The current row, as a row of the model (-1 when none), and the rows as shown: in the grid's
    // sort order, honouring its filter row.
    int currentModelRow() const;
    void setCurrentModelRow(int row);
    std::vector<int> shownModelRows() const;

    void setFilterCondition(int column, const QString& text);
    void sortByColumn(int column, Qt::SortOrder order);

    QTableView* table() const { return m_table; }
    GridFilterModel* filterModel() const { return m_filter; }
    QString infoText() const;

    // The model's rows were replaced; the current row goes where the query's current row is.
    void showQueryRows();

signals:
    void currentModelRowChanged(int row);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildFilterRow();
    void placeFilterEditors();
    void updateInfo();
    void moveTo(int shownRow);
    void deleteCurrent();
    void onCurrentChanged();
    void runGuarded(const std::function<void()>& action);

    DataSetModel* m_model = nullptr;
    GridFilterModel* m_filter;
    QTableView* m_table;
    QWidget* m_filterRow;
    std::vector<QLineEdit*> m_filterEditors;
    QLabel* m_info;
    std::function<void()> m_refresh;
};

} // namespace ui
