#pragma once

#include <QDate>
#include <QDateEdit>

namespace ui {

// A date box with a drop-down calendar that can also be empty (Delete or Backspace with the whole
// text selected, or clear()). An empty box's date is the null date: day -700000 counted from
// 30 December 1899, a date in the first century BC, so that "from that date on" means "always".
class DateBox : public QDateEdit {
    Q_OBJECT

public:
    explicit DateBox(QWidget* parent = nullptr);

    static QDate nullDate();

    bool isEmpty() const;
    void clear() override;
    void setDateValue(const QDate& date);
    // The date shown, or nullDate() when the box is empty.
    QDate dateValue() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace ui
