#include "import/u_fTalvera.h"

#include "import/ReceiptGeneration.h"
#include "import/ReceiptLogQuery.h"
#include "import/WorkbookIntake.h"
#include "sheet/SheetError.h"
#include "sheet/WorkbookReader.h"
#include "login/u_dmCon.h"
#include "ui/Anchors.h"
#include "ui/BusyCursor.h"
#include "ui/DataSetModel.h"
#include "ui/DateBox.h"
#include "ui/GridView.h"
#include "ui/AppError.h"
#include "ui/FileDialogs.h"
#include "ui/HandlerGuard.h"
#include "ui/MessageBoxes.h"
#include "ui/MessageText.h"
#include "ui/SheetPreview.h"
#include "ui_u_fTalvera.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>

namespace {

// Panel1's height in the form's layout, with the preview panel shown below it.
constexpr int designedPanelHeight = 456;

} // namespace

TfTalvera::TfTalvera(TdmCon& dm, QWidget* parent)
    : QWidget(parent)
    , dsLogIncasariDebCredDiversi(dm.conZuv, QStringLiteral("dsLogIncasariDebCredDiversi"))
    , o_generare_incasare_deb_cred_diversi(dm.conZuv, QStringLiteral("o_generare_incasare_deb_cred_diversi"))
    , o_incasari_deb_cred_diversi_log_ins(dm.conZuv, QStringLiteral("o_incasari_deb_cred_diversi_log_ins"))
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
    ButtonInchidePanel = m_ui->ButtonInchidePanel;
    dxSpreadSheet1 = m_ui->dxSpreadSheet1;

    receipts::setUpReceiptLog(dsLogIncasariDebCredDiversi);
    o_generare_incasare_deb_cred_diversi.setSql(receipts::generationSql());
    o_incasari_deb_cred_diversi_log_ins.setSql(
        QStringLiteral("SELECT * FROM o_incasari_deb_cred_diversi_log_ins(:pjsonincasdebcred)"));
    dsouLogIncasariDebCredDiversi =
        std::make_unique<ui::DataSetModel>(dsLogIncasariDebCredDiversi, receipts::receiptLogColumns());
    cxGrid1->setModel(dsouLogIncasariDebCredDiversi.get());
    cxGrid1->setStyleSheetOf(dm.GridTableViewStyleSheetDevExpress);
    cxGrid1->setRefreshAction([this] { rerunLog(); });

    Panel1->resize(width(), designedPanelHeight);
    ui::anchor(cxGrid1, Qt::LeftEdge | Qt::TopEdge | Qt::RightEdge | Qt::BottomEdge);
    ui::anchor(m_ui->Label1, Qt::LeftEdge | Qt::BottomEdge);
    ui::anchor(cxDBMemo1, Qt::LeftEdge | Qt::RightEdge | Qt::BottomEdge);
    Panel2->resize(width(), 255);
    ui::anchor(dxSpreadSheet1, Qt::LeftEdge | Qt::TopEdge | Qt::RightEdge | Qt::BottomEdge);
    Panel2->hide();

    connect(ButtonCauta, &QPushButton::clicked, this, ui::guarded(this, [this] { ButtonCautaClick(); }));
    connect(ButtonImportaIncasarea, &QPushButton::clicked, this,
            ui::guarded(this, [this] { ButtonImportaIncasareaClick(); }));
    connect(ButtonImportaToateIncasarile, &QPushButton::clicked, this,
            ui::guarded(this, [this] { ButtonImportaToateIncasarileClick(); }));
    connect(ButtonPreluareFisierExcel, &QPushButton::clicked, this,
            ui::guarded(this, [this] { ButtonPreluareFisierExcelClick(); }));
    connect(ButtonInchidePanel, &QPushButton::clicked, this, ui::guarded(this, [this] { ButtonInchidePanelClick(); }));
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

void TfTalvera::requireLogListed() const
{
    if (!dsLogIncasariDebCredDiversi.isOpen())
        throw ui::AppError(QStringLiteral("Apasati butonul \"Cauta\""));
}

bool TfTalvera::isImported(int row) const
{
    return !dsLogIncasariDebCredDiversi.value(row, QStringLiteral("nr_ch")).isNull();
}

void TfTalvera::generateFor(int row)
{
    db::PgFunctionCall& call = o_generare_incasare_deb_cred_diversi;
    call.setParam(QStringLiteral("pEmitent"), db::ParamValue::longText(m_dm.glUser));
    call.setParam(QStringLiteral("pDataChInc"),
                  db::ParamValue::date(dsLogIncasariDebCredDiversi.value(row, QStringLiteral("data_ch_inc")).asDate()));
    call.setParam(QStringLiteral("pNrChInc"),
                  db::ParamValue::longText(dsLogIncasariDebCredDiversi.value(row, QStringLiteral("nr_ch_inc")).asString()));
    ui::BusyCursor busy;
    call.execute();
}

void TfTalvera::ButtonImportaIncasareaClick()
{
    // A log not listed yet holds no rows.
    if (!dsLogIncasariDebCredDiversi.isOpen() || dsLogIncasariDebCredDiversi.isEmpty())
        throw ui::AppError(QStringLiteral("Nu aveti inregistrari."));
    const int row = dsLogIncasariDebCredDiversi.currentRow();
    if (isImported(row))
        throw ui::AppError(receipts::alreadyImportedMessage(
            dsLogIncasariDebCredDiversi.value(row, QStringLiteral("data_ch")).asDate(),
            dsLogIncasariDebCredDiversi.value(row, QStringLiteral("nr_ch")).asString()));
    generateFor(row);
    rerunLog();
}

void TfTalvera::ButtonImportaToateIncasarileClick()
{
    requireLogListed();
    rerunLog();
    if (dsLogIncasariDebCredDiversi.isEmpty())
        throw ui::AppError(QStringLiteral("Nu aveti inregistrari"));
    generateShownRows();
    rerunLog();
}

void TfTalvera::generateShownRows()
{
    // The rows as the grid shows them, in its order and through its filter row. The log is not
    // re-run between calls, so the list stays valid for the whole walk.
    const std::vector<int> rows = cxGrid1->shownModelRows();
    const int n = static_cast<int>(rows.size());
    QProgressDialog progress(this);
    progress.setWindowModality(Qt::WindowModal); // the window's commands wait for the walk
    progress.setObjectName(QStringLiteral("generationProgress"));
    progress.setCancelButtonText(QStringLiteral("Stop"));
    progress.setRange(0, n);
    progress.setMinimumDuration(0);
    progress.setAutoReset(false);
    for (int k = 0; k < n; ++k) {
        if (progress.wasCanceled())
            break; // the rows done stay done; the final re-run shows them
        const int row = rows[static_cast<std::size_t>(k)];
        cxGrid1->setCurrentModelRow(row);
        if (isImported(row))
            continue; // skipped without a word, and without a repaint
        // A modal progress dialog processes events as its value is set, so it is set only where a
        // call is made: the window repaints after each call, not at every row walked past.
        progress.setLabelText(QStringLiteral("%1 of %2").arg(k + 1).arg(n));
        progress.setValue(k);
        generateFor(row);
        QApplication::processEvents();
    }
    progress.setValue(n);
}

void TfTalvera::ButtonPreluareFisierExcelClick()
{
    requireLogListed();
    const QString file = ui::FileDialogs::current().openFileName(this);
    if (file.isEmpty())
        throw ui::AppError(QStringLiteral("Nu s-a ales nici un fisier..."));
    if (!receipts::hasWorkbookExtension(file))
        throw ui::AppError(QStringLiteral("Extensia fisier trebuie sa fie \"xlsx\""));
    loadPreview(file);
    try {
        sendWorkbook(file);
    } catch (const std::exception& e) {
        // The user sees what was read, with the cell at fault when there is one.
        Panel2->show();
        if (const auto* cell = dynamic_cast<const receipts::IntakeError*>(&e))
            dxSpreadSheet1->selectCell(cell->column(), cell->row());
        throw ui::AppError(QStringLiteral("Err - ") + ui::innermostMessage(e));
    }
    rerunLog();
    ui::showInformation(this, QStringLiteral("Fisierul Excel a fost preluat."));
}

void TfTalvera::loadPreview(const QString& file)
{
    dxSpreadSheet1->clear();
    ui::BusyCursor busy;
    try {
        dxSpreadSheet1->setSheet(sheet::readActiveSheet(QFile::encodeName(file).toStdString(),
                                                        sheet::RegionalFormat::fromEnvironment()));
    } catch (const sheet::SheetError& e) {
        throw ui::AppError(QString::fromUtf8(e.what()));
    }
}

void TfTalvera::sendWorkbook(const QString& file)
{
    const sheet::Sheet& loaded = dxSpreadSheet1->sheet();
    receipts::checkHeader(loaded);
    const std::string payload = receipts::buildPayload(loaded, QFileInfo(file).fileName().toStdString());
    o_incasari_deb_cred_diversi_log_ins.setParam(QStringLiteral("pJsonIncasDebCred"),
                                                 db::ParamValue::longText(QString::fromStdString(payload)));
    ui::BusyCursor busy;
    o_incasari_deb_cred_diversi_log_ins.execute();
}

void TfTalvera::ButtonInchidePanelClick()
{
    Panel2->hide();
    dxSpreadSheet1->clear();
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
