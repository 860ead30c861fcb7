#include "db/PgConnection.h"

#include "db/DbError.h"

#include <libpq-fe.h>

#include <QByteArray>

namespace db {

namespace {

using ConnHandle = std::unique_ptr<PGconn, decltype(&PQfinish)>;
using ResultHandle = std::unique_ptr<PGresult, decltype(&PQclear)>;

// libpq's own failure text (connection failures), trimmed of its line breaks.
QString libpqMessage(const PGconn* conn)
{
    return QString::fromUtf8(PQerrorMessage(conn)).trimmed();
}

void ignoreNotice(void*, const char*) {}

} // namespace

struct PgConnection::Session {
    ConnHandle conn{nullptr, &PQfinish};
};

PgConnection::PgConnection(QString name, ConnectionMode mode, ConnectionSettings settings)
    : m_name(std::move(name))
    , m_mode(mode)
    , m_settings(std::move(settings))
{
}

PgConnection::~PgConnection() = default;

void PgConnection::setSettings(const ConnectionSettings& settings)
{
    if (settings == m_settings)
        return;
    m_settings = settings;
    disconnect();
}

bool PgConnection::isConnected() const
{
    return m_session != nullptr;
}

void PgConnection::disconnect()
{
    m_session.reset();
}

void PgConnection::connect()
{
    const QByteArray host = m_settings.host.toUtf8();
    const QByteArray port = QByteArray::number(m_settings.effectivePort());
    const QByteArray database = m_settings.database.toUtf8();
    const QByteArray user = m_settings.user.toUtf8();
    const QByteArray password = m_settings.password.toUtf8();
    const QByteArray sslmode = sslModeName(m_settings.sslMode).toUtf8();
    const QByteArray timeout = QByteArray::number(m_settings.connectTimeoutSeconds);
    const QByteArray application = m_settings.applicationName.toUtf8();

    std::vector<const char*> keys;
    std::vector<const char*> values;
    const auto add = [&](const char* key, const QByteArray& value) {
        keys.push_back(key);
        values.push_back(value.constData());
    };
    if (!host.isEmpty())
        add("host", host);
    add("port", port);
    add("dbname", database);
    add("user", user);
    if (!password.isEmpty())
        add("password", password);
    add("sslmode", sslmode);
    add("connect_timeout", timeout);
    add("client_encoding", QByteArrayLiteral("UTF8"));
    if (!application.isEmpty())
        add("application_name", application);
    // Values are read back in ISO form whatever the server's default. JIT compilation is off:
    // this client's statements are short listings and lookups, for which compiling costs more
    // than it saves (about a third of the receipt log's listing time).
    static const QByteArray options = QByteArrayLiteral("-c DateStyle=ISO,YMD -c jit=off");
    add("options", options);
    keys.push_back(nullptr);
    values.push_back(nullptr);

    // expand_dbname = 0: a database name taken from the directory is only ever a name.
    ConnHandle conn(PQconnectdbParams(keys.data(), values.data(), 0), &PQfinish);
    if (!conn)
        throw DbError(QStringLiteral("Out of memory while connecting to the database."), QStringLiteral("08001"));
    if (PQstatus(conn.get()) != CONNECTION_OK)
        throw DbError(libpqMessage(conn.get()), QStringLiteral("08001"));
    PQsetNoticeProcessor(conn.get(), &ignoreNotice, nullptr);
    m_session = std::make_unique<Session>();
    m_session->conn = std::move(conn);
}

void PgConnection::releaseIfIdle()
{
    if (m_mode == ConnectionMode::PerRequest && m_holds == 0)
        disconnect();
}

ResultSet PgConnection::exec(const QString& positionalSql, const std::vector<ParamValue>& values)
{
    if (!m_session)
        connect();

    std::vector<QByteArray> texts(values.size());
    std::vector<const char*> pointers(values.size(), nullptr);
    std::vector<Oid> types(values.size(), 0);
    for (std::size_t i = 0; i < values.size(); ++i) {
        types[i] = fieldKindTypeOid(values[i].kind());
        if (const auto text = values[i].toPgText()) {
            texts[i] = text->toUtf8();
            pointers[i] = texts[i].constData();
        }
    }

    const QByteArray sql = positionalSql.toUtf8();
    return collect(PQexecParams(m_session->conn.get(), sql.constData(),
                                static_cast<int>(values.size()), types.data(), pointers.data(),
                                nullptr, nullptr, 0));
}

ResultSet PgConnection::execScript(const QString& sql)
{
    if (!m_session)
        connect();
    return collect(PQexec(m_session->conn.get(), sql.toUtf8().constData()));
}

ResultSet PgConnection::collect(void* rawResult)
{
    ResultHandle result(static_cast<PGresult*>(rawResult), &PQclear);
    PGconn* conn = m_session->conn.get();
    const ExecStatusType status = result ? PQresultStatus(result.get()) : PGRES_FATAL_ERROR;
    if (status != PGRES_TUPLES_OK && status != PGRES_COMMAND_OK) {
        QString message;
        QString sqlState;
        if (result) {
            message = QString::fromUtf8(PQresultErrorField(result.get(), PG_DIAG_MESSAGE_PRIMARY));
            sqlState = QString::fromUtf8(PQresultErrorField(result.get(), PG_DIAG_SQLSTATE));
        }
        if (message.isEmpty())
            message = libpqMessage(conn);
        message = message.trimmed();
        const bool lost = PQstatus(conn) != CONNECTION_OK;
        if (lost)
            disconnect();
        else
            releaseIfIdle();
        throw DbError(message, sqlState, lost);
    }

    ResultSet set;
    const int columnCount = PQnfields(result.get());
    const int rowCount = PQntuples(result.get());
    set.columns.reserve(static_cast<std::size_t>(columnCount));
    for (int c = 0; c < columnCount; ++c)
        set.columns.push_back({QString::fromUtf8(PQfname(result.get(), c)), PQftype(result.get(), c)});
    set.rows.reserve(static_cast<std::size_t>(rowCount));
    for (int r = 0; r < rowCount; ++r) {
        ResultSet::Row row(static_cast<std::size_t>(columnCount));
        for (int c = 0; c < columnCount; ++c) {
            if (!PQgetisnull(result.get(), r, c))
                row[static_cast<std::size_t>(c)] = QString::fromUtf8(PQgetvalue(result.get(), r, c),
                                                                     PQgetlength(result.get(), r, c));
        }
        set.rows.push_back(std::move(row));
    }
    set.affectedRows = QByteArray(PQcmdTuples(result.get())).toLong();
    result.reset();
    releaseIfIdle();
    return set;
}

PgConnection::Hold::Hold(PgConnection& connection)
    : m_connection(connection)
{
    ++m_connection.m_holds;
}

PgConnection::Hold::~Hold()
{
    --m_connection.m_holds;
    m_connection.releaseIfIdle();
}

} // namespace db
