// Writes the fuzzer's seed workbooks: the shapes the reader's tests build, sound and broken.
#include "support/XlsxBuilder.h"

#include <string>

using testing_support::XlsxBuilder;

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    const std::string dir = argv[1];
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
