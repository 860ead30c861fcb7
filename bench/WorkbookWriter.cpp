#include "WorkbookWriter.h"

#include <zip.h>

#include <cstdlib>
#include <cstring>
#include <stdexcept>

namespace {

void add(zip_t* zip, const char* name, const std::string& content)
{
    // libzip reads the buffer at zip_close and frees it then.
    char* copy = static_cast<char*>(std::malloc(content.size() + 1));
    std::memcpy(copy, content.data(), content.size());
    zip_source_t* source = zip_source_buffer(zip, copy, content.size(), 1);
    if (!source || zip_file_add(zip, name, source, ZIP_FL_OVERWRITE) < 0)
        throw std::runtime_error(std::string("cannot add ") + name);
}

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
    int error = 0;
    zip_t* zip = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!zip)
        throw std::runtime_error("cannot create " + path);
    add(zip, "[Content_Types].xml", R"(<?xml version="1.0" encoding="UTF-8"?><Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types"><Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/><Default Extension="xml" ContentType="application/xml"/></Types>)");
    add(zip, "_rels/.rels", R"(<?xml version="1.0" encoding="UTF-8"?><Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships"><Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="xl/workbook.xml"/></Relationships>)");
    add(zip, "xl/workbook.xml", R"(<?xml version="1.0" encoding="UTF-8"?><workbook xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships"><sheets><sheet name="Incasari" sheetId="1" r:id="rId1"/></sheets></workbook>)");
    add(zip, "xl/_rels/workbook.xml.rels", R"(<?xml version="1.0" encoding="UTF-8"?><Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships"><Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet" Target="worksheets/sheet1.xml"/><Relationship Id="rId2" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/sharedStrings" Target="sharedStrings.xml"/><Relationship Id="rId3" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles" Target="styles.xml"/></Relationships>)");
    add(zip, "xl/styles.xml", R"(<?xml version="1.0" encoding="UTF-8"?><styleSheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><cellXfs count="2"><xf numFmtId="0"/><xf numFmtId="14" applyNumberFormat="1"/></cellXfs></styleSheet>)");
    add(zip, "xl/sharedStrings.xml", parts.sharedStrings);
    add(zip, "xl/worksheets/sheet1.xml", parts.sheet);
    if (zip_close(zip) < 0) {
        zip_discard(zip);
        throw std::runtime_error("cannot write " + path);
    }
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
