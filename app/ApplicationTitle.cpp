#include "app/ApplicationTitle.h"

QString applicationTitleFrom(const QString& executablePath)
{
    const qsizetype slash = std::max(executablePath.lastIndexOf(QLatin1Char('/')),
                                     executablePath.lastIndexOf(QLatin1Char('\\')));
    QString name = executablePath.mid(slash + 1);
    const qsizetype dot = name.indexOf(QLatin1Char('.'));
    if (dot >= 0)
        name.truncate(dot);
    if (name.isEmpty())
        return name;
    return name.left(1) + name.mid(1).toLower();
}
