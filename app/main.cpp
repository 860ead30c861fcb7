#include "app/ApplicationTitle.h"
#include "app/u_fMenuTalvera.h"
#include "login/u_dmCon.h"
#include "login/u_frmLogin.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(applicationTitleFrom(QCoreApplication::applicationFilePath()));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/wtalvera.png")));

    // The long-lived objects, in this order: the login dialog refers to the connection module.
    TfMenuTalvera fMenuTalvera;
    TdmCon dmCon;
    TfrmLogin frmLogin(dmCon, &fMenuTalvera);
    fMenuTalvera.attach(dmCon, frmLogin);

    fMenuTalvera.show();
    return QApplication::exec();
}
