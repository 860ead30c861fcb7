#include "import/u_fTalvera.h"

#include "import/ReceiptLogQuery.h"
#include "login/u_dmCon.h"
#include "ui/Anchors.h"
#include "ui/BusyCursor.h"
#include "ui/DataSetModel.h"
#include "ui/DateBox.h"
#include "ui/GridView.h"
#include "ui/HandlerGuard.h"
#include "ui_u_fTalvera.h"

#include <QEvent>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

// Panel1's height in the form's layout, with the preview panel shown below it.
constexpr int designedPanelHeight = 456;

} // namespace

TfTalvera::TfTalvera(TdmCon& dm, QWidget* parent)
    : QWidget(parent)
    , dsLogIncasariDebCredDiversi(dm.conZuv, QStringLiteral("dsLogIncasariDebCredDiversi"))
    , m_ui(std::make_unique<Ui::TfTalvera>())
    , m_dm(dm)
{
    m_ui->setupUi(this);
    Panel1 = m_ui->Panel1;
    Panel2 = m_ui->Panel2;
    cxDateEditDataIncep = m_ui->cxDateEditDataIncep;
    ButtonCauta = m_ui->ButtonCauta;
    ButtonPreluareFisierExcel = m_ui->ButtonPreluareFisierExcel;
    ButtonImportaIncasarea = m_ui->ButtonImportaIncasarea;
    ButtonImportaToateIncasarile = m_ui->ButtonImportaToateIncasarile;
    cxGrid1 = m_ui->cxGrid1;
    cxDBMemo1 = m_ui->cxDBMemo1;

    receipts::setUpReceiptLog(dsLogIncasariDebCredDiversi);
    dsouLogIncasariDebCredDiversi =
        std::make_unique<ui::DataSetModel>(dsLogIncasariDebCredDiversi, receipts::receiptLogColumns());
    cxGrid1->setModel(dsouLogIncasariDebCredDiversi.get());
    cxGrid1->setStyleSheetOf(dm.GridTableViewStyleSheetDevExpress);
    cxGrid1->setRefreshAction([this] { rerunLog(); });

    Panel1->resize(width(), designedPanelHeight);
    ui::anchor(cxGrid1, Qt::LeftEdge | Qt::TopEdge | Qt::RightEdge | Qt::BottomEdge);
    ui::anchor(m_ui->Label1, Qt::LeftEdge | Qt::BottomEdge);
    ui::anchor(cxDBMemo1, Qt::LeftEdge | Qt::RightEdge | Qt::BottomEdge);
    Panel2->hide();

    connect(ButtonCauta, &QPushButton::clicked, this, ui::guarded(this, [this] { ButtonCautaClick(); }));
    connect(cxGrid1, &ui::GridView::currentModelRowChanged, this, [this] { showCurrentMemo(); });
    cxDBMemo1->installEventFilter(this);
}

TfTalvera::~TfTalvera() = default;

void TfTalvera::bringForward()
{
    show();
    raise();
    activateWindow();
}

void TfTalvera::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // A window restored from the task bar was visible all along; only a real showing counts.
    if (!event->spontaneous())
        ui::guarded(this, [this] { FormShow(); })();
}

void TfTalvera::FormShow()
{
    cxDateEditDataIncep->setDateValue(QDate::currentDate().addDays(-30));
}

void TfTalvera::ButtonCautaClick()
{
    dsLogIncasariDebCredDiversi.setParam(QStringLiteral("pDataIncep"),
                                         db::ParamValue::date(cxDateEditDataIncep->dateValue()));
    rerunLog();
}

void TfTalvera::rerunLog()
{
    ui::BusyCursor busy;
    if (dsLogIncasariDebCredDiversi.isOpen())
        dsLogIncasariDebCredDiversi.refresh();
    else
        dsLogIncasariDebCredDiversi.open();
    dsouLogIncasariDebCredDiversi->reload();
    cxGrid1->showQueryRows();
    showCurrentMemo();
}

void TfTalvera::showCurrentMemo()
{
    const int row = cxGrid1->currentModelRow();
    const int column = dsouLogIncasariDebCredDiversi->columnOf(QStringLiteral("err_ins_zuv"));
    const QString text = row >= 0 ? dsouLogIncasariDebCredDiversi->index(row, column).data(Qt::EditRole).toString()
                                  : QString();
    if (cxDBMemo1->toPlainText() != text)
        cxDBMemo1->setPlainText(text);
}

void TfTalvera::postMemo()
{
    const int row = cxGrid1->currentModelRow();
    if (row < 0)
        return;
    const QModelIndex cell = dsouLogIncasariDebCredDiversi->index(
        row, dsouLogIncasariDebCredDiversi->columnOf(QStringLiteral("err_ins_zuv")));
    const QString text = cxDBMemo1->toPlainText();
    if (cell.data(Qt::EditRole).toString() != text)
        dsouLogIncasariDebCredDiversi->setData(cell, text.isEmpty() ? QVariant() : QVariant(text));
}

bool TfTalvera::eventFilter(QObject* watched, QEvent* event)
{
    // The memo edits the current row's err_ins_zuv; leaving it writes the change.
    if (watched == cxDBMemo1 && event->type() == QEvent::FocusOut)
        ui::guarded(this, [this] { postMemo(); })();
    return QWidget::eventFilter(watched, event);
}
