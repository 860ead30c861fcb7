#pragma once

#include <QWidget>

#include <memory>

class TdmCon;
class TfrmLogin;
class TfTalvera;
class QFrame;
class QLabel;
class QPushButton;

namespace Ui {
class TfMenuTalvera;
}

// The main window. Logged out it offers the Login button; after a successful login it shows the
// company database, the user and the import command. Closing it ends the program.
class TfMenuTalvera : public QWidget {
    Q_OBJECT

public:
    explicit TfMenuTalvera(QWidget* parent = nullptr);
    ~TfMenuTalvera() override;

    // The objects created after this window that its commands use.
    void attach(TdmCon& dm, TfrmLogin& frmLogin, TfTalvera& fTalvera);

    QFrame* PanelLogin = nullptr;
    QFrame* PanelMenu = nullptr;
    QPushButton* ButtonLogin = nullptr;
    QPushButton* ButtonTalvera = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* LabelDataBase = nullptr;
    QLabel* LabelUser = nullptr;

    void ButtonLoginClick();
    void ButtonTalveraClick();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();

    std::unique_ptr<Ui::TfMenuTalvera> m_ui;
    TdmCon* m_dm = nullptr;
    TfrmLogin* m_frmLogin = nullptr;
    TfTalvera* m_fTalvera = nullptr;
};
