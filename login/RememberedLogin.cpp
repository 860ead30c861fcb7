#include "login/RememberedLogin.h"

#include "ui/AppError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QStandardPaths>

namespace login {

namespace {

// A remembered login is a few hundred bytes; anything much larger is not one.
constexpr qint64 maximumFileSize = 64 * 1024;

const QString companyField = QStringLiteral("company");
const QString usernameField = QStringLiteral("username");

[[noreturn]] void fail(const QString& path, const QString& why)
{
    throw ui::AppError(QStringLiteral("Fisierul %1 nu poate fi citit: %2").arg(QDir::toNativeSeparators(path), why));
}

void checkFields(const QString& path, const QJsonValue& fields)
{
    if (!fields.isArray())
        fail(path, QStringLiteral("lipsesc definitiile campurilor"));
    bool company = false;
    bool username = false;
    for (const QJsonValue& f : fields.toArray()) {
        const QJsonObject def = f.toObject();
        const QString name = def.value(QStringLiteral("name")).toString();
        if (def.value(QStringLiteral("type")).toString() != QLatin1String("text"))
            continue;
        company = company || name == companyField;
        username = username || name == usernameField;
    }
    if (!company || !username)
        fail(path, QStringLiteral("campurile company si username nu sunt definite"));
}

QString fieldValue(const QString& path, const QJsonObject& row, const QString& field)
{
    const QJsonValue value = row.value(field);
    if (value.isUndefined() || value.isNull())
        return {};
    if (!value.isString())
        fail(path, QStringLiteral("campul %1 nu este text").arg(field));
    return value.toString().left(RememberedLogin::fieldSize);
}

} // namespace

QString RememberedLogin::defaultPath()
{
#ifdef Q_OS_WIN
    const QString folder = qEnvironmentVariable("APPDATA");
#else
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
#endif
    return QDir(folder).filePath(QString::fromLatin1(fileName));
}

void RememberedLogin::open()
{
    if (!m_open) {
        m_rows.clear();
        m_open = true;
    }
}

void RememberedLogin::close()
{
    m_open = false;
    m_rows.clear();
}

const RememberedLogin::Row* RememberedLogin::current() const
{
    return m_open && !m_rows.empty() ? &m_rows.front() : nullptr;
}

RememberedLogin::Row& RememberedLogin::currentForWriting()
{
    if (m_rows.empty())
        m_rows.push_back({});
    return m_rows.front();
}

void RememberedLogin::setCompany(const QString& value)
{
    if (m_open)
        currentForWriting().company = value.left(fieldSize);
}

void RememberedLogin::setUsername(const QString& value)
{
    if (m_open)
        currentForWriting().username = value.left(fieldSize);
}

void RememberedLogin::load(const QString& path)
{
    close();
    const QFileInfo info(path);
    if (!info.isFile())
        fail(path, QStringLiteral("nu este un fisier"));
    if (info.size() > maximumFileSize)
        fail(path, QStringLiteral("are %1 octeti, prea mult pentru un login memorat").arg(info.size()));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(path, file.errorString());
    // Read no more than the cap, whatever the file grew to since it was looked at.
    const QByteArray content = file.read(maximumFileSize + 1);
    if (content.size() > maximumFileSize)
        fail(path, QStringLiteral("este prea mare pentru un login memorat"));
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(content, &error);
    if (error.error != QJsonParseError::NoError)
        fail(path, QStringLiteral("%1 (la octetul %2)").arg(error.errorString()).arg(error.offset));
    if (!document.isObject())
        fail(path, QStringLiteral("nu are forma asteptata"));
    const QJsonObject root = document.object();
    checkFields(path, root.value(QStringLiteral("fields")));
    const QJsonValue rows = root.value(QStringLiteral("rows"));
    if (!rows.isArray())
        fail(path, QStringLiteral("lipsesc randurile"));
    std::vector<Row> loaded;
    for (const QJsonValue& r : rows.toArray()) {
        if (!r.isObject())
            fail(path, QStringLiteral("un rand nu este un obiect JSON"));
        loaded.push_back({fieldValue(path, r.toObject(), companyField), fieldValue(path, r.toObject(), usernameField)});
    }
    m_rows = std::move(loaded);
    m_open = true;
}

void RememberedLogin::save(const QString& path) const
{
    QJsonArray fields;
    for (const QString& name : {companyField, usernameField})
        fields.append(QJsonObject{{QStringLiteral("name"), name},
                                  {QStringLiteral("type"), QStringLiteral("text")},
                                  {QStringLiteral("size"), fieldSize}});
    QJsonArray rows;
    if (m_open) {
        for (const Row& row : m_rows)
            rows.append(QJsonObject{{companyField, row.company}, {usernameField, row.username}});
    }
    const QByteArray content =
        QJsonDocument(QJsonObject{{QStringLiteral("fields"), fields}, {QStringLiteral("rows"), rows}})
            .toJson(QJsonDocument::Indented);

    const auto failSave = [&](const QString& why) {
        throw ui::AppError(QStringLiteral("Fisierul %1 nu poate fi scris: %2").arg(QDir::toNativeSeparators(path), why));
    };
    QDir().mkpath(QFileInfo(path).absolutePath());
    // Written beside the old file and renamed over it: a crash or a full disk never leaves a
    // half-written file behind.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        failSave(file.errorString());
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    if (file.write(content) != content.size())
        failSave(file.errorString());
    if (!file.commit())
        failSave(file.errorString());
}

} // namespace login
