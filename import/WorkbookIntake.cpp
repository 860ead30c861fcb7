#include "import/WorkbookIntake.h"

#include "import/PayloadJson.h"

namespace receipts {

namespace {

struct Column {
    const char* header; // lower-cased, as compared
    const char* named;  // as the message names it
    const char* key;    // the JSON key of its value
};

const Column columns[10] = {
    {"datadoc", "dataDoc", "dataDoc"},
    {"nrdoc", "nrDoc", "nrDoc"},
    {"orderid", "OrderID", "orderId"},
    {"sumaincasata", "sumaIncasata", "sumaIncasata"},
    {"moneda", "moneda", "moneda"},
    {"partener", "partener", "partenerDoc"},
    {"cont sintetic", "Cont sintetic", "contSintetic"},
    {"cont analitic", "Cont analitic", "contAnalitic"},
    {"debcred", "debCred", "debCred"},
    {"nr.fact zuv", "Nr.fact ZUV", "nrFactZuv"},
};

std::string asciiLower(std::string text)
{
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

QString name(std::uint32_t column, std::uint32_t row)
{
    return QString::fromStdString(sheet::cellName(column, row));
}

const sheet::Cell& requireCell(const sheet::Row& row, std::uint32_t column)
{
    const sheet::Cell* cell = row.find(column);
    if (!cell)
        throw IntakeError(QStringLiteral("Lipseste celula ") + name(column, row.number), column, row.number);
    return *cell;
}

} // namespace

bool hasWorkbookExtension(const QString& fileName)
{
    const qsizetype slash = std::max(fileName.lastIndexOf(QLatin1Char('/')), fileName.lastIndexOf(QLatin1Char('\\')));
    const QString base = fileName.mid(slash + 1);
    const qsizetype dot = base.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return false;
    QString extension = base.mid(dot);
    for (QChar& c : extension) {
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            c = QChar(c.unicode() - u'A' + u'a');
    }
    return extension == QLatin1String(".xlsx");
}

void checkHeader(const sheet::Sheet& sheet)
{
    const sheet::Row* header = sheet.findRow(1);
    for (std::uint32_t c = 1; c <= 10; ++c) {
        if (!header || !header->find(c))
            throw IntakeError(QStringLiteral("Lipseste celula ") + name(c, 1), c, 1);
        const Column& expected = columns[c - 1];
        if (asciiLower(header->find(c)->text) != expected.header)
            throw IntakeError(QStringLiteral(" Coloana ") + QString::fromStdString(sheet::columnLetters(c))
                                  + QStringLiteral(" din fisier trebuie sa se numeasca \"")
                                  + QLatin1String(expected.named) + QLatin1Char('"'),
                              c, 1);
    }
}

std::string buildPayload(const sheet::Sheet& sheet, const std::string& fileName)
{
    std::string fileJson;
    appendJsonString(fileJson, fileName);
    std::string out = "[";
    std::uint32_t expectedRow = 2;
    for (const sheet::Row& row : sheet.rows) {
        if (row.number < 2)
            continue;
        if (row.number != expectedRow)
            throw IntakeError(QStringLiteral("Lipseste randul %1 din fisier").arg(expectedRow), 1, expectedRow);
        ++expectedRow;
        if (out.size() > 1)
            out += ',';
        out += '{';
        for (std::uint32_t c = 1; c <= 10; ++c) {
            out += '"';
            out += columns[c - 1].key;
            out += "\":";
            appendJsonString(out, requireCell(row, c).text);
            out += ',';
        }
        out += "\"numeFisier\":";
        out += fileJson;
        out += '}';
    }
    out += ']';
    return out;
}

} // namespace receipts
