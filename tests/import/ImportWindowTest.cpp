#include "db/PgQuery.h"
#include "import/u_fTalvera.h"
#include "login/u_dmCon.h"
#include "support/QtPrinters.h"
#include "support/RecordingMessageBoxes.h"
#include "support/Sandbox.h"
#include "ui/DataSetModel.h"
#include "ui/DateBox.h"
#include "ui/GridView.h"

#include <gtest/gtest.h>

#include <QHeaderView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QToolButton>

using testing_support::ScratchDatabase;

namespace {

class ImportWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        scratch.run(QStringLiteral(R"(
            insert into log_incasari_deb_cred_diversi (data_ch_inc, nr_ch_inc, suma_incasata, moneda, partener_ch_inc, err_ins_zuv) values
                (current_date - 3, 'R1', 10, 'RON', 'Client Alfa', null),
                (current_date - 2, 'R2', 20, 'RON', 'CLIENT beta', 'Factura "F9" nu exista in ZUV.'),
                (current_date - 1, 'R3', 30, 'EUR', 'Furnizor Gama', null),
                (current_date - 60, 'VECHI', 40, 'RON', 'Client Vechi', null);
        )"));
        db::ConnectionSettings settings = scratch.settings();
        dm.conZuv.setSettings(settings);
        window = std::make_unique<TfTalvera>(dm);
        window->show();
    }

    void cauta() { QTest::mouseClick(window->ButtonCauta, Qt::LeftButton); }
    ui::DataSetModel& model() { return *window->dsouLogIncasariDebCredDiversi; }
    db::PgQuery& log() { return window->dsLogIncasariDebCredDiversi; }
    QString currentNr() { return log().value(QStringLiteral("nr_ch_inc")).asString(); }
    int rowOf(const QString& nr)
    {
        for (int r = 0; r < log().recordCount(); ++r) {
            if (log().value(r, QStringLiteral("nr_ch_inc")).asString() == nr)
                return r;
        }
        return -1;
    }
    QModelIndex cell(const QString& nr, const char* field)
    {
        return model().index(rowOf(nr), model().columnOf(QString::fromLatin1(field)));
    }
    QString server(const QString& sql) { return scratch.scalar(sql); }

    testing_support::RecordingMessageBoxes boxes;
    ScratchDatabase scratch;
    TdmCon dm{[] { return login::DeploymentConfig{}; }};
    std::unique_ptr<TfTalvera> window;
};

TEST_F(ImportWindow, FormAsLaidOut)
{
    EXPECT_EQ(window->objectName(), QStringLiteral("fTalvera"));
    EXPECT_EQ(window->size(), QSize(1284, 711));
    EXPECT_FALSE(window->Panel2->isVisible()) << "the preview panel starts hidden";
    EXPECT_EQ(window->ButtonCauta->text(), QStringLiteral("Cauta"));
    EXPECT_EQ(window->ButtonPreluareFisierExcel->text(), QStringLiteral("Preluare fisier Excel cu incasari"));
    EXPECT_EQ(window->ButtonImportaIncasarea->text(), QStringLiteral("Importa incasarea curenta in ZUV"));
    EXPECT_EQ(window->ButtonImportaToateIncasarile->text(), QStringLiteral("Importa toate incasarile in ZUV"));
    // With the preview panel hidden, the grid takes its height; the memo stays below it.
    EXPECT_EQ(window->cxGrid1->geometry(), QRect(8, 82, 1266, 335 + 255));
    EXPECT_EQ(window->cxDBMemo1->geometry().bottom(), window->Panel1->height() - 7);

    QHeaderView* header = window->cxGrid1->table()->horizontalHeader();
    ASSERT_EQ(header->count(), 24);
    const auto caption = [&](int section) { return model().headerData(section, Qt::Horizontal).toString(); };
    EXPECT_EQ(caption(0), QStringLiteral("data_ch_inc"));
    EXPECT_EQ(caption(7), QStringLiteral("nr_fact_fisier"));
    EXPECT_EQ(caption(11), QStringLiteral("rest_de_incasat"));
    EXPECT_EQ(caption(23), QStringLiteral("data_log"));
    EXPECT_EQ(header->sectionSize(0), 82);
    EXPECT_EQ(header->sectionSize(13), 205);
    EXPECT_EQ(header->sectionSize(22), 201);
}

TEST_F(ImportWindow, EveryShowingProposesThirtyDaysBackWithoutRerunning)
{
    EXPECT_EQ(window->cxDateEditDataIncep->dateValue(), QDate::currentDate().addDays(-30));
    EXPECT_FALSE(log().isOpen()) << "the log is closed until Cauta";
    cauta();
    ASSERT_TRUE(boxes.errors.isEmpty()) << boxes.errors.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(log().recordCount(), 3);
    EXPECT_EQ(window->cxGrid1->infoText(), QStringLiteral("1 of 3"));

    window->cxDateEditDataIncep->setDateValue(QDate(2020, 1, 1));
    window->close();
    EXPECT_FALSE(window->isVisible());
    scratch.run(QStringLiteral("insert into log_incasari_deb_cred_diversi (data_ch_inc, nr_ch_inc) values (current_date, 'R4')"));
    window->bringForward();
    window->bringForward(); // a second press only brings it forward
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->cxDateEditDataIncep->dateValue(), QDate::currentDate().addDays(-30));
    EXPECT_EQ(log().recordCount(), 3) << "showing does not re-run the log";
}

TEST_F(ImportWindow, AnEmptyDateBoxListsEveryDatedRow)
{
    window->cxDateEditDataIncep->clear();
    EXPECT_TRUE(window->cxDateEditDataIncep->isEmpty());
    EXPECT_EQ(window->cxDateEditDataIncep->dateValue(), ui::DateBox::nullDate());
    cauta();
    EXPECT_EQ(log().recordCount(), 4);
    EXPECT_EQ(log().value(0, QStringLiteral("nr_ch_inc")).asString(), QStringLiteral("VECHI"));
}

TEST_F(ImportWindow, CautaRefreshesAndTheCurrentRowKeepsItsKey)
{
    cauta();
    window->cxGrid1->setCurrentModelRow(rowOf(QStringLiteral("R2")));
    EXPECT_EQ(window->cxDBMemo1->toPlainText(), QStringLiteral("Factura \"F9\" nu exista in ZUV."));
    scratch.run(QStringLiteral("insert into log_incasari_deb_cred_diversi (data_ch_inc, nr_ch_inc) values (current_date - 10, 'R0')"));
    cauta();
    EXPECT_EQ(log().recordCount(), 4);
    EXPECT_EQ(currentNr(), QStringLiteral("R2"));
    EXPECT_EQ(window->cxGrid1->currentModelRow(), 2);
    EXPECT_EQ(window->cxGrid1->infoText(), QStringLiteral("3 of 4"));

    scratch.run(QStringLiteral("delete from log_incasari_deb_cred_diversi where nr_ch_inc = 'R2'"));
    window->cxGrid1->findChild<QToolButton*>(QStringLiteral("navRefresh"))->click();
    EXPECT_EQ(currentNr(), QStringLiteral("R0")) << "the row is gone: the first row";
    EXPECT_EQ(window->cxGrid1->currentModelRow(), 0);
    EXPECT_TRUE(window->cxDBMemo1->toPlainText().isEmpty());
}

TEST_F(ImportWindow, TheFilterRowNarrowsWithoutRegardToCase)
{
    cauta();
    const int partner = model().columnOf(QStringLiteral("partener_ch_inc"));
    window->cxGrid1->setFilterCondition(partner, QStringLiteral("client"));
    EXPECT_EQ(window->cxGrid1->shownModelRows(), (std::vector<int>{rowOf(QStringLiteral("R1")), rowOf(QStringLiteral("R2"))}));
    window->cxGrid1->setFilterCondition(model().columnOf(QStringLiteral("moneda")), QStringLiteral("ron"));
    EXPECT_EQ(window->cxGrid1->shownModelRows().size(), 2u);
    window->cxGrid1->setFilterCondition(partner, QStringLiteral("GAMA"));
    EXPECT_TRUE(window->cxGrid1->shownModelRows().empty()) << "Furnizor Gama pays in EUR";
    window->cxGrid1->setFilterCondition(model().columnOf(QStringLiteral("moneda")), QString());
    EXPECT_EQ(window->cxGrid1->shownModelRows(), std::vector<int>{rowOf(QStringLiteral("R3"))});
}

TEST_F(ImportWindow, AHeaderClickSortsTheShownRows)
{
    cauta();
    window->cxGrid1->sortByColumn(model().columnOf(QStringLiteral("suma_incasata")), Qt::DescendingOrder);
    EXPECT_EQ(window->cxGrid1->shownModelRows(),
              (std::vector<int>{rowOf(QStringLiteral("R3")), rowOf(QStringLiteral("R2")), rowOf(QStringLiteral("R1"))}));
}

TEST_F(ImportWindow, AnEditIsWrittenToTheLog)
{
    cauta();
    ASSERT_TRUE(model().setData(cell(QStringLiteral("R1"), "moneda"), QStringLiteral("USD")));
    EXPECT_TRUE(boxes.errors.isEmpty()) << boxes.errors.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(server(QStringLiteral("select moneda from log_incasari_deb_cred_diversi where nr_ch_inc = 'R1'")),
              QStringLiteral("USD"));
    EXPECT_FALSE(model().hasPendingChanges());
    EXPECT_FALSE(model().flags(cell(QStringLiteral("R1"), "nr_ch")) & Qt::ItemIsEditable)
        << "the joined documents' columns are read-only";
}

TEST_F(ImportWindow, AWriteThatHitsTwoRowsFailsAndKeepsTheEdit)
{
    scratch.run(QStringLiteral("insert into log_incasari_deb_cred_diversi (data_ch_inc, nr_ch_inc, moneda) values (current_date - 1, 'R3', 'RON')"));
    cauta();
    ASSERT_EQ(log().recordCount(), 4);
    const QModelIndex moneda = cell(QStringLiteral("R3"), "moneda");
    model().setData(moneda, QStringLiteral("USD"));
    ASSERT_EQ(boxes.errors.size(), 1);
    EXPECT_TRUE(boxes.errors.front().startsWith(QStringLiteral("Update failed: 2 rows of table log_incasari_deb_cred_diversi have")))
        << boxes.errors.front().toStdString();
    EXPECT_EQ(moneda.data().toString(), QStringLiteral("USD")) << "the edit stays for the user to correct or cancel";
    EXPECT_TRUE(model().hasPendingChanges());
    EXPECT_EQ(server(QStringLiteral("select count(*) from log_incasari_deb_cred_diversi where moneda = 'USD'")),
              QStringLiteral("0"));
    window->cxGrid1->findChild<QToolButton*>(QStringLiteral("navCancel"))->click();
    EXPECT_FALSE(model().hasPendingChanges());
    EXPECT_NE(moneda.data().toString(), QStringLiteral("USD"));
}

TEST_F(ImportWindow, DeleteAsksFirst)
{
    cauta();
    window->cxGrid1->setCurrentModelRow(rowOf(QStringLiteral("R1")));
    auto* remove = window->cxGrid1->findChild<QToolButton*>(QStringLiteral("navDelete"));
    boxes.answers = {false};
    remove->click();
    EXPECT_EQ(boxes.questions, QStringList{QStringLiteral("Delete record?")});
    EXPECT_EQ(log().recordCount(), 3);
    remove->click(); // answered Yes
    EXPECT_EQ(log().recordCount(), 2);
    EXPECT_EQ(rowOf(QStringLiteral("R1")), -1);
    EXPECT_EQ(server(QStringLiteral("select count(*) from log_incasari_deb_cred_diversi where nr_ch_inc = 'R1'")),
              QStringLiteral("0"));
    EXPECT_EQ(window->cxGrid1->infoText(), QStringLiteral("1 of 2"));
}

TEST_F(ImportWindow, InsertAndPostAddsALogRow)
{
    cauta();
    window->cxGrid1->findChild<QToolButton*>(QStringLiteral("navInsert"))->click();
    const int row = log().recordCount();
    EXPECT_TRUE(model().isNewRow(row));
    model().setData(model().index(row, model().columnOf(QStringLiteral("data_ch_inc"))), QDate::currentDate());
    model().setData(model().index(row, model().columnOf(QStringLiteral("nr_ch_inc"))), QStringLiteral("NOU"));
    window->cxGrid1->findChild<QToolButton*>(QStringLiteral("navPost"))->click();
    EXPECT_TRUE(boxes.errors.isEmpty()) << boxes.errors.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(server(QStringLiteral("select count(*) from log_incasari_deb_cred_diversi where nr_ch_inc = 'NOU' and data_ch_inc = current_date")),
              QStringLiteral("1"));
    EXPECT_EQ(log().recordCount(), 4);
}

TEST_F(ImportWindow, AFailedListingShowsTheDatabaseLayersMessage)
{
    scratch.run(QStringLiteral("alter table log_incasari_deb_cred_diversi rename column order_id to order_nr"));
    cauta();
    EXPECT_EQ(boxes.errors, QStringList{QStringLiteral("Field 'order_id' not found.")});
    EXPECT_FALSE(log().isOpen());
}

} // namespace
