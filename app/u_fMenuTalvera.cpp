#include "app/u_fMenuTalvera.h"

#include "app/BuildDate.h"
#include "import/u_fTalvera.h"
#include "login/u_dmCon.h"
#include "login/u_frmLogin.h"
#include "ui/Anchors.h"
#include "ui/HandlerGuard.h"
#include "ui/LabelFit.h"
#include "ui_u_fMenuTalvera.h"

#include <QCloseEvent>
#include <QCoreApplication>

namespace {

constexpr int labelDataBaseWidth = 81;

// A label's text and width, its right edge kept where the form puts it.
void setRightAlignedText(QLabel* label, const QString& text)
{
    const int right = label->geometry().right();
    label->setText(text);
    const int width = label->sizeHint().width();
    label->setGeometry(right - width + 1, label->y(), width, label->height());
}

} // namespace

TfMenuTalvera::TfMenuTalvera(QWidget* parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::TfMenuTalvera>())
{
    m_ui->setupUi(this);
    PanelLogin = m_ui->PanelLogin;
    PanelMenu = m_ui->PanelMenu;
    ButtonLogin = m_ui->ButtonLogin;
    ButtonTalvera = m_ui->ButtonTalvera;
    Label1 = m_ui->Label1;
    Label2 = m_ui->Label2;
    LabelDataBase = m_ui->LabelDataBase;
    LabelUser = m_ui->LabelUser;

    const QString version = QStringLiteral("wTalvera v. ") + QLatin1String(WTALVERA_BUILD_DATE);
    setRightAlignedText(Label1, version);
    setRightAlignedText(Label2, version);
    // The form is laid out at 394 pixels wide; anchors keep the right-hand labels and the rule in
    // place when the window is resized.
    PanelLogin->resize(width(), 51);
    PanelMenu->resize(width(), height() - 51);
    ui::anchor(Label1, Qt::TopEdge | Qt::RightEdge);
    ui::anchor(Label2, Qt::TopEdge | Qt::RightEdge);
    ui::anchor(m_ui->Shape1, Qt::TopEdge | Qt::LeftEdge | Qt::RightEdge);

    connect(ButtonLogin, &QPushButton::clicked, this, ui::guarded(this, [this] { ButtonLoginClick(); }));
    connect(ButtonTalvera, &QPushButton::clicked, this, ui::guarded(this, [this] { ButtonTalveraClick(); }));
    FormCreate();
}

TfMenuTalvera::~TfMenuTalvera() = default;

void TfMenuTalvera::attach(TdmCon& dm, TfrmLogin& frmLogin, TfTalvera& fTalvera)
{
    m_dm = &dm;
    m_frmLogin = &frmLogin;
    m_fTalvera = &fTalvera;
}

void TfMenuTalvera::ButtonTalveraClick()
{
    m_fTalvera->bringForward();
}

void TfMenuTalvera::FormCreate()
{
    PanelMenu->hide();
}

void TfMenuTalvera::ButtonLoginClick()
{
    if (m_frmLogin->exec() != QDialog::Accepted)
        return;
    PanelLogin->hide();
    PanelMenu->show();
    LabelDataBase->setText(m_dm->glDataBase);
    ui::fitWrappedLabel(LabelDataBase, labelDataBaseWidth);
    LabelUser->setText(QStringLiteral("User ") + m_dm->glUser);
    LabelUser->adjustSize();
}

void TfMenuTalvera::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    // The main window's end is the program's end, whatever other windows are still open.
    if (event->isAccepted())
        QCoreApplication::quit();
}
