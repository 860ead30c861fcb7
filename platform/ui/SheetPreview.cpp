#include "ui/SheetPreview.h"

#include <QAbstractTableModel>
#include <QHeaderView>

namespace ui {

class SheetModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setSheet(sheet::Sheet s)
    {
        beginResetModel();
        m_sheet = std::move(s);
        m_columns = 0;
        for (const sheet::Row& row : m_sheet.rows) {
            if (!row.cells.empty())
                m_columns = std::max(m_columns, row.cells.back().column);
        }
        endResetModel();
    }
    const sheet::Sheet& sheet() const { return m_sheet; }

    int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(m_sheet.lastRowNumber());
    }
    int columnCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(m_columns);
    }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role != Qt::DisplayRole || !index.isValid())
            return {};
        const sheet::Row* row = m_sheet.findRow(static_cast<std::uint32_t>(index.row() + 1));
        const sheet::Cell* cell = row ? row->find(static_cast<std::uint32_t>(index.column() + 1)) : nullptr;
        return cell ? QString::fromStdString(cell->text) : QVariant();
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (role != Qt::DisplayRole)
            return {};
        if (orientation == Qt::Horizontal)
            return QString::fromStdString(sheet::columnLetters(static_cast<std::uint32_t>(section + 1)));
        return section + 1;
    }

private:
    sheet::Sheet m_sheet;
    std::uint32_t m_columns = 0;
};

SheetPreview::SheetPreview(QWidget* parent)
    : QTableView(parent)
    , m_model(new SheetModel(this))
{
    setModel(m_model);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    horizontalHeader()->setDefaultSectionSize(80);
}

SheetPreview::~SheetPreview() = default;

void SheetPreview::setSheet(sheet::Sheet s)
{
    m_model->setSheet(std::move(s));
}

void SheetPreview::clear()
{
    m_model->setSheet({});
}

bool SheetPreview::isEmpty() const
{
    return m_model->sheet().rows.empty();
}

const sheet::Sheet& SheetPreview::sheet() const
{
    return m_model->sheet();
}

void SheetPreview::selectCell(std::uint32_t column, std::uint32_t row)
{
    const QModelIndex index = m_model->index(static_cast<int>(row) - 1, static_cast<int>(column) - 1);
    if (!index.isValid())
        return;
    setCurrentIndex(index);
    scrollTo(index, QAbstractItemView::PositionAtCenter);
}

QString SheetPreview::selectedCellName() const
{
    const QModelIndex index = currentIndex();
    if (!index.isValid())
        return {};
    return QString::fromStdString(sheet::cellName(static_cast<std::uint32_t>(index.column() + 1),
                                                  static_cast<std::uint32_t>(index.row() + 1)));
}

} // namespace ui
