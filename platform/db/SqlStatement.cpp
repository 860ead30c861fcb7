#include "db/SqlStatement.h"

namespace db {

namespace {

bool isNameStart(QChar c) { return c.isLetter() || c == QLatin1Char('_'); }
bool isNamePart(QChar c) { return c.isLetterOrNumber() || c == QLatin1Char('_'); }

// Index just past a literal or identifier quoted with `quote`, starting at its opening quote.
// A doubled quote stands for itself; with backslash escapes (E'...') a backslash escapes the next
// character. An unterminated one runs to the end: the server will report it.
qsizetype skipQuoted(const QString& sql, qsizetype i, QChar quote, bool backslashEscapes)
{
    const qsizetype n = sql.size();
    ++i;
    while (i < n) {
        const QChar c = sql[i];
        if (backslashEscapes && c == QLatin1Char('\\')) {
            i += 2;
            continue;
        }
        if (c == quote) {
            if (i + 1 < n && sql[i + 1] == quote) {
                i += 2;
                continue;
            }
            return i + 1;
        }
        ++i;
    }
    return n;
}

// Index just past a dollar-quoted body ($tag$ ... $tag$) starting at its first '$', or `i` when
// the '$' does not open one (a positional parameter such as $1, for instance).
qsizetype skipDollarQuoted(const QString& sql, qsizetype i)
{
    const qsizetype n = sql.size();
    qsizetype j = i + 1;
    if (j < n && sql[j].isDigit())
        return i;
    while (j < n && isNamePart(sql[j]))
        ++j;
    if (j >= n || sql[j] != QLatin1Char('$'))
        return i;
    const QString tag = sql.mid(i, j - i + 1);
    const qsizetype end = sql.indexOf(tag, j + 1);
    return end < 0 ? n : end + tag.size();
}

qsizetype skipBlockComment(const QString& sql, qsizetype i)
{
    // PostgreSQL's block comments nest.
    const qsizetype n = sql.size();
    int depth = 0;
    while (i < n) {
        if (sql[i] == QLatin1Char('/') && i + 1 < n && sql[i + 1] == QLatin1Char('*')) {
            ++depth;
            i += 2;
        } else if (sql[i] == QLatin1Char('*') && i + 1 < n && sql[i + 1] == QLatin1Char('/')) {
            i += 2;
            if (--depth == 0)
                return i;
        } else {
            ++i;
        }
    }
    return n;
}

} // namespace

SqlStatement::SqlStatement(const QString& sql)
{
    const qsizetype n = sql.size();
    m_positional.reserve(n);
    qsizetype i = 0;
    while (i < n) {
        const QChar c = sql[i];
        qsizetype next = i + 1;
        if (c == QLatin1Char('\'')) {
            const bool escapes = i > 0 && (sql[i - 1] == QLatin1Char('E') || sql[i - 1] == QLatin1Char('e'))
                                 && (i < 2 || !isNamePart(sql[i - 2]));
            next = skipQuoted(sql, i, c, escapes);
        } else if (c == QLatin1Char('"')) {
            next = skipQuoted(sql, i, c, false);
        } else if (c == QLatin1Char('-') && i + 1 < n && sql[i + 1] == QLatin1Char('-')) {
            next = sql.indexOf(QLatin1Char('\n'), i);
            if (next < 0)
                next = n;
        } else if (c == QLatin1Char('/') && i + 1 < n && sql[i + 1] == QLatin1Char('*')) {
            next = skipBlockComment(sql, i);
        } else if (c == QLatin1Char('$')) {
            next = std::max(skipDollarQuoted(sql, i), i + 1);
        } else if (c == QLatin1Char(':')) {
            if (i + 1 < n && sql[i + 1] == QLatin1Char(':')) {
                next = i + 2; // a cast
            } else if (i + 1 < n && isNameStart(sql[i + 1])) {
                qsizetype end = i + 2;
                while (end < n && isNamePart(sql[end]))
                    ++end;
                const QString name = sql.mid(i + 1, end - i - 1);
                int index = indexOf(name);
                if (index < 0) {
                    m_names.append(name);
                    index = static_cast<int>(m_names.size()) - 1;
                }
                m_positional += QLatin1Char('$') + QString::number(index + 1);
                i = end;
                continue;
            }
        }
        m_positional += sql.mid(i, next - i);
        i = next;
    }
}

int SqlStatement::indexOf(const QString& name) const
{
    for (qsizetype k = 0; k < m_names.size(); ++k) {
        if (m_names[k].compare(name, Qt::CaseInsensitive) == 0)
            return static_cast<int>(k);
    }
    return -1;
}

} // namespace db
