#include "sheet/WorkbookParts.h"

#include "sheet/Limits.h"
#include "sheet/SheetError.h"
#include "sheet/XmlReader.h"

#include <charconv>
#include <map>

namespace sheet {

namespace {

bool isTrue(const char* v)
{
    return v && (std::string_view(v) == "1" || std::string_view(v) == "true");
}

long toNumber(const char* v, long fallback)
{
    if (!v)
        return fallback;
    long n = fallback;
    const std::string_view s(v);
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), n);
    return ec == std::errc() && end == s.data() + s.size() ? n : fallback;
}

void appendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

class WorkbookHandler : public XmlHandler {
public:
    void start(std::string_view name, const XmlAttributes& a) override
    {
        if (name == "sheet") {
            info.sheets.push_back({a.get("name") ? a.get("name") : "", a.get("id") ? a.get("id") : ""});
        } else if (name == "workbookView" && !m_sawView) {
            m_sawView = true;
            const long tab = toNumber(a.get("activeTab"), 0);
            info.activeTab = tab < 0 ? 0 : static_cast<std::size_t>(tab);
        } else if (name == "workbookPr") {
            info.date1904 = isTrue(a.get("date1904"));
        }
    }
    void end(std::string_view) override {}

    WorkbookInfo info;

private:
    bool m_sawView = false;
};

class SharedStringsHandler : public XmlHandler {
public:
    explicit SharedStringsHandler(const std::string& part)
        : m_part(part)
    {
    }
    void start(std::string_view name, const XmlAttributes&) override
    {
        if (name == "si") {
            m_current.clear();
            m_inItem = true;
        } else if (name == "rPh") {
            ++m_phonetic;
        } else if (name == "t" && m_inItem && m_phonetic == 0) {
            m_inText = true;
        }
    }
    void end(std::string_view name) override
    {
        if (name == "t") {
            m_inText = false;
        } else if (name == "rPh") {
            --m_phonetic;
        } else if (name == "si") {
            if (strings.size() >= Limits::maxSharedStrings)
                throw SheetError("The workbook part " + m_part + " holds more than "
                                 + std::to_string(Limits::maxSharedStrings) + " shared strings");
            strings.push_back(decodeEscapes(m_current));
            m_inItem = false;
        }
    }
    void text(std::string_view t) override
    {
        if (!m_inText)
            return;
        m_current.append(t);
        // Bytes, not characters: a generous cap that a legal cell never reaches.
        if (m_current.size() > 4 * Limits::maxCellChars)
            throw SheetError("A shared string in " + m_part + " is longer than a cell can hold");
    }

    std::vector<std::string> strings;

private:
    std::string m_part;
    std::string m_current;
    bool m_inItem = false;
    bool m_inText = false;
    int m_phonetic = 0;
};

class StylesHandler : public XmlHandler {
public:
    explicit StylesHandler(const std::string& part)
        : m_part(part)
    {
    }
    void start(std::string_view name, const XmlAttributes& a) override
    {
        if (name == "numFmt") {
            const long id = toNumber(a.get("numFmtId"), -1);
            if (id >= 0)
                m_custom[id] = classifyFormatCode(a.get("formatCode") ? a.get("formatCode") : "");
        } else if (name == "cellXfs") {
            m_inCellXfs = true;
        } else if (name == "xf" && m_inCellXfs) {
            if (m_xfIds.size() >= Limits::maxStyles)
                throw SheetError("The workbook part " + m_part + " holds more cell formats than a workbook may");
            m_xfIds.push_back(toNumber(a.get("numFmtId"), 0));
        }
    }
    void end(std::string_view name) override
    {
        if (name == "cellXfs")
            m_inCellXfs = false;
    }

    std::vector<NumberKind> kinds() const
    {
        std::vector<NumberKind> out;
        out.reserve(m_xfIds.size());
        for (long id : m_xfIds) {
            const auto custom = m_custom.find(id);
            out.push_back(custom != m_custom.end() ? custom->second : builtInKind(static_cast<int>(id)));
        }
        return out;
    }

private:
    std::string m_part;
    std::map<long, NumberKind> m_custom;
    std::vector<long> m_xfIds;
    bool m_inCellXfs = false;
};

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

std::string decodeEscapes(std::string_view text)
{
    if (text.find("_x") == std::string_view::npos)
        return std::string(text);
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '_' && i + 6 < text.size() && text[i + 1] == 'x' && text[i + 6] == '_') {
            int value = 0;
            bool hex = true;
            for (std::size_t k = 2; k < 6; ++k) {
                const int h = hexValue(text[i + k]);
                hex = hex && h >= 0;
                value = value * 16 + (h < 0 ? 0 : h);
            }
            if (hex) {
                // A lone surrogate is no character: the replacement character stands for it.
                appendUtf8(out, value >= 0xD800 && value <= 0xDFFF ? U'\uFFFD' : static_cast<char32_t>(value));
                i += 6;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

WorkbookInfo parseWorkbook(const std::string& part, std::string_view xml)
{
    WorkbookHandler handler;
    XmlReader::parse(part, xml, handler);
    if (handler.info.sheets.empty())
        throw SheetError("The workbook part " + part + " lists no sheet");
    if (handler.info.activeTab >= handler.info.sheets.size())
        handler.info.activeTab = 0;
    return handler.info;
}

std::vector<std::string> parseSharedStrings(const std::string& part, std::string_view xml)
{
    SharedStringsHandler handler(part);
    XmlReader::parse(part, xml, handler);
    return std::move(handler.strings);
}

std::vector<NumberKind> parseCellFormats(const std::string& part, std::string_view xml)
{
    StylesHandler handler(part);
    XmlReader::parse(part, xml, handler);
    return handler.kinds();
}

} // namespace sheet
