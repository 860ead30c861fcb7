// talvera-payload FILE: prints the JSON payload that wTalvera's intake would send to the server
// for FILE, or the message the intake would show, exactly as its message box shows it.
#include "import/WorkbookIntake.h"
#include "sheet/SheetError.h"
#include "sheet/WorkbookReader.h"
#include "ui/MessageText.h"

#include <QFileInfo>
#include <QString>

#include <cstdio>
#include <cstring>

namespace {

const char* const usage =
    "usage: talvera-payload FILE\n"
    "\n"
    "Prints on standard output the JSON array that wTalvera would send to the server for the\n"
    "workbook FILE (an .xlsx file whose active sheet has the ten-column receipt header in row 1),\n"
    "with cell texts in the regional formats of the current locale (LC_TIME, LC_NUMERIC), and\n"
    "exits 0. When wTalvera would refuse the file, prints its message on standard error, as its\n"
    "message box shows it, and exits 1.\n";

int refuse(const QString& message)
{
    std::fprintf(stderr, "%s\n", ui::displayText(message).toUtf8().constData());
    return 1;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::fputs(usage, stdout);
        return 0;
    }
    if (argc != 2) {
        std::fputs(usage, stderr);
        return 2;
    }
    const QString file = QString::fromLocal8Bit(argv[1]);
    if (!receipts::hasWorkbookExtension(file))
        return refuse(QStringLiteral("Extensia fisier trebuie sa fie \"xlsx\""));
    sheet::Sheet sheet;
    try {
        sheet = sheet::readActiveSheet(argv[1], sheet::RegionalFormat::fromEnvironment());
    } catch (const sheet::SheetError& e) {
        return refuse(QString::fromUtf8(e.what()));
    }
    try {
        receipts::checkHeader(sheet);
        const std::string payload = receipts::buildPayload(sheet, QFileInfo(file).fileName().toStdString());
        std::fwrite(payload.data(), 1, payload.size(), stdout);
        std::fputc('\n', stdout);
    } catch (const std::exception& e) {
        return refuse(QStringLiteral("Err - ") + QString::fromUtf8(e.what()));
    }
    return 0;
}
