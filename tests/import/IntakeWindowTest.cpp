#include "db/PgQuery.h"
#include "import/u_fTalvera.h"
#include "login/u_dmCon.h"
#include "support/AnsweringFileDialogs.h"
#include "support/QtPrinters.h"
#include "support/RecordingMessageBoxes.h"
#include "support/Sandbox.h"
#include "support/XlsxBuilder.h"
#include "ui/DateBox.h"
#include "ui/SheetPreview.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using testing_support::ScratchDatabase;
using testing_support::XlsxBuilder;

namespace {

std::string inlineCell(const std::string& ref, const std::string& text)
{
    return "<c r=\"" + ref + "\" t=\"inlineStr\"><is><t xml:space=\"preserve\">" + text + "</t></is></c>";
}

std::string headerRow(const char* first = "dataDoc")
{
    const char* names[10] = {first, "nrDoc", "OrderID", "sumaIncasata", "moneda", "partener", "Cont sintetic",
                             "Cont analitic", "debCred", "Nr.fact ZUV"};
    std::string row = "<row r=\"1\">";
    for (int c = 0; c < 10; ++c)
        row += inlineCell(std::string(1, static_cast<char>('A' + c)) + "1", names[c]);
    return row + "</row>";
}

// A receipt row: date, number, amount, partner and invoice given; the rest fixed.
std::string receiptRow(int r, const std::string& date, const std::string& nr, const std::string& amount,
                       const std::string& partner, const std::string& invoice, bool withE = true)
{
    const std::string n = std::to_string(r);
    std::string row = "<row r=\"" + n + "\">" + inlineCell("A" + n, date) + inlineCell("B" + n, nr) + inlineCell("C" + n, "CMD")
                      + "<c r=\"D" + n + "\"><v>" + amount + "</v></c>";
    if (withE)
        row += inlineCell("E" + n, "RON");
    row += inlineCell("F" + n, partner) + inlineCell("G" + n, "461") + inlineCell("H" + n, "461.01")
           + inlineCell("I" + n, "Debitor") + inlineCell("J" + n, invoice);
    return row + "</row>";
}

class IntakeWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        scratch.run(QStringLiteral("insert into doc (data_doc, tip_doc, nr_doc, val_mon, moneda, partener) values "
                                   "(current_date - 40, 'FactCI', 'F1', 1000, 'RON', 'Client Unu')"));
        dm.conZuv.setSettings(scratch.settings());
        window = std::make_unique<TfTalvera>(dm);
        window->show();
        window->cxDateEditDataIncep->setDateValue(QDate(2020, 1, 1));
    }

    QString book(const char* name, const std::string& rows)
    {
        const QString path = dir.filePath(QString::fromUtf8(name));
        XlsxBuilder::standard(rows).write(path.toStdString());
        return path;
    }
    void cauta() { QTest::mouseClick(window->ButtonCauta, Qt::LeftButton); }
    void takeIn(const QString& file)
    {
        files.setNextFileName(file);
        QTest::mouseClick(window->ButtonPreluareFisierExcel, Qt::LeftButton);
    }
    int logRows() { return scratch.scalar(QStringLiteral("select count(*) from log_incasari_deb_cred_diversi")).toInt(); }
    bool previewShown() const { return window->Panel2->isVisible(); }

    testing_support::RecordingMessageBoxes boxes;
    testing_support::AnsweringFileDialogs files;
    QTemporaryDir dir;
    ScratchDatabase scratch;
    TdmCon dm{[] { return login::DeploymentConfig{}; }};
    std::unique_ptr<TfTalvera> window;
};

TEST_F(IntakeWindow, ChecksBeforeReading)
{
    takeIn(book("a.xlsx", headerRow()));
    EXPECT_EQ(files.asked, 0) << "the log must be listed first";
    cauta();
    takeIn(QString());
    takeIn(book("a.xlsx.bak", headerRow()));
    EXPECT_EQ(boxes.errors, (QStringList{QStringLiteral("Apasati butonul \"Cauta\""),
                                         QStringLiteral("Nu s-a ales nici un fisier..."),
                                         QStringLiteral("Extensia fisier trebuie sa fie \"xlsx\"")}));
    EXPECT_FALSE(previewShown());
}

TEST_F(IntakeWindow, AFileNoReaderKnowsShowsTheReadersMessage)
{
    cauta();
    const QString path = dir.filePath(QStringLiteral("text.xlsx"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("dataDoc;nrDoc\n");
    file.close();
    takeIn(path);
    EXPECT_EQ(boxes.errors, QStringList{QStringLiteral("Unsupported document format.")});
    EXPECT_FALSE(previewShown()) << "the panel's visibility does not change";
    EXPECT_TRUE(window->dxSpreadSheet1->isEmpty()) << "the view stays cleared";
}

TEST_F(IntakeWindow, AGoodWorkbookIsRecordedAndListedBesideItsInvoice)
{
    cauta();
    const std::string date = QDate::currentDate().addDays(-2).toString(QStringLiteral("dd.MM.yyyy")).toStdString();
    takeIn(book("Incasari.XLSX", headerRow("DATADOC")
                                     + receiptRow(2, date, "CH1", "250.5", "Ana \"Ionescu\" Știință", "F1")
                                     + receiptRow(3, date, "CH2", "-10", "a_x0001_b", "F1")));
    ASSERT_TRUE(boxes.errors.isEmpty()) << boxes.errors.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(boxes.informations, QStringList{QStringLiteral("Fisierul Excel a fost preluat.")});
    EXPECT_EQ(logRows(), 2);
    EXPECT_EQ(scratch.scalar(QStringLiteral("select partener_ch_inc from log_incasari_deb_cred_diversi where nr_ch_inc = 'CH1'")),
              QStringLiteral("Ana \"Ionescu\" Știință"));
    EXPECT_EQ(scratch.scalar(QStringLiteral("select partener_ch_inc = E'a\\x01b' from log_incasari_deb_cred_diversi where nr_ch_inc = 'CH2'")),
              QStringLiteral("t")) << "a control character arrives intact";
    EXPECT_EQ(scratch.scalar(QStringLiteral("select string_agg(nume_fisier, ',') from log_incasari_deb_cred_diversi")),
              QStringLiteral("Incasari.XLSX,Incasari.XLSX"));
    // The log was re-run: both rows are listed with their invoice.
    db::PgQuery& log = window->dsLogIncasariDebCredDiversi;
    ASSERT_EQ(log.recordCount(), 2);
    EXPECT_EQ(log.value(0, QStringLiteral("nr_fact")).asString(), QStringLiteral("F1"));
    EXPECT_EQ(log.value(0, QStringLiteral("partener")).asString(), QStringLiteral("Client Unu"));
    EXPECT_FALSE(previewShown()) << "a success neither shows nor hides the preview";
}

TEST_F(IntakeWindow, AHeaderOnlySheetSendsAnEmptyArray)
{
    cauta();
    takeIn(book("gol.xlsx", headerRow()));
    EXPECT_TRUE(boxes.errors.isEmpty()) << boxes.errors.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(boxes.informations, QStringList{QStringLiteral("Fisierul Excel a fost preluat.")});
    EXPECT_EQ(logRows(), 0);
}

TEST_F(IntakeWindow, AWrongHeaderShowsThePreviewAtThatCell)
{
    cauta();
    takeIn(book("rau.xlsx", headerRow("data") + receiptRow(2, "01.02.2026", "CH1", "1", "P", "F1")));
    EXPECT_EQ(boxes.errors, QStringList{QStringLiteral("Err -  Coloana A din fisier trebuie sa se numeasca \"dataDoc\"")});
    EXPECT_TRUE(previewShown());
    EXPECT_EQ(window->dxSpreadSheet1->selectedCellName(), QStringLiteral("A1"));
    EXPECT_EQ(logRows(), 0);
}

TEST_F(IntakeWindow, AnAbsentCellFailsWithNothingSent)
{
    cauta();
    takeIn(book("lipsa.xlsx", headerRow() + receiptRow(2, "01.02.2026", "CH1", "1", "P", "F1")
                                  + receiptRow(3, "01.02.2026", "CH2", "1", "P", "F1", false)));
    EXPECT_EQ(boxes.errors, QStringList{QStringLiteral("Err - Lipseste celula E3.")});
    EXPECT_TRUE(previewShown());
    EXPECT_EQ(window->dxSpreadSheet1->selectedCellName(), QStringLiteral("E3"));
    EXPECT_EQ(logRows(), 0);

    // The panel stays through later intakes until Inchide.
    takeIn(book("gol.xlsx", headerRow()));
    EXPECT_TRUE(previewShown());
    QTest::mouseClick(window->ButtonInchidePanel, Qt::LeftButton);
    EXPECT_FALSE(previewShown());
    EXPECT_TRUE(window->dxSpreadSheet1->isEmpty());
}

TEST_F(IntakeWindow, AServerThatRejectsTheCallRecordsNothing)
{
    scratch.run(QStringLiteral("create or replace function o_incasari_deb_cred_diversi_log_ins(pjsonincasdebcred text) returns integer "
                               "language plpgsql as $$ begin insert into log_incasari_deb_cred_diversi (nr_ch_inc) values ('x'); "
                               "raise exception 'Respins de server'; end $$"));
    cauta();
    takeIn(book("a.xlsx", headerRow() + receiptRow(2, "01.02.2026", "CH1", "1", "P", "F1")));
    EXPECT_EQ(boxes.errors, QStringList{QStringLiteral("Err - Respins de server.")});
    EXPECT_TRUE(previewShown());
    EXPECT_EQ(logRows(), 0);
    EXPECT_TRUE(boxes.informations.isEmpty());
}

} // namespace
