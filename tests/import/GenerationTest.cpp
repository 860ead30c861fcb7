#include "db/PgQuery.h"
#include "import/u_fTalvera.h"
#include "login/u_dmCon.h"
#include "support/QtPrinters.h"
#include "support/RecordingMessageBoxes.h"
#include "support/Sandbox.h"
#include "ui/DataSetModel.h"
#include "ui/GridView.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using testing_support::ScratchDatabase;

namespace {

// Ten clean log rows R01..R10, each paying an invoice; amounts 10, 20, ... 100; three partners
// named "Alfa".
class Generation : public ::testing::Test {
protected:
    void SetUp() override
    {
        scratch.run(QStringLiteral(R"(
            insert into doc (data_doc, tip_doc, nr_doc, val_mon, moneda, partener)
            select current_date - 100, 'FactCI', 'F' || n, 1000, 'RON', 'Client ' || n from generate_series(1, 10) n;
            insert into log_incasari_deb_cred_diversi (data_ch_inc, nr_ch_inc, suma_incasata, moneda, partener_ch_inc, nr_fact_zuv)
            select current_date - n, 'R' || lpad(n::text, 2, '0'), 10 * n, 'RON',
                   case when n in (2, 5, 9) then 'Alfa ' || n else 'Beta ' || n end, 'F' || n
            from generate_series(1, 10) n;
        )"));
        dm.conZuv.setSettings(scratch.settings());
        dm.glUser = QStringLiteral("ana");
        window = std::make_unique<TfTalvera>(dm);
        window->show();
    }

    void cauta() { QTest::mouseClick(window->ButtonCauta, Qt::LeftButton); }
    void importCurrent() { QTest::mouseClick(window->ButtonImportaIncasarea, Qt::LeftButton); }
    void importAll() { QTest::mouseClick(window->ButtonImportaToateIncasarile, Qt::LeftButton); }
    db::PgQuery& log() { return window->dsLogIncasariDebCredDiversi; }
    ui::DataSetModel& model() { return *window->dsouLogIncasariDebCredDiversi; }
    int rowOf(const QString& nr)
    {
        for (int r = 0; r < log().recordCount(); ++r) {
            if (log().value(r, QStringLiteral("nr_ch_inc")).asString() == nr)
                return r;
        }
        return -1;
    }
    // The receipt documents in the order they were made.
    QString documents()
    {
        return scratch.scalar(QStringLiteral("select coalesce(string_agg(nr_doc, ',' order by id), '') from doc where tip_doc like 'Ch%'"));
    }
    int documentCount() { return documents().isEmpty() ? 0 : static_cast<int>(documents().count(QLatin1Char(',')) + 1); }

    testing_support::RecordingMessageBoxes boxes;
    ScratchDatabase scratch;
    TdmCon dm{[] { return login::DeploymentConfig{}; }};
    std::unique_ptr<TfTalvera> window;
};

TEST_F(Generation, BeforeCautaTheTwoCommandsSayDifferentThings)
{
    importCurrent();
    importAll();
    EXPECT_EQ(boxes.errors, (QStringList{QStringLiteral("Nu aveti inregistrari."),
                                         QStringLiteral("Apasati butonul \"Cauta\"")}));
    EXPECT_EQ(documentCount(), 0);
}

TEST_F(Generation, TheCurrentRowGetsItsDocumentOnce)
{
    cauta();
    window->cxGrid1->setCurrentModelRow(rowOf(QStringLiteral("R03")));
    importCurrent();
    ASSERT_TRUE(boxes.errors.isEmpty()) << boxes.errors.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(documents(), QStringLiteral("R03"));
    EXPECT_EQ(scratch.scalar(QStringLiteral("select emitent from doc where nr_doc = 'R03'")), QStringLiteral("ana"));
    // The log was re-run: the row shows its document and is still the current one.
    EXPECT_EQ(log().value(QStringLiteral("nr_ch_inc")).asString(), QStringLiteral("R03"));
    EXPECT_EQ(log().value(QStringLiteral("nr_ch")).asString(), QStringLiteral("R03"));

    importCurrent();
    const QDate date = QDate::currentDate().addDays(-3);
    EXPECT_EQ(boxes.errors, QStringList{QStringLiteral("Incasarea este deja importata. DataCh=")
                                        + QLocale::system().toString(date, QLocale::ShortFormat)
                                        + QStringLiteral(", NrCh=R03.")});
    EXPECT_EQ(documentCount(), 1);
}

TEST_F(Generation, AFailedCallLeavesTheLogAsItWas)
{
    cauta();
    window->cxGrid1->setCurrentModelRow(rowOf(QStringLiteral("R04")));
    scratch.run(QStringLiteral("update log_incasari_deb_cred_diversi set err_ins_zuv = 'Problema.' where nr_ch_inc = 'R04'"));
    importCurrent();
    ASSERT_EQ(boxes.errors.size(), 1);
    EXPECT_TRUE(boxes.errors.front().contains(QStringLiteral("are probleme si nu poate fi importata"))) << boxes.errors.front().toStdString();
    EXPECT_TRUE(log().value(QStringLiteral("err_ins_zuv")).isNull()) << "not re-run after the failure";
}

TEST_F(Generation, OnlyTheRowsTheFilterShowsAreGenerated)
{
    cauta();
    window->cxGrid1->setFilterCondition(model().columnOf(QStringLiteral("partener_ch_inc")), QStringLiteral("alfa"));
    ASSERT_EQ(window->cxGrid1->shownModelRows().size(), 3u);
    importAll();
    ASSERT_TRUE(boxes.errors.isEmpty()) << boxes.errors.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(documentCount(), 3);
}

TEST_F(Generation, TheGridsSortOrderIsTheOrderOfTheDocuments)
{
    cauta();
    window->cxGrid1->sortByColumn(model().columnOf(QStringLiteral("suma_incasata")), Qt::DescendingOrder);
    window->cxGrid1->setFilterCondition(model().columnOf(QStringLiteral("partener_ch_inc")), QStringLiteral("alfa"));
    importAll();
    EXPECT_EQ(documents(), QStringLiteral("R09,R05,R02"));
    // The final re-run shows every document.
    for (const char* nr : {"R02", "R05", "R09"})
        EXPECT_FALSE(log().value(rowOf(QString::fromLatin1(nr)), QStringLiteral("nr_ch")).isNull()) << nr;
}

TEST_F(Generation, WhenEveryShownRowIsImportedNothingIsCalledOrSaid)
{
    cauta();
    importAll();
    ASSERT_EQ(documentCount(), 10);
    importAll();
    EXPECT_EQ(documentCount(), 10);
    EXPECT_TRUE(boxes.errors.isEmpty());
    EXPECT_TRUE(boxes.informations.isEmpty());

    window->cxGrid1->setFilterCondition(model().columnOf(QStringLiteral("partener_ch_inc")), QStringLiteral("nimeni"));
    importAll();
    EXPECT_TRUE(boxes.errors.isEmpty()) << "a filter that hides every row is no error";
}

TEST_F(Generation, AServerErrorStopsTheWalkAtThatRow)
{
    cauta();
    window->cxGrid1->setFilterCondition(model().columnOf(QStringLiteral("nr_ch_inc")), QStringLiteral("R0"));
    window->cxGrid1->sortByColumn(model().columnOf(QStringLiteral("nr_ch_inc")), Qt::AscendingOrder);
    // R01..R09 are shown; the server refuses R02, the second.
    scratch.run(QStringLiteral("update log_incasari_deb_cred_diversi set err_ins_zuv = 'Problema.' where nr_ch_inc = 'R02'"));
    importAll();
    ASSERT_EQ(boxes.errors.size(), 1);
    EXPECT_TRUE(boxes.errors.front().startsWith(QStringLiteral("Incasarea din ")));
    EXPECT_TRUE(boxes.errors.front().contains(QStringLiteral("cu numarul R02 are probleme")));
    EXPECT_EQ(documents(), QStringLiteral("R01")) << "the rows after the failed one are not attempted";
    // No final re-run: the grid still shows the state before the walk (with R02's problem,
    // fetched by the first re-run) and R01 without its document.
    EXPECT_TRUE(log().value(rowOf(QStringLiteral("R01")), QStringLiteral("nr_ch")).isNull());
    EXPECT_EQ(log().value(rowOf(QStringLiteral("R02")), QStringLiteral("err_ins_zuv")).asString(), QStringLiteral("Problema."));
}

TEST_F(Generation, TwoShownRowsWithOneDateAndNumberBothLeadToACall)
{
    scratch.run(QStringLiteral("insert into log_incasari_deb_cred_diversi (data_ch_inc, nr_ch_inc, suma_incasata, nr_fact_zuv) "
                               "values (current_date - 5, 'R05', 50, 'F5')"));
    cauta();
    window->cxGrid1->setFilterCondition(model().columnOf(QStringLiteral("nr_ch_inc")), QStringLiteral("R05"));
    ASSERT_EQ(window->cxGrid1->shownModelRows().size(), 2u);
    importAll();
    EXPECT_EQ(documents(), QStringLiteral("R05"));
    ASSERT_EQ(boxes.errors.size(), 1) << "the second call meets the server's own check";
    EXPECT_TRUE(boxes.errors.front().contains(QStringLiteral("este deja importata"))) << boxes.errors.front().toStdString();
}

TEST_F(Generation, StopEndsTheWalkAfterTheCurrentCall)
{
    cauta();
    QString label;
    bool blocked = false;
    QTimer stopper;
    QObject::connect(&stopper, &QTimer::timeout, [&] {
        auto* progress = window->findChild<QProgressDialog*>(QStringLiteral("generationProgress"));
        if (!progress || documentCount() < 2)
            return;
        label = progress->labelText();
        blocked = QApplication::activeModalWidget() == progress && progress->isVisible();
        progress->cancel();
        stopper.stop();
    });
    stopper.start(0);
    importAll();
    const int made = documentCount();
    EXPECT_GE(made, 2);
    EXPECT_LT(made, 10);
    EXPECT_TRUE(label.endsWith(QStringLiteral(" of 10"))) << label.toStdString();
    EXPECT_TRUE(blocked) << "the window's commands wait while the walk runs";
    EXPECT_TRUE(boxes.errors.isEmpty());
    // The final re-run happened: the generated rows show their documents.
    int shown = 0;
    for (int r = 0; r < log().recordCount(); ++r)
        shown += log().value(r, QStringLiteral("nr_ch")).isNull() ? 0 : 1;
    EXPECT_EQ(shown, made);
}

} // namespace
