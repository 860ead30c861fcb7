#include "ui/LabelFit.h"

#include <gtest/gtest.h>

#include <QLabel>

namespace {

TEST(FitWrappedLabel, WrapsWordsAtItsWidthAndWidensForALongWord)
{
    QWidget parent;
    QLabel label(&parent);
    label.move(6, 2);
    label.setText(QStringLiteral("zuv"));
    ui::fitWrappedLabel(&label, 81);
    const int oneLine = label.height();
    EXPECT_EQ(label.width(), 81);

    label.setText(QStringLiteral("baza de date a firmei demo"));
    ui::fitWrappedLabel(&label, 81);
    EXPECT_EQ(label.width(), 81);
    EXPECT_GE(label.height(), 2 * oneLine) << "spaces let the name break onto further lines";

    label.setText(QStringLiteral("zuv_baza_de_date_a_firmei_demo"));
    ui::fitWrappedLabel(&label, 81);
    EXPECT_GT(label.width(), 81) << "a name without spaces widens the label";
    EXPECT_EQ(label.height(), oneLine);
    EXPECT_EQ(label.pos(), QPoint(6, 2));
}

} // namespace
