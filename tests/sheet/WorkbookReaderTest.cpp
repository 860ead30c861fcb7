#include "SheetFixture.h"

using testing_support::XlsxBuilder;

namespace {

using WorkbookReader = SheetFixture;

TEST_F(WorkbookReader, EveryKindOfCellAsText)
{
    const std::string data =
        R"(<row r="1"><c r="A1" t="s"><v>0</v></c><c r="B1" t="inlineStr"><is><t>inline &amp; "quoted"</t></is></c>)"
        R"(<c r="C1" t="s"><v>1</v></c><c r="D1" t="b"><v>1</v></c><c r="E1" t="b"><v>0</v></c>)"
        R"(<c r="F1" t="e"><v>#DIV/0!</v></c><c r="G1"><v>1234567890123456</v></c><c r="H1"><v>2.5</v></c>)"
        R"(<c r="I1" s="1"><v>46000</v></c><c r="J1" s="2"><v>46000.5</v></c><c r="K1" s="3"><v>0.75</v></c>)"
        R"(<c r="L1" s="1"><f>A2+1</f><v>46000</v></c><c r="M1" t="str"><f>"x"&amp;"y"</f><v>xy</v></c>)"
        R"(<c r="N1" s="1"/><c r="O1" t="s"><v>2</v></c><c r="P1" s="4"><v>46000</v></c></row>)";
    const std::string strings = R"(<?xml version="1.0"?><sst xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">)"
                                R"(<si><t>Ana ȘTIINȚĂ</t></si>)"
                                R"(<si><r><t>rich </t></r><r><rPr><b/></rPr><t>text</t></r><rPh><t>ignored</t></rPh></si>)"
                                R"(<si><t>tab_x0009_here_x005F_x</t></si></sst>)";
    const auto s = read(XlsxBuilder::standard(data, strings, XlsxBuilder::styles({0, 14, 22, 21, 164}, {{164, "yyyy-mm-dd"}})));
    const std::pair<int, const char*> expected[] = {
        {1, "Ana ȘTIINȚĂ"}, {2, "inline & \"quoted\""}, {3, "rich text"}, {4, "TRUE"}, {5, "FALSE"},
        {6, "#DIV/0!"}, {7, "1,23456789012346E15"}, {8, "2,5"}, {9, "09.12.2025"}, {10, "09.12.2025 12:00:00"},
        {11, "18:00:00"},
        {12, "46000"}, // a formula's cached value is a plain value
        {13, "xy"}, {14, ""}, {15, "tab\there_x"}, {16, "09.12.2025"}};
    for (const auto& [column, value] : expected)
        EXPECT_EQ(text(s, 1, static_cast<std::uint32_t>(column)), value) << "column " << column;
}

TEST_F(WorkbookReader, PresenceOfRowsAndCells)
{
    // Row 2 holds only formatting, row 3 is not stored, row 4 has a cell beyond J only, and B1 is
    // absent between A1 and C1.
    const std::string data = R"(<row r="1"><c r="A1" t="inlineStr"><is><t>a</t></is></c><c r="C1" s="0"/></row>)"
                             R"(<row r="2" ht="30" customHeight="1"/><row r="4"><c r="M4"><v>1</v></c></row>)";
    const auto s = read(XlsxBuilder::standard(data));
    ASSERT_EQ(s.rows.size(), 3u);
    EXPECT_EQ(s.rows[1].number, 2u);
    EXPECT_TRUE(s.rows[1].cells.empty());
    EXPECT_EQ(s.findRow(3), nullptr);
    EXPECT_EQ(s.lastRowNumber(), 4u);
    EXPECT_EQ(text(s, 1, 2), "<absent>");
    EXPECT_EQ(text(s, 1, 3), "") << "a cell with only a style is present and empty";
    EXPECT_EQ(text(s, 4, 13), "1");
}

TEST_F(WorkbookReader, CellsAndRowsWithoutReferencesContinueFromThePreviousOne)
{
    const std::string data = R"(<row><c><v>1</v></c><c><v>2</v></c><c r="E1"><v>5</v></c><c><v>6</v></c></row><row><c><v>7</v></c></row>)";
    const auto s = read(XlsxBuilder::standard(data));
    EXPECT_EQ(text(s, 1, 1), "1");
    EXPECT_EQ(text(s, 1, 2), "2");
    EXPECT_EQ(text(s, 1, 5), "5");
    EXPECT_EQ(text(s, 1, 6), "6");
    EXPECT_EQ(text(s, 2, 1), "7");
}

TEST_F(WorkbookReader, FormulasShownWhenTheSheetShowsThem)
{
    auto book = XlsxBuilder::standard({});
    book.part("xl/worksheets/sheet1.xml",
              XlsxBuilder::worksheet(R"(<row r="1"><c r="A1"><f>SUM(B1:C1)</f><v>3</v></c><c r="B1"><v>1</v></c></row>)",
                                     R"(<sheetViews><sheetView showFormulas="1" workbookViewId="0"/></sheetViews>)"));
    const auto s = read(book);
    EXPECT_EQ(text(s, 1, 1), "=SUM(B1:C1)");
    EXPECT_EQ(text(s, 1, 2), "1");
}

TEST_F(WorkbookReader, TheActiveSheetAndTheDateSystemComeFromTheWorkbook)
{
    // Unusual part names, found only through the relationships; the second sheet is active.
    XlsxBuilder book;
    book.part("[Content_Types].xml", "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\"/>");
    book.part("_rels/.rels", R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships"><Relationship Id="r" Type="http://purl.oclc.org/ooxml/officeDocument/relationships/officeDocument" Target="/book/main.xml"/></Relationships>)");
    book.part("book/main.xml", R"(<x:workbook xmlns:x="http://schemas.openxmlformats.org/spreadsheetml/2006/main" xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships"><x:workbookPr date1904="1"/><x:bookViews><x:workbookView activeTab="1"/></x:bookViews><x:sheets><x:sheet name="Unu" sheetId="1" r:id="a"/><x:sheet name="Doi" sheetId="2" r:id="b"/></x:sheets></x:workbook>)");
    book.part("book/_rels/main.xml.rels", R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships"><Relationship Id="a" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet" Target="sheets/one.xml"/><Relationship Id="b" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet" Target="../other/two.xml"/><Relationship Id="s" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles" Target="st.xml"/></Relationships>)");
    book.part("book/sheets/one.xml", XlsxBuilder::worksheet(R"(<row r="1"><c r="A1"><v>1</v></c></row>)"));
    book.part("other/two.xml", XlsxBuilder::worksheet(R"(<row r="1"><c r="A1" s="1"><v>0</v></c></row>)"));
    book.part("book/st.xml", XlsxBuilder::styles({0, 14}));
    const auto s = read(book);
    EXPECT_EQ(s.name, "Doi");
    EXPECT_EQ(text(s, 1, 1), "01.01.1904");
}

} // namespace
