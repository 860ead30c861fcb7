#include "SheetFixture.h"

#include <QDir>
#include <QFile>

#include <sys/stat.h>

#include <fstream>

using testing_support::XlsxBuilder;

namespace {

using HostileFile = SheetFixture;

void writeBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

bool startsWith(const std::string& text, const std::string& prefix) { return text.rfind(prefix, 0) == 0; }

TEST_F(HostileFile, WhatIsNoWorkbookIsSaidSo)
{
    writeBytes(path("text.xlsx"), "dataDoc;nrDoc\n01.02.2026;CH1\n");
    EXPECT_EQ(failureOfFile(path("text.xlsx")), "Unsupported document format");
    writeBytes(path("empty.xlsx"), "");
    EXPECT_EQ(failureOfFile(path("empty.xlsx")), "Unsupported document format");
    // A zip that is no workbook.
    XlsxBuilder notBook;
    notBook.part("readme.txt", "hello");
    EXPECT_EQ(failureOf(notBook), "Unsupported document format");
}

// Found by fuzzing: a self-closing cell outside any row; the end of the element still arrived
// after the error of its start, and the sheet's last row was read where there was none.
TEST_F(HostileFile, AnEmptyCellOutsideAnyRowIsRefusedCleanly)
{
    try {
        sheet::readSheetPart("sheet1.xml", R"(<x:worksheet xmlns:x="m"><x:sheetData><x:rowY r="3"><x:c r="A3"/></x:rowY></x:sheetData></x:worksheet>)",
                             {}, {}, false, format);
        FAIL() << "read";
    } catch (const sheet::SheetError& e) {
        EXPECT_STREQ(e.what(), "The sheet sheet1.xml has a cell outside any row");
    }
}

TEST_F(HostileFile, OnlyARegularFileIsRead)
{
    const std::string fifo = path("fifo.xlsx");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(failureOfFile(fifo), "The file " + fifo + " is not a regular file") << "and no hang";
    const std::string folder = path("folder.xlsx");
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(folder)));
    EXPECT_EQ(failureOfFile(folder), "The file " + folder + " is not a regular file");
    EXPECT_EQ(failureOfFile("/dev/zero"), "The file /dev/zero is not a regular file");
    const std::string gone = path("gone.xlsx");
    EXPECT_EQ(failureOfFile(gone), "The file " + gone + " cannot be opened: No such file or directory");
}

TEST_F(HostileFile, OleContainersAreNamed)
{
    std::string ole = "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1" + std::string(512, '\0');
    std::string encrypted = ole;
    for (char c : std::string("EncryptionInfo")) {
        encrypted.push_back(c);
        encrypted.push_back('\0');
    }
    writeBytes(path("secret.xlsx"), encrypted);
    EXPECT_TRUE(startsWith(failureOfFile(path("secret.xlsx")), "The workbook is encrypted")) << failureOfFile(path("secret.xlsx"));
    std::string legacy = ole;
    for (char c : std::string("Workbook")) {
        legacy.push_back(c);
        legacy.push_back('\0');
    }
    writeBytes(path("old.xlsx"), legacy);
    EXPECT_TRUE(startsWith(failureOfFile(path("old.xlsx")), "The file is a legacy Excel workbook (.xls)"));
}

TEST_F(HostileFile, ADocumentTypeIsRefused)
{
    auto book = XlsxBuilder::standard({});
    book.part("xl/worksheets/sheet1.xml",
              R"(<?xml version="1.0"?><!DOCTYPE x [<!ENTITY e SYSTEM "file:///etc/passwd">]>)"
              R"(<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><sheetData><row r="1"><c r="A1" t="inlineStr"><is><t>&e;</t></is></c></row></sheetData></worksheet>)");
    EXPECT_EQ(failureOf(book), "The workbook part xl/worksheets/sheet1.xml declares a document type, which a workbook never does; the file is refused");
}

TEST_F(HostileFile, ATruncatedSheetIsAnErrorNotAShorterSheet)
{
    auto book = XlsxBuilder::standard({});
    const std::string whole = XlsxBuilder::worksheet(R"(<row r="1"><c r="A1"><v>1</v></c></row><row r="2"><c r="A2"><v>2</v></c></row>)");
    book.part("xl/worksheets/sheet1.xml", whole.substr(0, whole.find("<row r=\"2\"") + 12));
    EXPECT_TRUE(startsWith(failureOf(book), "The workbook part xl/worksheets/sheet1.xml is not well-formed XML (line 1): "))
        << failureOf(book);
}

TEST_F(HostileFile, SharedStringIndexesAreChecked)
{
    const auto book = XlsxBuilder::standard(R"(<row r="7"><c r="B7" t="s"><v>2</v></c></row>)",
                                            XlsxBuilder::sharedStrings({"a", "b"}));
    EXPECT_EQ(failureOf(book), "The cell B7 of xl/worksheets/sheet1.xml refers to shared string 2, but the table holds 2");
    EXPECT_EQ(failureOf(XlsxBuilder::standard(R"(<row r="1"><c r="A1" t="s"><v>-1</v></c></row>)", XlsxBuilder::sharedStrings({"a"}))),
              "The cell A1 of xl/worksheets/sheet1.xml refers to the shared string \"-1\", which is no index");
}

TEST_F(HostileFile, ReferencesBeyondTheSheetsLimits)
{
    const std::pair<const char*, const char*> cases[] = {
        {R"(<row r="1"><c r="XFD1"><v>1</v></c></row>)", "<read>"},
        {R"(<row r="1"><c r="XFE1"><v>1</v></c></row>)", "The sheet xl/worksheets/sheet1.xml has a cell named \"XFE1\", which is no cell of a sheet"},
        {R"(<row r="1"><c r="AAAAA1"><v>1</v></c></row>)", "The sheet xl/worksheets/sheet1.xml has a cell named \"AAAAA1\", which is no cell of a sheet"},
        {R"(<row r="1048576"><c r="A1048576"><v>1</v></c></row>)", "<read>"},
        {R"(<row r="1048577"/>)", "The sheet xl/worksheets/sheet1.xml has a row numbered \"1048577\", outside 1 to 1048576"},
        {R"(<row r="99999999999999999999"/>)", "The sheet xl/worksheets/sheet1.xml has a row numbered \"99999999999999999999\", outside 1 to 1048576"},
        {R"(<row r="2"/><row r="2"/>)", "The sheet xl/worksheets/sheet1.xml lists row 2 twice or out of order"},
        {R"(<row r="1"><c r="B1"/><c r="A1"/></row>)", "The sheet xl/worksheets/sheet1.xml lists the cell A1 twice or out of order"},
        {R"(<row r="1"><c r="A2"/></row>)", "The sheet xl/worksheets/sheet1.xml lists the cell A2 in row 1"},
        {R"(<row r="1"><c r="A1"><v>1,5</v></c></row>)", "The cell A1 of xl/worksheets/sheet1.xml holds \"1,5\", which is not a number"},
    };
    for (const auto& [data, message] : cases)
        EXPECT_EQ(failureOf(XlsxBuilder::standard(data)), message) << data;
}

TEST_F(HostileFile, CellTextLimit)
{
    const std::string atLimit(32767, 'x');
    const auto s = read(XlsxBuilder::standard("<row r=\"1\"><c r=\"A1\" t=\"inlineStr\"><is><t>" + atLimit + "</t></is></c></row>"));
    EXPECT_EQ(text(s, 1, 1).size(), 32767u);
    EXPECT_EQ(failureOf(XlsxBuilder::standard("<row r=\"1\"><c r=\"A1\" t=\"inlineStr\"><is><t>" + atLimit + "x</t></is></c></row>")),
              "The cell A1 of xl/worksheets/sheet1.xml holds more than 32767 characters");
}

TEST_F(HostileFile, RelationshipsThatLeaveThePackageAreRefused)
{
    auto book = XlsxBuilder::standard(R"(<row r="1"/>)");
    book.part("xl/_rels/workbook.xml.rels", R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships"><Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet" Target="../../../etc/passwd"/></Relationships>)");
    EXPECT_EQ(failureOf(book), "The workbook part xl/_rels/workbook.xml.rels points outside the workbook (../../../etc/passwd); the file is refused");
    book.part("xl/_rels/workbook.xml.rels", R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships"><Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet" Target="http://example.org/sheet.xml"/></Relationships>)");
    EXPECT_EQ(failureOf(book), "The workbook part xl/_rels/workbook.xml.rels points outside the workbook (http://example.org/sheet.xml); the file is refused");
}

TEST_F(HostileFile, DuplicateEntryNamesAreRefused)
{
    // Two entries with names of one length, then the second renamed to the first in the raw bytes.
    auto book = XlsxBuilder::standard(R"(<row r="1"/>)");
    book.part("xl/worksheets/sheetX.xml", XlsxBuilder::worksheet(R"(<row r="1"><c r="A1"><v>666</v></c></row>)"));
    book.write(path());
    QFile file(QString::fromStdString(path()));
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    QByteArray bytes = file.readAll();
    bytes.replace("xl/worksheets/sheetX.xml", "xl/worksheets/sheet1.xml");
    file.seek(0);
    file.write(bytes);
    file.close();
    EXPECT_EQ(failureOfFile(path()), "The workbook holds the part xl/worksheets/sheet1.xml twice; it is damaged");
}

TEST_F(HostileFile, AMissingSheetPartIsNamed)
{
    auto book = XlsxBuilder::standard(R"(<row r="1"/>)");
    book.remove("xl/worksheets/sheet1.xml");
    EXPECT_EQ(failureOf(book), "The workbook has no sheet \"Incasari\" part; it is not an .xlsx workbook this program reads");
}

} // namespace
