#include "WorkbookWriter.h"

#include "support/XlsxBuilder.h"

namespace {

std::string escape(const std::string& text)
{
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        default: out += c;
        }
    }
    return out;
}

} // namespace

const std::vector<std::string>& receiptHeaders()
{
    static const std::vector<std::string> headers = {"dataDoc", "nrDoc", "OrderID", "sumaIncasata", "moneda",
                                                     "partener", "Cont sintetic", "Cont analitic", "debCred", "Nr.fact ZUV"};
    return headers;
}

void writeWorkbookParts(const std::string& path, const WorkbookParts& parts)
{
    // The usual parts around a sheet, with date-formatted cells in style 1.
    testing_support::XlsxBuilder::standard({}, parts.sharedStrings, testing_support::XlsxBuilder::styles({0, 14}))
        .part("xl/worksheets/sheet1.xml", parts.sheet)
        .write(path);
}

void writeReceiptsWorkbook(const std::string& path, const std::vector<std::vector<std::string>>& rows)
{
    std::string strings;
    long count = 0;
    std::string sheet = R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?><worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><sheetData>)";
    std::vector<std::vector<std::string>> all;
    all.push_back(receiptHeaders());
    all.insert(all.end(), rows.begin(), rows.end());
    for (std::size_t r = 0; r < all.size(); ++r) {
        const std::string n = std::to_string(r + 1);
        sheet += "<row r=\"" + n + "\">";
        for (std::size_t c = 0; c < all[r].size() && c < 26; ++c) {
            strings += "<si><t xml:space=\"preserve\">" + escape(all[r][c]) + "</t></si>";
            sheet += std::string("<c r=\"") + static_cast<char>('A' + c) + n + "\" t=\"s\"><v>" + std::to_string(count++) + "</v></c>";
        }
        sheet += "</row>";
    }
    sheet += "</sheetData></worksheet>";
    writeWorkbookParts(path, {sheet, R"(<?xml version="1.0" encoding="UTF-8"?><sst xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">)" + strings + "</sst>"});
}
