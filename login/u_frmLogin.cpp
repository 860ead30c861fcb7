#include "login/u_frmLogin.h"

#include "login/LoginColumns.h"
#include "login/LoginProcedure.h"
#include "login/u_dmCon.h"
#include "ui/HandlerGuard.h"
#include "ui_u_frmLogin.h"

#include <QCoreApplication>
#include <QFileInfo>

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
    // Every keystroke in the company and user boxes reaches the table's current row.
    connect(Edit1, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!m_showingRow)
            dsLogin.setCompany(text);
    });
    connect(Edit2, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!m_showingRow)
            dsLogin.setUsername(text);
    });
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
    const QString path = login::RememberedLogin::defaultPath();
    if (QFileInfo::exists(path) || QFileInfo(path).isSymLink()) {
        // A file that cannot be read leaves the table closed and the boxes as they are.
        dsLogin.load(path);
        showRememberedRow();
    }
    if (!dsLogin.isOpen()) {
        dsLogin.open();
        showRememberedRow();
    }
}

void TfrmLogin::showRememberedRow()
{
    const login::RememberedLogin::Row* row = dsLogin.current();
    m_showingRow = true;
    Edit1->setText(row ? row->company : QString());
    Edit2->setText(row ? row->username : QString());
    m_showingRow = false;
}

void TfrmLogin::saveRememberedLogin()
{
    // After a file that could not be read the table is closed: start again from an empty one,
    // holding what the boxes show now.
    if (!dsLogin.isOpen()) {
        dsLogin.open();
        dsLogin.setCompany(Edit1->text());
        dsLogin.setUsername(Edit2->text());
    }
    dsLogin.save(login::RememberedLogin::defaultPath());
}

void TfrmLogin::Button1Click()
{
    saveRememberedLogin();
    login::verifyLogin(m_dm, dsZuvMobil, QCoreApplication::applicationName(),
                       {Edit1->text(), Edit2->text(), Edit3->text()});
    Edit3->clear();
    accept();
}
