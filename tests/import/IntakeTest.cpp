#include "import/PayloadJson.h"
#include "import/WorkbookIntake.h"
#include "sheet/WorkbookReader.h"
#include "support/QtPrinters.h"
#include "support/XlsxBuilder.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <cstdio>

using testing_support::XlsxBuilder;

namespace {

TEST(PayloadJson, EscapesExactlyWhatJsonNeeds)
{
    const std::pair<std::string, std::string> cases[] = {
        {"", R"("")"},
        {"Ana", R"("Ana")"},
        {"a\"b", R"("a\"b")"},
        {"a\\b", R"("a\\b")"},
        {"\b\t\n\f\r", R"("\b\t\n\f\r")"},
        {std::string("a\x01" "b", 3), R"("a\u0001b")"},
        {std::string("\x00", 1), R"("\u0000")"},
        {"\x1f\x0b", R"("\u001f\u000b")"},
        {"/", R"("/")"},
        {"\x7f", "\"\x7f\""},
        {"Știință ăîâ €", "\"Știință ăîâ €\""},
        {"\xE2\x80\xA8", "\"\xE2\x80\xA8\""}, // U+2028 unchanged
    };
    for (const auto& [text, json] : cases) {
        std::string out;
        receipts::appendJsonString(out, text);
        EXPECT_EQ(out, json);
        // And it is JSON that reads back as the text.
        const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString("[" + out + "]"));
        ASSERT_TRUE(doc.isArray()) << json;
        EXPECT_EQ(doc.array().at(0).toString().toStdString(), text);
    }
}

TEST(WorkbookExtension, FromTheLastFullStopOfTheName)
{
    for (const char* name : {"a.xlsx", "A.XLSX", "/tmp/x.y/Incasari.XlSx", "C:\\Date\\incasari.xlsx", ".xlsx"})
        EXPECT_TRUE(receipts::hasWorkbookExtension(QString::fromUtf8(name))) << name;
    for (const char* name : {"a.xlsx.bak", "a.xls", "a.xlsm", "axlsx", "/tmp/d.xlsx/file", "a.xlsx ", "a.\xC3\x8CLSX"})
        EXPECT_FALSE(receipts::hasWorkbookExtension(QString::fromUtf8(name))) << name;
}

class Intake : public ::testing::Test {
protected:
    static std::string header(const std::array<const char*, 10>& names)
    {
        std::string row = "<row r=\"1\">";
        for (std::size_t i = 0; i < names.size(); ++i)
            row += cell(static_cast<std::uint32_t>(i + 1), 1, names[i]);
        return row + "</row>";
    }
    static std::string cell(std::uint32_t column, std::uint32_t row, const std::string& text)
    {
        return "<c r=\"" + sheet::cellName(column, row) + "\" t=\"inlineStr\"><is><t xml:space=\"preserve\">" + text + "</t></is></c>";
    }
    static std::string dataRow(std::uint32_t row, const std::string& first = "01.02.2026")
    {
        std::string xml = "<row r=\"" + std::to_string(row) + "\">" + cell(1, row, first);
        for (std::uint32_t c = 2; c <= 10; ++c)
            xml += cell(c, row, "v" + std::to_string(c));
        return xml + "</row>";
    }
    static constexpr std::array<const char*, 10> good = {"dataDoc", "nrDoc", "OrderID", "sumaIncasata", "moneda",
                                                         "partener", "Cont sintetic", "Cont analitic", "debCred", "Nr.fact ZUV"};

    sheet::Sheet read(const std::string& data)
    {
        const std::string path = dir.filePath(QStringLiteral("book.xlsx")).toStdString();
        XlsxBuilder::standard(data).write(path);
        return sheet::readActiveSheet(path, {"%d.%m.%Y", "%H:%M:%S", ",", "AM", "PM"});
    }
    std::string failure(const std::string& data)
    {
        const sheet::Sheet s = read(data);
        try {
            receipts::checkHeader(s);
            receipts::buildPayload(s, "f.xlsx");
        } catch (const receipts::IntakeError& e) {
            return e.message().toStdString() + " @" + sheet::cellName(e.column(), e.row());
        }
        return "<accepted>";
    }

    QTemporaryDir dir;
};

TEST_F(Intake, EachHeaderMismatchNamesItsColumn)
{
    const char* wrongMessages[10] = {
        " Coloana A din fisier trebuie sa se numeasca \"dataDoc\"",
        " Coloana B din fisier trebuie sa se numeasca \"nrDoc\"",
        " Coloana C din fisier trebuie sa se numeasca \"OrderID\"",
        " Coloana D din fisier trebuie sa se numeasca \"sumaIncasata\"",
        " Coloana E din fisier trebuie sa se numeasca \"moneda\"",
        " Coloana F din fisier trebuie sa se numeasca \"partener\"",
        " Coloana G din fisier trebuie sa se numeasca \"Cont sintetic\"",
        " Coloana H din fisier trebuie sa se numeasca \"Cont analitic\"",
        " Coloana I din fisier trebuie sa se numeasca \"debCred\"",
        " Coloana J din fisier trebuie sa se numeasca \"Nr.fact ZUV\"",
    };
    for (std::size_t i = 0; i < 10; ++i) {
        auto names = good;
        names[i] = "altceva";
        EXPECT_EQ(failure(header(names)), std::string(wrongMessages[i]) + " @" + sheet::columnLetters(static_cast<std::uint32_t>(i + 1)) + "1");
    }
}

TEST_F(Intake, HeadersCompareWithAsciiCapitalsFoldedAndNothingTrimmed)
{
    EXPECT_EQ(failure(header({"DATADOC", "NRDOC", "orderid", "SumaIncasata", "MONEDA", "Partener", "CONT SINTETIC",
                              "cont analitic", "DEBCRED", "NR.FACT ZUV"})),
              "<accepted>");
    auto trailing = good;
    trailing[0] = "dataDoc ";
    EXPECT_EQ(failure(header(trailing)), " Coloana A din fisier trebuie sa se numeasca \"dataDoc\" @A1");
    auto nonAscii = good;
    nonAscii[5] = "PARTENER\xC4\x82"; // a capital beyond ASCII is not folded
    EXPECT_EQ(failure(header(nonAscii)), " Coloana F din fisier trebuie sa se numeasca \"partener\" @F1");
}

TEST_F(Intake, AbsentRowsAndCellsAreNamed)
{
    EXPECT_EQ(failure(""), "Lipseste celula A1 @A1");
    std::string shortHeader = header(good);
    shortHeader.erase(shortHeader.find("<c r=\"E1\""), shortHeader.find("<c r=\"F1\"") - shortHeader.find("<c r=\"E1\""));
    EXPECT_EQ(failure(shortHeader), "Lipseste celula E1 @E1");
    EXPECT_EQ(failure(header(good) + dataRow(2) + dataRow(4)), "Lipseste randul 3 din fisier @A3");
    std::string gap = dataRow(7);
    gap.erase(gap.find("<c r=\"E7\""), gap.find("<c r=\"F7\"") - gap.find("<c r=\"E7\""));
    EXPECT_EQ(failure(header(good) + dataRow(2) + dataRow(3) + dataRow(4) + dataRow(5) + dataRow(6) + gap), "Lipseste celula E7 @E7");
    // A row after the last receipt with only formatting, or only cells beyond J, is a data row.
    EXPECT_EQ(failure(header(good) + dataRow(2) + "<row r=\"3\" ht=\"20\" customHeight=\"1\"/>"), "Lipseste celula A3 @A3");
    EXPECT_EQ(failure(header(good) + dataRow(2) + "<row r=\"3\">" + cell(11, 3, "K") + "</row>"), "Lipseste celula A3 @A3");
}

TEST_F(Intake, ThePayloadHoldsOneObjectPerDataRow)
{
    const std::string data = header(good) + dataRow(2, "Ana \"Ș\"") + "<row r=\"3\">" + cell(1, 3, "x") +
                             "<c r=\"B3\" s=\"0\"/>" + [] {
                                 std::string cells;
                                 for (std::uint32_t c = 3; c <= 10; ++c)
                                     cells += cell(c, 3, "w");
                                 return cells;
                             }() + cell(11, 3, "not read") + "</row>";
    const sheet::Sheet s = read(data);
    receipts::checkHeader(s);
    const std::string payload = receipts::buildPayload(s, "încasări dec.xlsx");
    const std::string first =
        R"([{"dataDoc":"Ana \"Ș\"","nrDoc":"v2","orderId":"v3","sumaIncasata":"v4","moneda":"v5","partenerDoc":"v6","contSintetic":"v7","contAnalitic":"v8","debCred":"v9","nrFactZuv":"v10","numeFisier":"încasări dec.xlsx"},)";
    EXPECT_EQ(payload.substr(0, first.size()), first);
    const QJsonArray rows = QJsonDocument::fromJson(QByteArray::fromStdString(payload)).array();
    ASSERT_EQ(rows.size(), 2);
    const QJsonObject second = rows.at(1).toObject();
    EXPECT_EQ(second.keys().size(), 11);
    EXPECT_EQ(second.value(QStringLiteral("nrDoc")).toString(), QString()) << "a cell with only formatting is empty text";
    EXPECT_FALSE(QString::fromStdString(payload).contains(QStringLiteral("not read")));
}

TEST_F(Intake, AHeaderOnlySheetSendsAnEmptyArray)
{
    const sheet::Sheet s = read(header(good));
    receipts::checkHeader(s);
    EXPECT_EQ(receipts::buildPayload(s, "f.xlsx"), "[]");
}

// The command-line tool, as a support person would run it.
TEST_F(Intake, TalveraPayloadPrintsThePayloadOrTheMessage)
{
    const auto run = [](const std::string& file, int& status) {
        const std::string command = "LC_ALL=C.UTF-8 " TALVERA_PAYLOAD " '" + file + "' 2>&1";
        FILE* pipe = popen(command.c_str(), "r");
        std::string out;
        char buf[4096];
        for (std::size_t n; (n = fread(buf, 1, sizeof buf, pipe)) > 0;)
            out.append(buf, n);
        status = WEXITSTATUS(pclose(pipe));
        return out;
    };
    const std::string good_ = dir.filePath(QStringLiteral("Incasari.XLSX")).toStdString();
    XlsxBuilder::standard(header(good) + dataRow(2)).write(good_);
    int status = -1;
    EXPECT_EQ(run(good_, status), R"([{"dataDoc":"01.02.2026","nrDoc":"v2","orderId":"v3","sumaIncasata":"v4","moneda":"v5","partenerDoc":"v6","contSintetic":"v7","contAnalitic":"v8","debCred":"v9","nrFactZuv":"v10","numeFisier":"Incasari.XLSX"}])"
                                  "\n");
    EXPECT_EQ(status, 0);

    const std::string bad = dir.filePath(QStringLiteral("bad.xlsx")).toStdString();
    auto names = good;
    names[0] = "data";
    XlsxBuilder::standard(header(names)).write(bad);
    EXPECT_EQ(run(bad, status), "Err -  Coloana A din fisier trebuie sa se numeasca \"dataDoc\"\n");
    EXPECT_EQ(status, 1);

    EXPECT_EQ(run(bad + ".bak", status), "Extensia fisier trebuie sa fie \"xlsx\"\n");
    EXPECT_EQ(status, 1);
    const std::string text = dir.filePath(QStringLiteral("text.xlsx")).toStdString();
    std::fclose(std::fopen(text.c_str(), "w"));
    EXPECT_EQ(run(text, status), "Unsupported document format.\n");
    EXPECT_EQ(status, 1);
}

} // namespace
