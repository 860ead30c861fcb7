#include "db/ConnectionSettings.h"

namespace db {

QString sslModeName(SslMode mode)
{
    switch (mode) {
    case SslMode::Require: return QStringLiteral("require");
    case SslMode::Prefer: return QStringLiteral("prefer");
    }
    return QStringLiteral("require");
}

} // namespace db
