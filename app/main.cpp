#include "app/ApplicationTitle.h"
#include "app/u_fMenuTalvera.h"
#include "import/u_fTalvera.h"
#include "login/u_dmCon.h"
#include "login/u_frmLogin.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(applicationTitleFrom(QCoreApplication::applicationFilePath()));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/wtalvera.png")));

    // The long-lived objects, in this order: the login dialog and the import window refer to the
    // connection module. The last two start hidden.
    TfMenuTalvera fMenuTalvera;
    TdmCon dmCon;
    TfrmLogin frmLogin(dmCon, &fMenuTalvera);
    TfTalvera fTalvera(dmCon);
    fMenuTalvera.attach(dmCon, frmLogin, fTalvera);

    fMenuTalvera.show();
    return QApplication::exec();
}
