#include "support/XlsxBuilder.h"

#include <zip.h>

#include <stdexcept>

namespace testing_support {

namespace {

const char* const contentTypes = R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types"><Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/><Default Extension="xml" ContentType="application/xml"/></Types>)";

const char* const rootRels = R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships"><Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="xl/workbook.xml"/></Relationships>)";

const char* const workbook = R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<workbook xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships"><sheets><sheet name="Incasari" sheetId="1" r:id="rId1"/></sheets></workbook>)";

const char* const workbookRels = R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships"><Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet" Target="worksheets/sheet1.xml"/><Relationship Id="rId2" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/sharedStrings" Target="sharedStrings.xml"/><Relationship Id="rId3" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles" Target="styles.xml"/></Relationships>)";

std::string escape(const std::string& text)
{
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

} // namespace

XlsxBuilder XlsxBuilder::standard(const std::string& sheetData, const std::string& strings, const std::string& styleXml)
{
    XlsxBuilder b;
    b.part("[Content_Types].xml", contentTypes);
    b.part("_rels/.rels", rootRels);
    b.part("xl/workbook.xml", workbook);
    b.part("xl/_rels/workbook.xml.rels", workbookRels);
    b.part("xl/worksheets/sheet1.xml", worksheet(sheetData));
    if (!strings.empty())
        b.part("xl/sharedStrings.xml", strings);
    if (!styleXml.empty())
        b.part("xl/styles.xml", styleXml);
    return b;
}

XlsxBuilder& XlsxBuilder::part(const std::string& name, const std::string& content)
{
    m_parts[name] = content;
    return *this;
}

XlsxBuilder& XlsxBuilder::remove(const std::string& name)
{
    m_parts.erase(name);
    return *this;
}

void XlsxBuilder::write(const std::string& path) const
{
    int error = 0;
    zip_t* zip = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!zip)
        throw std::runtime_error("cannot create " + path);
    for (const auto& [name, content] : m_parts) {
        zip_source_t* source = zip_source_buffer(zip, content.data(), content.size(), 0);
        if (!source || zip_file_add(zip, name.c_str(), source, ZIP_FL_OVERWRITE) < 0) {
            zip_source_free(source);
            zip_discard(zip);
            throw std::runtime_error("cannot add " + name);
        }
    }
    if (zip_close(zip) < 0) {
        zip_discard(zip);
        throw std::runtime_error("cannot write " + path);
    }
}

std::string XlsxBuilder::worksheet(const std::string& sheetData, const std::string& before)
{
    return R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
           R"(<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">)"
           + before + "<sheetData>" + sheetData + "</sheetData></worksheet>";
}

std::string XlsxBuilder::sharedStrings(std::initializer_list<std::string> items)
{
    std::string xml = R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?><sst xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">)";
    for (const std::string& item : items)
        xml += "<si><t xml:space=\"preserve\">" + escape(item) + "</t></si>";
    return xml + "</sst>";
}

std::string XlsxBuilder::styles(std::initializer_list<int> ids, const std::map<int, std::string>& custom)
{
    std::string xml = R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?><styleSheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">)";
    if (!custom.empty()) {
        xml += "<numFmts count=\"" + std::to_string(custom.size()) + "\">";
        for (const auto& [id, code] : custom)
            xml += "<numFmt numFmtId=\"" + std::to_string(id) + "\" formatCode=\"" + escape(code) + "\"/>";
        xml += "</numFmts>";
    }
    xml += "<cellStyleXfs count=\"1\"><xf numFmtId=\"14\"/></cellStyleXfs><cellXfs>";
    for (int id : ids)
        xml += "<xf numFmtId=\"" + std::to_string(id) + "\" xfId=\"0\"/>";
    return xml + "</cellXfs></styleSheet>";
}

} // namespace testing_support
