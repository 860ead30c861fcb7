// make-workbook ROWS FILE: writes a receipts workbook in the ten-column layout with ROWS data
// rows (shared strings for the texts, numbers for amounts, date-formatted serials for dates), as
// a spreadsheet program would save it, for the reader's benchmarks.
#include <zip.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

void add(zip_t* zip, const char* name, const std::string& content)
{
    // The buffer must outlive zip_close: keep a heap copy that libzip frees.
    char* copy = static_cast<char*>(std::malloc(content.size()));
    std::copy(content.begin(), content.end(), copy);
    zip_source_t* source = zip_source_buffer(zip, copy, content.size(), 1);
    if (!source || zip_file_add(zip, name, source, ZIP_FL_OVERWRITE) < 0) {
        std::fprintf(stderr, "make-workbook: cannot add %s\n", name);
        std::exit(1);
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: make-workbook ROWS FILE\n");
        return 2;
    }
    const long rows = std::atol(argv[1]);
    const char* headers[10] = {"dataDoc", "nrDoc", "OrderID", "sumaIncasata", "moneda", "partener",
                               "Cont sintetic", "Cont analitic", "debCred", "Nr.fact ZUV"};
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

    int error = 0;
    zip_t* zip = zip_open(argv[2], ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!zip) {
        std::fprintf(stderr, "make-workbook: cannot create %s\n", argv[2]);
        return 1;
    }
    add(zip, "[Content_Types].xml", R"(<?xml version="1.0" encoding="UTF-8"?><Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types"><Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/><Default Extension="xml" ContentType="application/xml"/></Types>)");
    add(zip, "_rels/.rels", R"(<?xml version="1.0" encoding="UTF-8"?><Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships"><Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="xl/workbook.xml"/></Relationships>)");
    add(zip, "xl/workbook.xml", R"(<?xml version="1.0" encoding="UTF-8"?><workbook xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships"><sheets><sheet name="Incasari" sheetId="1" r:id="rId1"/></sheets></workbook>)");
    add(zip, "xl/_rels/workbook.xml.rels", R"(<?xml version="1.0" encoding="UTF-8"?><Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships"><Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet" Target="worksheets/sheet1.xml"/><Relationship Id="rId2" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/sharedStrings" Target="sharedStrings.xml"/><Relationship Id="rId3" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles" Target="styles.xml"/></Relationships>)");
    add(zip, "xl/styles.xml", R"(<?xml version="1.0" encoding="UTF-8"?><styleSheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><cellXfs count="2"><xf numFmtId="0"/><xf numFmtId="14" applyNumberFormat="1"/></cellXfs></styleSheet>)");
    add(zip, "xl/sharedStrings.xml", R"(<?xml version="1.0" encoding="UTF-8"?><sst xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" count=")"
                                         + std::to_string(stringCount) + "\">" + strings + "</sst>");
    add(zip, "xl/worksheets/sheet1.xml", sheet);
    if (zip_close(zip) < 0) {
        std::fprintf(stderr, "make-workbook: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
