#pragma once

#include <map>
#include <string>

namespace testing_support {

// Writes .xlsx packages part by part, so that a test can make any structure, sound or broken.
// standard() gives the usual parts around a sheet; part() adds or replaces any part.
class XlsxBuilder {
public:
    static XlsxBuilder standard(const std::string& sheetData, const std::string& sharedStrings = {},
                                const std::string& styles = {});

    XlsxBuilder& part(const std::string& name, const std::string& content);
    XlsxBuilder& remove(const std::string& name);
    void write(const std::string& path) const;

    // The XML of a worksheet around the given <sheetData> content (and extra elements before it).
    static std::string worksheet(const std::string& sheetData, const std::string& before = {});
    // A shared-string table of plain items.
    static std::string sharedStrings(std::initializer_list<std::string> items);
    // A styles part whose cellXfs use these number format ids, with custom formats (id -> code).
    static std::string styles(std::initializer_list<int> xfNumFmtIds, const std::map<int, std::string>& custom = {});

private:
    std::map<std::string, std::string> m_parts;
};

} // namespace testing_support
