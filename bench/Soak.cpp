// soak N: N workbook intakes and all-rows generations of small workbooks through the real import
// window (offscreen), from one running process, against the sandbox database named by
// WTALVERA_PG_* and WTALVERA_SOAK_DB. Reports the resident size, open file handles and the
// company database's sessions after 100 rounds and at the end; fails when a round shows an error.
#include "SandboxSettings.h"
#include "WorkbookWriter.h"

#include "db/PgConnection.h"
#include "import/u_fTalvera.h"
#include "login/u_dmCon.h"
#include "ui/DateBox.h"
#include "ui/FileDialogs.h"
#include "ui/MessageBoxes.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

#include <cstdio>

namespace {

class CountingBoxes final : public ui::MessageBoxes {
public:
    void error(QWidget*, const QString& text) override
    {
        ++errors;
        std::fprintf(stderr, "error: %s\n", qPrintable(text));
    }
    void information(QWidget*, const QString&) override { ++informations; }
    bool confirm(QWidget*, const QString&) override { return false; }
    int errors = 0;
    int informations = 0;
};

class FixedFile final : public ui::FileDialogs {
public:
    QString file;
    QString openFileName(QWidget*) override { return file; }
};

QString statusField(const char* name)
{
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(name))
            return QString::fromLatin1(line.mid(static_cast<int>(qstrlen(name)) + 1).trimmed());
    }
    return {};
}

db::ConnectionSettings settings()
{
    db::ConnectionSettings s = sandboxSettings(qEnvironmentVariable("WTALVERA_SOAK_DB", QStringLiteral("soak")));
    s.applicationName = QStringLiteral("wtalvera");
    return s;
}

void report(int round, const CountingBoxes& boxes)
{
    db::ConnectionSettings s = settings();
    s.applicationName = QStringLiteral("soak-probe");
    db::PgConnection probe(QStringLiteral("probe"), db::ConnectionMode::PerRequest, s);
    const db::ResultSet sessions = probe.exec(
        QStringLiteral("select count(*) from pg_stat_activity where datname = current_database() and application_name = 'wtalvera'"), {});
    const db::ResultSet rows = probe.exec(QStringLiteral("select count(*), count(*) filter (where err_ins_zuv is null) from log_incasari_deb_cred_diversi"), {});
    const db::ResultSet docs = probe.exec(QStringLiteral("select count(*) from doc where tip_doc like 'Ch%'"), {});
    std::printf("round %d: rss %s (peak %s), open files %lld, sessions of the program %s, log rows %s (clean %s), receipt documents %s, errors %d\n",
                round, qPrintable(statusField("VmRSS:")), qPrintable(statusField("VmHWM:")),
                static_cast<long long>(QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::System).size()),
                qPrintable(*sessions.rows[0][0]), qPrintable(*rows.rows[0][0]), qPrintable(*rows.rows[0][1]),
                qPrintable(*docs.rows[0][0]), boxes.errors);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("wtalvera"));
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 1000;

    CountingBoxes boxes;
    ui::MessageBoxes::install(&boxes);
    FixedFile file;
    ui::FileDialogs::install(&file);
    QTemporaryDir dir;

    TdmCon dm([] { return login::DeploymentConfig{}; });
    dm.conZuv.setSettings(settings());
    dm.glUser = QStringLiteral("soak");
    TfTalvera window(dm);
    window.show();
    window.cxDateEditDataIncep->setDateValue(QDate::currentDate().addDays(-1));
    window.ButtonCauta->click();

    const std::string date = QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")).toStdString();
    for (int round = 1; round <= rounds; ++round) {
        std::vector<std::vector<std::string>> rows;
        for (int k = 1; k <= 3; ++k) {
            const std::string nr = "S" + std::to_string(round) + "-" + std::to_string(k);
            rows.push_back({date, nr, "CMD", std::to_string(10 * k) + ",5", "RON", "Partener \"" + nr + "\"", "5311",
                            "5311.01", "Debitor", "F" + std::to_string(k)});
        }
        file.file = dir.filePath(QStringLiteral("soak-%1.xlsx").arg(round % 2));
        writeReceiptsWorkbook(file.file.toStdString(), rows);
        window.ButtonPreluareFisierExcel->click();
        window.ButtonImportaToateIncasarile->click();
        if (round == 100 || round == rounds)
            report(round, boxes);
    }
    return boxes.errors == 0 ? 0 : 1;
}
