#pragma once

#include "db/PgFunctionCall.h"
#include "db/PgQuery.h"

#include <QWidget>

#include <memory>

class TdmCon;
class QFrame;
class QPlainTextEdit;
class QPushButton;

namespace ui {
class DataSetModel;
class DateBox;
class GridView;
class SheetPreview;
} // namespace ui

namespace Ui {
class TfTalvera;
}

// The import window: the receipt log listed from a start date, its grid and the error memo of
// the current row. Opened non-modally from the main window; closing it only hides it.
class TfTalvera : public QWidget {
    Q_OBJECT

public:
    explicit TfTalvera(TdmCon& dm, QWidget* parent = nullptr);
    ~TfTalvera() override;

    // The receipt log, on the company connection, and the grid's link to it.
    db::PgQuery dsLogIncasariDebCredDiversi;
    std::unique_ptr<ui::DataSetModel> dsouLogIncasariDebCredDiversi;
    // The server function that makes a logged receipt's document.
    db::PgFunctionCall o_generare_incasare_deb_cred_diversi;
    // The server function that records a workbook's rows in the log.
    db::PgFunctionCall o_incasari_deb_cred_diversi_log_ins;

    QFrame* Panel1 = nullptr;
    QFrame* Panel2 = nullptr;
    ui::DateBox* cxDateEditDataIncep = nullptr;
    QPushButton* ButtonCauta = nullptr;
    QPushButton* ButtonPreluareFisierExcel = nullptr;
    QPushButton* ButtonImportaIncasarea = nullptr;
    QPushButton* ButtonImportaToateIncasarile = nullptr;
    ui::GridView* cxGrid1 = nullptr;
    QPlainTextEdit* cxDBMemo1 = nullptr;
    QPushButton* ButtonInchidePanel = nullptr;
    ui::SheetPreview* dxSpreadSheet1 = nullptr;

    // Shows the window, or brings it forward when it is showing.
    void bringForward();

    void ButtonCautaClick();
    void ButtonImportaIncasareaClick();
    void ButtonImportaToateIncasarileClick();
    void ButtonPreluareFisierExcelClick();
    void ButtonInchidePanelClick();
    // Re-runs the log: refreshes it when open (the current row stays on its key, else goes to
    // the first row), opens it otherwise. Throws what the database layer says.
    void rerunLog();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormShow();
    void requireLogListed() const;
    bool isImported(int row) const;
    void generateFor(int row);
    void generateShownRows();
    void loadPreview(const QString& file);
    void sendWorkbook(const QString& file);
    void showCurrentMemo();
    void postMemo();

    std::unique_ptr<Ui::TfTalvera> m_ui;
    TdmCon& m_dm;
};
