#include "login/u_frmLogin.h"

#include "login/LoginColumns.h"
#include "login/LoginProcedure.h"
#include "login/u_dmCon.h"
#include "ui/HandlerGuard.h"
#include "ui_u_frmLogin.h"

#include <QCoreApplication>

TfrmLogin::TfrmLogin(TdmCon& dm, QWidget* parent)
    : QDialog(parent)
    , dsZuvMobil(dm.conZuvMob, QStringLiteral("dsZuvMobil"))
    , m_ui(std::make_unique<Ui::TfrmLogin>())
    , m_dm(dm)
{
    m_ui->setupUi(this);
    Edit1 = m_ui->Edit1;
    Edit2 = m_ui->Edit2;
    Edit3 = m_ui->Edit3;
    Button1 = m_ui->Button1;

    dsZuvMobil.setSql(QStringList{QStringLiteral("select *"), QStringLiteral("from m_firma"),
                                  QStringLiteral("where nume_firma = :pNumeFirma"), QStringLiteral(";")});
    dsZuvMobil.setFields(login::zuvMobilFields());

    connect(Button1, &QPushButton::clicked, this, ui::guarded(this, [this] { Button1Click(); }));
}

TfrmLogin::~TfrmLogin() = default;

void TfrmLogin::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    ui::guarded(this, [this] { FormShow(); })();
}

void TfrmLogin::FormShow()
{
    Edit3->setFocus(Qt::OtherFocusReason);
}

void TfrmLogin::Button1Click()
{
    login::verifyLogin(m_dm, dsZuvMobil, QCoreApplication::applicationName(),
                       {Edit1->text(), Edit2->text(), Edit3->text()});
    Edit3->clear();
    accept();
}
