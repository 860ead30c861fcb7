#pragma once

#include "db/PgQuery.h"
#include "login/RememberedLogin.h"

#include <QDialog>

#include <memory>

class TdmCon;
class QLineEdit;
class QPushButton;

namespace Ui {
class TfrmLogin;
}

// The login dialog: company, user name and password; Login runs the verification procedure and
// closes the dialog with OK when every check passed. A failed check leaves it open with its texts.
class TfrmLogin : public QDialog {
    Q_OBJECT

public:
    explicit TfrmLogin(TdmCon& dm, QWidget* parent = nullptr);
    ~TfrmLogin() override;

    // The directory lookup, on the directory connection.
    db::PgQuery dsZuvMobil;
    // The remembered company and user name, bound to Edit1 and Edit2.
    login::RememberedLogin dsLogin;

    QLineEdit* Edit1 = nullptr; // company
    QLineEdit* Edit2 = nullptr; // user name
    QLineEdit* Edit3 = nullptr; // password
    QPushButton* Button1 = nullptr;

    void Button1Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void showRememberedRow();
    void saveRememberedLogin();

    std::unique_ptr<Ui::TfrmLogin> m_ui;
    TdmCon& m_dm;
    bool m_showingRow = false;
};
