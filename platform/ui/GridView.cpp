#include "ui/GridView.h"

#include "db/PgQuery.h"
#include "ui/DataSetModel.h"
#include "ui/GridFilterModel.h"
#include "ui/HandlerGuard.h"
#include "ui/MessageBoxes.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace ui {

namespace {

QString css(const GridStyle& style, const char* selector)
{
    QString rules;
    if (style.background)
        rules += QStringLiteral("background-color: %1;").arg(style.background->name());
    if (style.text)
        rules += QStringLiteral("color: %1;").arg(style.text->name());
    if (style.font) {
        rules += QStringLiteral("font-family: \"%1\"; font-size: %2pt;").arg(style.font->family()).arg(style.font->pointSize());
        if (style.font->bold())
            rules += QStringLiteral("font-weight: bold;");
    }
    return rules.isEmpty() ? QString() : QLatin1String(selector) + QStringLiteral(" {") + rules + QLatin1Char('}');
}

} // namespace

GridView::GridView(QWidget* parent)
    : QWidget(parent)
    , m_filter(new GridFilterModel(this))
    , m_table(new QTableView(this))
    , m_filterRow(new QWidget(this))
    , m_info(new QLabel(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_filterRow);
    layout->addWidget(m_table, 1);

    auto* navigator = new QWidget(this);
    navigator->setObjectName(QStringLiteral("navigator"));
    auto* buttons = new QHBoxLayout(navigator);
    buttons->setContentsMargins(2, 2, 2, 2);
    buttons->setSpacing(1);
    const auto addButton = [&](const char* name, const QString& text, const QString& tip,
                               std::function<void()> action) {
        auto* button = new QToolButton(navigator);
        button->setObjectName(QLatin1String(name));
        button->setText(text);
        button->setToolTip(tip);
        button->setAutoRaise(true);
        connect(button, &QToolButton::clicked, this, [this, action] { runGuarded(action); });
        buttons->addWidget(button);
    };
    addButton("navFirst", QStringLiteral("|\u25C0"), QStringLiteral("First"), [this] { moveTo(0); });
    addButton("navPrior", QStringLiteral("\u25C0"), QStringLiteral("Prior"),
              [this] { moveTo(std::max(0, m_table->currentIndex().row() - 1)); });
    addButton("navNext", QStringLiteral("\u25B6"), QStringLiteral("Next"),
              [this] { moveTo(m_table->currentIndex().row() + 1); });
    addButton("navLast", QStringLiteral("\u25B6|"), QStringLiteral("Last"), [this] { moveTo(m_filter->rowCount() - 1); });
    addButton("navInsert", QStringLiteral("+"), QStringLiteral("Insert"), [this] {
        const int row = m_model->beginInsert();
        setCurrentModelRow(row);
        m_table->edit(m_table->currentIndex());
    });
    addButton("navDelete", QStringLiteral("\u2212"), QStringLiteral("Delete"), [this] { deleteCurrent(); });
    addButton("navEdit", QStringLiteral("\u25B2"), QStringLiteral("Edit"), [this] { m_table->edit(m_table->currentIndex()); });
    addButton("navPost", QStringLiteral("\u2713"), QStringLiteral("Post"), [this] { m_model->post(); });
    addButton("navCancel", QStringLiteral("\u2717"), QStringLiteral("Cancel"), [this] { m_model->cancel(); });
    addButton("navRefresh", QStringLiteral("\u27F3"), QStringLiteral("Refresh"), [this] {
        if (m_refresh)
            m_refresh();
    });
    m_info->setObjectName(QStringLiteral("navInfo"));
    buttons->addSpacing(8);
    buttons->addWidget(m_info);
    buttons->addStretch(1);
    layout->addWidget(navigator);

    m_table->setModel(m_filter);
    m_table->setSortingEnabled(true);
    m_table->setAlternatingRowColors(true);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                             | QAbstractItemView::AnyKeyPressed);
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    m_table->verticalHeader()->setFixedWidth(16);
    m_table->horizontalHeader()->setSortIndicatorShown(true);
    m_table->installEventFilter(this);

    connect(m_table->horizontalHeader(), &QHeaderView::sectionResized, this, [this] { placeFilterEditors(); });
    connect(m_table->horizontalScrollBar(), &QScrollBar::valueChanged, this, [this] { placeFilterEditors(); });
    for (auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(m_filter, signal, this, [this] { updateInfo(); });
    connect(m_filter, &QAbstractItemModel::modelReset, this, [this] { updateInfo(); });
    connect(m_filter, &QAbstractItemModel::layoutChanged, this, [this] { onCurrentChanged(); });
    updateInfo();
}

void GridView::runGuarded(const std::function<void()>& action)
{
    guarded(window(), action)();
}

void GridView::setModel(DataSetModel* model)
{
    m_model = model;
    m_filter->setSourceModel(model);
    model->setErrorReporter([this](std::exception_ptr error) { reportHandlerFailure(window(), error); });
    connect(m_table->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] { onCurrentChanged(); });
    const auto& columns = model->columns();
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (columns[i].width > 0)
            m_table->horizontalHeader()->resizeSection(static_cast<int>(i), columns[i].width);
    }
    // No column starts sorted: the rows come in the query's order until a header is clicked.
    m_table->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    m_filter->sort(-1);
    buildFilterRow();
    updateInfo();
}

void GridView::setStyleSheetOf(const GridStyleSheet& sheet)
{
    QPalette palette = m_table->palette();
    if (sheet.contentEven.background)
        palette.setColor(QPalette::Base, *sheet.contentEven.background);
    if (sheet.contentOdd.background)
        palette.setColor(QPalette::AlternateBase, *sheet.contentOdd.background);
    if (sheet.content.text)
        palette.setColor(QPalette::Text, *sheet.content.text);
    if (sheet.selection.background)
        palette.setColor(QPalette::Highlight, *sheet.selection.background);
    if (sheet.selection.text)
        palette.setColor(QPalette::HighlightedText, *sheet.selection.text);
    if (sheet.inactive.background)
        palette.setColor(QPalette::Inactive, QPalette::Highlight, *sheet.inactive.background);
    m_table->setPalette(palette);
    if (sheet.content.font)
        m_table->setFont(*sheet.content.font);
    m_table->horizontalHeader()->setStyleSheet(css(sheet.header, "QHeaderView::section"));
    m_table->verticalHeader()->setStyleSheet(css(sheet.indicator, "QHeaderView::section"));
    m_filterRow->setStyleSheet(css(sheet.filterBox, "QLineEdit"));
    setStyleSheet(css(sheet.background, "ui--GridView"));
}

void GridView::buildFilterRow()
{
    for (QLineEdit* editor : m_filterEditors)
        delete editor;
    m_filterEditors.clear();
    const int columns = m_model ? m_model->columnCount() : 0;
    for (int column = 0; column < columns; ++column) {
        auto* editor = new QLineEdit(m_filterRow);
        editor->setObjectName(QStringLiteral("filter_%1").arg(m_model->columns()[static_cast<std::size_t>(column)].field));
        editor->setFrame(false);
        connect(editor, &QLineEdit::textChanged, this, [this, column](const QString& text) {
            m_filter->setCondition(column, text);
            updateInfo();
        });
        m_filterEditors.push_back(editor);
    }
    m_filterRow->setFixedHeight(m_filterEditors.empty() ? 0 : m_filterEditors.front()->sizeHint().height());
    placeFilterEditors();
}

void GridView::placeFilterEditors()
{
    QHeaderView* header = m_table->horizontalHeader();
    const int offset = m_table->verticalHeader()->width() + m_table->frameWidth();
    for (std::size_t i = 0; i < m_filterEditors.size(); ++i) {
        const int section = static_cast<int>(i);
        m_filterEditors[i]->setGeometry(offset + header->sectionViewportPosition(section), 0,
                                        header->sectionSize(section) - 1, m_filterRow->height());
    }
}

void GridView::setFilterCondition(int column, const QString& text)
{
    m_filterEditors.at(static_cast<std::size_t>(column))->setText(text);
}

void GridView::sortByColumn(int column, Qt::SortOrder order)
{
    m_table->sortByColumn(column, order);
}

int GridView::currentModelRow() const
{
    const QModelIndex current = m_table->currentIndex();
    return current.isValid() ? m_filter->mapToSource(current).row() : -1;
}

void GridView::setCurrentModelRow(int row)
{
    const QModelIndex source = m_model ? m_model->index(row, 0) : QModelIndex();
    const QModelIndex shown = m_filter->mapFromSource(source);
    if (shown.isValid()) {
        const int column = std::max(0, m_table->currentIndex().column());
        m_table->setCurrentIndex(m_filter->index(shown.row(), column));
    } else {
        m_table->setCurrentIndex({});
    }
    onCurrentChanged();
}

std::vector<int> GridView::shownModelRows() const
{
    std::vector<int> rows;
    rows.reserve(static_cast<std::size_t>(m_filter->rowCount()));
    for (int r = 0; r < m_filter->rowCount(); ++r)
        rows.push_back(m_filter->mapToSource(m_filter->index(r, 0)).row());
    return rows;
}

void GridView::moveTo(int shownRow)
{
    if (shownRow < 0 || shownRow >= m_filter->rowCount())
        return;
    m_table->setCurrentIndex(m_filter->index(shownRow, std::max(0, m_table->currentIndex().column())));
}

void GridView::deleteCurrent()
{
    const int row = currentModelRow();
    if (row < 0)
        return;
    if (!MessageBoxes::current().confirm(window(), QStringLiteral("Delete record?")))
        return;
    m_model->deleteRow(row);
    showQueryRows();
}

void GridView::showQueryRows()
{
    const int row = m_model && m_model->query().isOpen() ? m_model->query().currentRow() : -1;
    setCurrentModelRow(row);
    if (currentModelRow() < 0 && m_filter->rowCount() > 0)
        moveTo(0);
    updateInfo();
}

void GridView::onCurrentChanged()
{
    const int row = currentModelRow();
    m_filter->setIndicatorRow(m_table->currentIndex().isValid() ? m_table->currentIndex().row() : -1);
    if (m_model && row >= 0 && row < m_model->query().recordCount())
        m_model->query().setCurrentRow(row);
    updateInfo();
    emit currentModelRowChanged(row);
}

QString GridView::infoText() const
{
    return m_info->text();
}

void GridView::updateInfo()
{
    const int count = m_filter->rowCount();
    const QModelIndex current = m_table->currentIndex();
    const int position = current.isValid() ? current.row() + 1 : 0;
    m_info->setText(QStringLiteral("%1 of %2").arg(position).arg(count));
}

bool GridView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_table && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        // While a cell is edited its editor has the keys; this is Enter on the grid itself.
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            // Enter moves to the next cell, then to the next row's first cell.
            const QModelIndex current = m_table->currentIndex();
            if (current.isValid()) {
                int row = current.row();
                int column = current.column() + 1;
                if (column >= m_filter->columnCount()) {
                    column = 0;
                    row = std::min(row + 1, m_filter->rowCount() - 1);
                }
                m_table->setCurrentIndex(m_filter->index(row, column));
            }
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace ui
