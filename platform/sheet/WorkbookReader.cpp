#include "sheet/WorkbookReader.h"

#include "sheet/CellReference.h"
#include "sheet/CellText.h"
#include "sheet/Limits.h"
#include "sheet/Relationships.h"
#include "sheet/SheetError.h"
#include "sheet/WorkbookParts.h"
#include "sheet/XmlReader.h"
#include "sheet/ZipPackage.h"

#include <charconv>
#include <cmath>

namespace sheet {

namespace {

std::size_t utf8Length(std::string_view text)
{
    std::size_t n = 0;
    for (char c : text)
        n += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    return n;
}

// The sheet part's rows and cells, rendered as they arrive.
class SheetHandler : public XmlHandler {
public:
    SheetHandler(const std::string& part, const std::vector<std::string>& strings,
                 const std::vector<NumberKind>& kinds, bool date1904, const RegionalFormat& format, Sheet& sheet)
        : m_part(part)
        , m_strings(strings)
        , m_kinds(kinds)
        , m_date1904(date1904)
        , m_format(format)
        , m_sheet(sheet)
    {
    }

    void start(std::string_view name, const XmlAttributes& a) override
    {
        if (name == "sheetView") {
            const char* v = a.get("showFormulas");
            m_showFormulas = v && (std::string_view(v) == "1" || std::string_view(v) == "true");
        } else if (name == "sheetData") {
            m_inData = true;
        } else if (!m_inData) {
            return;
        } else if (name == "row") {
            startRow(a.get("r"));
        } else if (name == "c") {
            startCell(a);
        } else if (m_inCell && (name == "v" || name == "f")) {
            m_text = name == "v" ? &m_value : &m_formula;
        } else if (m_inCell && name == "is") {
            m_inInline = true;
        } else if (m_inInline && name == "rPh") {
            ++m_phonetic;
        } else if (m_inInline && name == "t" && m_phonetic == 0) {
            m_text = &m_inlineText;
        }
    }

    void end(std::string_view name) override
    {
        if (name == "sheetData") {
            m_inData = false;
        } else if (!m_inData) {
            return;
        } else if (name == "v" || name == "f" || name == "t") {
            m_text = nullptr;
        } else if (name == "rPh") {
            --m_phonetic;
        } else if (name == "is") {
            m_inInline = false;
        } else if (name == "c") {
            endCell();
        }
    }

    void text(std::string_view t) override
    {
        if (!m_text)
            return;
        m_text->append(t);
        if (m_text->size() > 4 * Limits::maxCellChars)
            throw SheetError("The cell " + cellName(m_column, m_rowNumber) + " of " + m_part
                             + " holds more than " + std::to_string(Limits::maxCellChars) + " characters");
    }

private:
    [[noreturn]] void fail(const std::string& what) const
    {
        throw SheetError("The sheet " + m_part + " " + what);
    }

    void startRow(const char* r)
    {
        std::uint32_t number = m_rowNumber + 1;
        if (r) {
            const auto parsed = parseRowNumber(r);
            if (!parsed)
                fail(std::string("has a row numbered \"") + r + "\", outside 1 to " + std::to_string(Limits::maxRows));
            number = *parsed;
        }
        if (number > Limits::maxRows)
            fail("has more than " + std::to_string(Limits::maxRows) + " rows");
        if (!m_sheet.rows.empty() && number <= m_sheet.rows.back().number)
            fail("lists row " + std::to_string(number) + " twice or out of order");
        m_rowNumber = number;
        m_column = 0;
        m_sheet.rows.push_back(Row{number, {}});
    }

    void startCell(const XmlAttributes& a)
    {
        if (m_sheet.rows.empty())
            fail("has a cell outside any row");
        std::uint32_t column = m_column + 1;
        if (const char* r = a.get("r")) {
            const auto ref = parseCellReference(r);
            if (!ref)
                fail(std::string("has a cell named \"") + r + "\", which is no cell of a sheet");
            if (ref->row != m_rowNumber)
                fail("lists the cell " + std::string(r) + " in row " + std::to_string(m_rowNumber));
            column = ref->column;
        }
        if (column > Limits::maxColumns)
            fail("has more than " + std::to_string(Limits::maxColumns) + " columns in row " + std::to_string(m_rowNumber));
        if (column <= m_column)
            fail("lists the cell " + cellName(column, m_rowNumber) + " twice or out of order");
        m_column = column;
        m_inCell = true;
        const char* t = a.get("t");
        m_type = t ? t : "n";
        m_style = 0;
        if (const char* s = a.get("s")) {
            const std::string_view sv(s);
            std::from_chars(sv.data(), sv.data() + sv.size(), m_style);
        }
        m_value.clear();
        m_formula.clear();
        m_inlineText.clear();
        m_phonetic = 0;
    }

    void endCell()
    {
        if (!m_inCell)
            return;
        m_inCell = false;
        m_text = nullptr;
        std::string text = render();
        if (utf8Length(text) > Limits::maxCellChars)
            throw SheetError("The cell " + cellName(m_column, m_rowNumber) + " of " + m_part
                             + " holds more than " + std::to_string(Limits::maxCellChars) + " characters");
        m_sheet.rows.back().cells.push_back(Cell{m_column, std::move(text)});
    }

    std::string render() const
    {
        if (m_showFormulas && !m_formula.empty())
            return "=" + m_formula;
        if (m_type == "s") {
            if (m_value.empty())
                return {};
            std::size_t index = 0;
            const auto [end, ec] = std::from_chars(m_value.data(), m_value.data() + m_value.size(), index);
            if (ec != std::errc() || end != m_value.data() + m_value.size())
                throw SheetError("The cell " + cellName(m_column, m_rowNumber) + " of " + m_part
                                 + " refers to the shared string \"" + m_value + "\", which is no index");
            if (index >= m_strings.size())
                throw SheetError("The cell " + cellName(m_column, m_rowNumber) + " of " + m_part
                                 + " refers to shared string " + std::to_string(index) + ", but the table holds "
                                 + std::to_string(m_strings.size()));
            return m_strings[index];
        }
        if (m_type == "inlineStr")
            return decodeEscapes(m_inlineText);
        if (m_type == "str" || m_type == "e" || m_type == "d")
            return decodeEscapes(m_value);
        if (m_type == "b")
            return m_value.empty() ? std::string() : (m_value == "0" ? "FALSE" : "TRUE");
        if (m_value.empty())
            return {};
        double number = 0;
        const auto [end, ec] = std::from_chars(m_value.data(), m_value.data() + m_value.size(), number);
        if (ec != std::errc() || end != m_value.data() + m_value.size() || !std::isfinite(number))
            throw SheetError("The cell " + cellName(m_column, m_rowNumber) + " of " + m_part + " holds \""
                             + m_value + "\", which is not a number");
        // A formula's cached value is a plain value, whatever the cell's format.
        const NumberKind kind = !m_formula.empty() || m_style >= m_kinds.size() ? NumberKind::Other : m_kinds[m_style];
        return numberText(number, kind, m_date1904, m_format);
    }

    const std::string& m_part;
    const std::vector<std::string>& m_strings;
    const std::vector<NumberKind>& m_kinds;
    bool m_date1904;
    const RegionalFormat& m_format;
    Sheet& m_sheet;

    bool m_showFormulas = false;
    bool m_inData = false;
    bool m_inCell = false;
    bool m_inInline = false;
    int m_phonetic = 0;
    std::uint32_t m_rowNumber = 0;
    std::uint32_t m_column = 0;
    std::string m_type;
    std::size_t m_style = 0;
    std::string m_value;
    std::string m_formula;
    std::string m_inlineText;
    std::string* m_text = nullptr;
};

std::vector<Relationship> relationshipsOf(const ZipPackage& package, const std::string& part)
{
    const std::string rels = relationshipsPartOf(part);
    if (!package.contains(rels))
        return {};
    return parseRelationships(rels, package.readAll(rels, Limits::maxSmallPartBytes), part);
}

std::string requirePart(const ZipPackage& package, const Relationship* r, const std::string& what)
{
    if (!r || r->external || !package.contains(r->target))
        throw SheetError("The workbook has no " + what + " part; it is not an .xlsx workbook this program reads");
    return r->target;
}

} // namespace

namespace {

Sheet readPackage(const ZipPackage& package, const RegionalFormat& format)
{
    if (!package.contains("_rels/.rels"))
        throw SheetError(unsupportedFormat);
    const auto root = relationshipsOf(package, "");
    const std::string workbookPart = requirePart(package, findByKind(root, "officeDocument"), "workbook");
    const WorkbookInfo workbook = parseWorkbook(workbookPart, package.readAll(workbookPart, Limits::maxSmallPartBytes));
    const auto parts = relationshipsOf(package, workbookPart);

    std::vector<std::string> strings;
    if (const Relationship* r = findByKind(parts, "sharedStrings"); r && !r->external && package.contains(r->target))
        strings = parseSharedStrings(r->target, package.readAll(r->target, Limits::maxPartBytes));
    std::vector<NumberKind> kinds;
    if (const Relationship* r = findByKind(parts, "styles"); r && !r->external && package.contains(r->target))
        kinds = parseCellFormats(r->target, package.readAll(r->target, Limits::maxSmallPartBytes));

    const SheetEntry& active = workbook.sheets[workbook.activeTab];
    const std::string sheetPart = requirePart(package, findById(parts, active.relationshipId), "sheet \"" + active.name + "\"");
    Sheet sheet;
    sheet.name = active.name;
    SheetHandler handler(sheetPart, strings, kinds, workbook.date1904, format, sheet);
    XmlReader reader(sheetPart, handler);
    package.read(sheetPart, Limits::maxPartBytes, [&](std::string_view chunk) { reader.feed(chunk); });
    reader.finish();
    return sheet;
}

} // namespace

Sheet readActiveSheet(const std::string& path, const RegionalFormat& format)
{
    return readPackage(ZipPackage(path), format);
}

Sheet readActiveSheetFromBytes(std::string_view bytes, const RegionalFormat& format)
{
    return readPackage(ZipPackage(ZipPackage::InMemory{}, bytes), format);
}

Sheet readSheetPart(const std::string& part, std::string_view xml, const std::vector<std::string>& sharedStrings,
                    const std::vector<NumberKind>& cellFormats, bool date1904, const RegionalFormat& format)
{
    Sheet sheet;
    SheetHandler handler(part, sharedStrings, cellFormats, date1904, format, sheet);
    XmlReader::parse(part, xml, handler);
    return sheet;
}

} // namespace sheet
