// wtalvera-screenshots OUTDIR: drives the real windows (under the offscreen platform) against the
// demo sandbox named by WTALVERA_PG_* and saves PNGs of the main window, the login dialog, the
// import window with a listed log, and the preview panel after a refused workbook. Checks that
// each image is there at the window's size times the device pixel ratio; exits 1 otherwise.
#include "app/u_fMenuTalvera.h"
#include "import/u_fTalvera.h"
#include "login/u_dmCon.h"
#include "login/u_frmLogin.h"
#include "ui/DateBox.h"
#include "ui/FileDialogs.h"
#include "ui/MessageBoxes.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <cstdio>

namespace {

// Boxes print what they say instead of waiting for a click.
class PrintedMessageBoxes final : public ui::MessageBoxes {
public:
    void error(QWidget*, const QString& text) override { std::fprintf(stderr, "error: %s\n", qPrintable(text)); }
    void information(QWidget*, const QString& text) override { std::fprintf(stderr, "info: %s\n", qPrintable(text)); }
    bool confirm(QWidget*, const QString&) override { return false; }
};

class FixedFileDialogs final : public ui::FileDialogs {
public:
    explicit FixedFileDialogs(QString file)
        : m_file(std::move(file))
    {
    }
    QString openFileName(QWidget*) override { return m_file; }

private:
    QString m_file;
};

bool save(QWidget* window, const QString& path)
{
    QApplication::processEvents();
    const QPixmap shot = window->grab();
    const QSize expected = window->size() * window->devicePixelRatioF();
    if (shot.isNull() || shot.size() != expected || !shot.save(path)) {
        std::fprintf(stderr, "screenshots: %s is not a %dx%d image\n", qPrintable(path), expected.width(), expected.height());
        return false;
    }
    std::printf("%s %dx%d\n", qPrintable(path), shot.width(), shot.height());
    return QImage(path).size() == expected;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("wtalvera"));
    if (argc != 3) {
        std::fprintf(stderr, "usage: wtalvera-screenshots OUTDIR REFUSED-WORKBOOK\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(out.path());
    PrintedMessageBoxes boxes;
    ui::MessageBoxes::install(&boxes);
    FixedFileDialogs files(QString::fromLocal8Bit(argv[2]));
    ui::FileDialogs::install(&files);

    TfMenuTalvera fMenuTalvera;
    TdmCon dmCon([] {
        login::DeploymentConfig config;
        config.directoryHost = qEnvironmentVariable("WTALVERA_PG_HOST");
        config.directoryPort = qEnvironmentVariable("WTALVERA_PG_PORT").toInt();
        config.password = qEnvironmentVariable("WTALVERA_PG_PASSWORD");
        return config;
    });
    TfrmLogin frmLogin(dmCon, &fMenuTalvera);
    TfTalvera fTalvera(dmCon);
    fMenuTalvera.attach(dmCon, frmLogin, fTalvera);
    fMenuTalvera.show();

    bool ok = save(&fMenuTalvera, out.filePath(QStringLiteral("main-window.png")));
    QTimer::singleShot(0, [&] {
        frmLogin.Edit1->setText(QStringLiteral("Demo SRL"));
        frmLogin.Edit2->setText(QStringLiteral("demo"));
        frmLogin.Edit3->setText(QStringLiteral("demo"));
        ok = save(&frmLogin, out.filePath(QStringLiteral("login-dialog.png"))) && ok;
        frmLogin.Button1->click();
    });
    fMenuTalvera.ButtonLoginClick();
    ok = save(&fMenuTalvera, out.filePath(QStringLiteral("main-window-logged-in.png"))) && ok;

    fMenuTalvera.ButtonTalvera->click();
    fTalvera.cxDateEditDataIncep->clear();
    fTalvera.ButtonCauta->click();
    ok = save(&fTalvera, out.filePath(QStringLiteral("import-window.png"))) && ok;
    fTalvera.ButtonPreluareFisierExcel->click();
    ok = fTalvera.Panel2->isVisible() && ok;
    ok = save(&fTalvera, out.filePath(QStringLiteral("refused-workbook.png"))) && ok;
    return ok ? 0 : 1;
}
