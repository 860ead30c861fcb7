// Writes the fuzzer's seed workbooks: the shapes the reader's tests build, sound and broken.
#include "support/XlsxBuilder.h"

#include <fstream>
#include <string>

using testing_support::XlsxBuilder;

// A seed for the parts target: sheet, shared strings and styles, separated by NUL bytes.
void writeParts(const std::string& path, const std::string& sheet, const std::string& strings, const std::string& styles)
{
    std::ofstream out(path, std::ios::binary);
    out << sheet << '\0' << strings << '\0' << styles;
}

int main(int argc, char** argv)
{
    if (argc != 3)
        return 2;
    const std::string dir = argv[1];
    const std::string partsDir = argv[2];
    writeParts(partsDir + "/kinds", XlsxBuilder::worksheet(R"(<row r="1"><c r="A1" t="s"><v>0</v></c><c r="B1" s="1"><v>46000.25</v></c><c t="b"><v>0</v></c><c t="inlineStr"><is><t>a&amp;b&#x41;<![CDATA[<c>]]></t></is></c></row><row><c r="XFD2" t="e"><v>#REF!</v></c></row>)",
                                              R"(<sheetViews><sheetView showFormulas="0"/></sheetViews>)"),
               XlsxBuilder::sharedStrings({"dataDoc", "x_x0001_y", "_xD800_"}),
               XlsxBuilder::styles({0, 14, 22, 164}, {{164, "[$-418]dd.mm.yyyy h:mm AM/PM;@"}}));
    writeParts(partsDir + "/prefixed", R"(<x:worksheet xmlns:x="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><x:sheetData><x:row r="3"><x:c r="C3"><x:f>A1</x:f><x:v>1E+300</x:v></x:c></x:row></x:sheetData></x:worksheet>)",
               R"(<sst><si><r><t>a</t></r><rPh><t>b</t></rPh></si></sst>)", R"(<styleSheet><cellXfs><xf numFmtId="47"/></cellXfs></styleSheet>)");
    const std::string header = R"(<row r="1"><c r="A1" t="s"><v>0</v></c><c r="B1" t="inlineStr"><is><t>nrDoc</t></is></c></row>)";
    XlsxBuilder::standard(header + R"(<row r="2"><c r="A2" s="1"><v>46000.5</v></c><c r="B2" t="b"><v>1</v></c><c r="C2" t="e"><v>#N/A</v></c><c r="D2"><f>A2</f><v>3</v></c></row>)",
                          XlsxBuilder::sharedStrings({"dataDoc", "x_x0001_y"}),
                          XlsxBuilder::styles({0, 14, 164}, {{164, "[h]:mm \"h\""}}))
        .write(dir + "/kinds.xlsx");
    XlsxBuilder::standard(R"(<row r="1" ht="20"/><row><c><v>1</v></c><c r="E2"/></row><row r="9"><c r="XFD9"><v>2</v></c></row>)")
        .write(dir + "/presence.xlsx");
    auto views = XlsxBuilder::standard(R"(<row r="1"><c r="A1"><f>SUM(B1)</f><v>1</v></c></row>)");
    views.part("xl/worksheets/sheet1.xml", XlsxBuilder::worksheet(R"(<row r="1"><c r="A1"><f>SUM(B1)</f><v>1</v></c></row>)",
                                                                  R"(<sheetViews><sheetView showFormulas="1"/></sheetViews>)"));
    views.write(dir + "/formulas.xlsx");
    auto rich = XlsxBuilder::standard(R"(<row r="1"><c r="A1" t="s"><v>0</v></c></row>)");
    rich.part("xl/sharedStrings.xml", R"(<sst xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><si><r><t>a</t></r><r><t xml:space="preserve"> b</t></r><rPh><t>c</t></rPh></si></sst>)");
    rich.write(dir + "/rich.xlsx");
    return 0;
}
