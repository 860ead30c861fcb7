// make-workbook ROWS FILE: writes a receipts workbook in the ten-column layout with ROWS data
// rows (shared strings for the texts, numbers for amounts, date-formatted serials for dates), as
// a spreadsheet program would save it, for the reader's benchmarks.
#include "WorkbookWriter.h"

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: make-workbook ROWS FILE\n");
        return 2;
    }
    const long rows = std::atol(argv[1]);
    const auto& headers = receiptHeaders();
    std::string strings;
    long stringCount = 0;
    const auto shared = [&](const std::string& s) {
        strings += "<si><t>" + s + "</t></si>";
        return stringCount++;
    };
    std::string sheet = R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
                        R"(<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><dimension ref="A1:J)"
                        + std::to_string(rows + 1) + R"("/><sheetData><row r="1" spans="1:10">)";
    const char* letters = "ABCDEFGHIJ";
    for (int c = 0; c < 10; ++c)
        sheet += std::string("<c r=\"") + letters[c] + "1\" t=\"s\"><v>" + std::to_string(shared(headers[c])) + "</v></c>";
    sheet += "</row>";
    const long currency = shared("RON");
    const long account = shared("5311");
    const long debtor = shared("Debitor diverse");
    for (long r = 2; r <= rows + 1; ++r) {
        const std::string n = std::to_string(r);
        sheet += "<row r=\"" + n + "\" spans=\"1:10\">";
        sheet += "<c r=\"A" + n + "\" s=\"1\"><v>" + std::to_string(45000 + r % 700) + "</v></c>";
        sheet += "<c r=\"B" + n + "\" t=\"s\"><v>" + std::to_string(shared("CH-" + n)) + "</v></c>";
        sheet += "<c r=\"C" + n + "\"><v>" + std::to_string(900000 + r) + "</v></c>";
        sheet += "<c r=\"D" + n + "\"><v>" + std::to_string(r % 5000) + "." + std::to_string(r % 100) + "</v></c>";
        sheet += "<c r=\"E" + n + "\" t=\"s\"><v>" + std::to_string(currency) + "</v></c>";
        sheet += "<c r=\"F" + n + "\" t=\"s\"><v>" + std::to_string(shared("Partener " + n)) + "</v></c>";
        sheet += "<c r=\"G" + n + "\" t=\"s\"><v>" + std::to_string(account) + "</v></c>";
        sheet += "<c r=\"H" + n + "\"><v>" + std::to_string(5311 + r % 10) + "</v></c>";
        sheet += "<c r=\"I" + n + "\" t=\"s\"><v>" + std::to_string(debtor) + "</v></c>";
        sheet += "<c r=\"J" + n + "\" t=\"s\"><v>" + std::to_string(shared("F" + std::to_string(r % 90000))) + "</v></c>";
        sheet += "</row>";
    }
    sheet += "</sheetData></worksheet>";

    writeWorkbookParts(argv[2], {sheet, R"(<?xml version="1.0" encoding="UTF-8"?><sst xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" count=")"
                                             + std::to_string(stringCount) + "\">" + strings + "</sst>"});
    return 0;
}
