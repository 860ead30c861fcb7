#include "ui/DateBox.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace ui {

namespace {

// The smallest date QDateEdit takes; it stands for "empty" and shows as no text.
const QDate emptyMarker(100, 1, 1);

} // namespace

DateBox::DateBox(QWidget* parent)
    : QDateEdit(parent)
{
    setCalendarPopup(true);
    setMinimumDate(emptyMarker);
    setSpecialValueText(QStringLiteral(" "));
    setDisplayFormat(QLocale::system().dateFormat(QLocale::ShortFormat));
}

QDate DateBox::nullDate()
{
    return QDate(1899, 12, 30).addDays(-700000);
}

bool DateBox::isEmpty() const
{
    return date() == emptyMarker;
}

void DateBox::clear()
{
    setDate(emptyMarker);
}

void DateBox::setDateValue(const QDate& date)
{
    if (!date.isValid() || date < emptyMarker)
        clear();
    else
        setDate(date);
}

QDate DateBox::dateValue() const
{
    return isEmpty() ? nullDate() : date();
}

void DateBox::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace)
        && lineEdit()->selectedText() == lineEdit()->text()) {
        clear();
        event->accept();
        return;
    }
    QDateEdit::keyPressEvent(event);
}

} // namespace ui
