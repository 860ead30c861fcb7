#pragma once

#include <QString>

// The application title, from the executable's path: the file name (after the last '/' or '\'),
// cut at its first full stop, every character after the first in lower case. "wTalvera" and
// "C:\Prog\wTalvera.exe" both give "wtalvera". It captions message boxes and names the
// application to the company database at login.
QString applicationTitleFrom(const QString& executablePath);
