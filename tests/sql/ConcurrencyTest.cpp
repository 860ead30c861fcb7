#include "SqlFixture.h"

#include "db/DbError.h"

#include <QThread>

#include <atomic>
#include <thread>

namespace {

// Two sessions, as two users would run them, made to collide: a third session holds the lock the
// function takes, both calls start and wait on it, then it is released.
class Concurrency : public CompanyFixture {
protected:
    // Runs `call` in two threads, each on a connection of its own, while `lockSql` is held by a
    // third session; returns the two outcomes ("" for success, else the error message).
    std::pair<QString, QString> collide(const QString& lockSql, const QString& unlockSql,
                                        const std::function<void(db::PgFunctionCall&)>& call)
    {
        db::PgConnection holder(QStringLiteral("holder"), db::ConnectionMode::StayConnected, scratch.settings());
        holder.exec(lockSql, {});
        std::atomic<int> started{0};
        QString outcomes[2];
        std::thread sessions[2];
        for (int i = 0; i < 2; ++i) {
            sessions[i] = std::thread([&, i] {
                db::PgConnection connection(QStringLiteral("session"), db::ConnectionMode::StayConnected, scratch.settings());
                db::PgFunctionCall function(connection, QStringLiteral("f"));
                try {
                    connection.exec(QStringLiteral("select 1"), {}); // connected before the race starts
                    ++started;
                    call(function);
                } catch (const db::DbError& e) {
                    outcomes[i] = e.message();
                }
            });
        }
        while (started < 2)
            QThread::msleep(10);
        // Both are about to call, or already waiting on the lock.
        QThread::msleep(300);
        EXPECT_EQ(waitingSessions(), 2) << "both calls should be waiting on the lock";
        holder.exec(unlockSql, {});
        for (std::thread& t : sessions)
            t.join();
        return {outcomes[0], outcomes[1]};
    }

    int waitingSessions() const
    {
        return server(QStringLiteral("select count(*) from pg_stat_activity where datname = current_database() "
                                     "and wait_event_type = 'Lock' and wait_event = 'advisory'")).toInt();
    }
};

TEST_F(Concurrency, OneWorkbookTakenInTwiceAtOnceNotesTheSecondCopysDuplicates)
{
    const QString json = QString::fromUtf8(QJsonDocument(QJsonArray{
        receipt(QStringLiteral("01.02.2026"), QStringLiteral("CH1"), QStringLiteral("10"), QStringLiteral("F1")),
        receipt(QStringLiteral("02.02.2026"), QStringLiteral("CH2"), QStringLiteral("20"), QStringLiteral("F2"))}).toJson(QJsonDocument::Compact));
    const auto [first, second] = collide(
        QStringLiteral("select pg_advisory_lock(hashtext('o_incasari_deb_cred_diversi_log_ins'))"),
        QStringLiteral("select pg_advisory_unlock(hashtext('o_incasari_deb_cred_diversi_log_ins'))"),
        [&](db::PgFunctionCall& f) {
            f.setSql(QStringLiteral("SELECT * FROM o_incasari_deb_cred_diversi_log_ins(:pjsonincasdebcred)"));
            f.setParam(QStringLiteral("pJsonIncasDebCred"), db::ParamValue::longText(json));
            f.execute();
        });
    EXPECT_EQ(first, QString());
    EXPECT_EQ(second, QString());
    EXPECT_EQ(logCount(), 4);
    EXPECT_EQ(server(QStringLiteral("select count(*) from log_incasari_deb_cred_diversi where err_ins_zuv is null")), QStringLiteral("2"));
    EXPECT_EQ(server(QStringLiteral("select count(*) from log_incasari_deb_cred_diversi where err_ins_zuv like '%exista deja in log.'")),
              QStringLiteral("2"));
}

TEST_F(Concurrency, OneReceiptGeneratedTwiceAtOnceMakesOneDocument)
{
    takeIn(QJsonArray{receipt(QStringLiteral("01.02.2026"), QStringLiteral("CH1"), QStringLiteral("10"), QStringLiteral("F1"))});
    const QString key = QStringLiteral("hashtext('o_generare_incasare_deb_cred_diversi'), hashtext('2026-02-01|CH1')");
    const auto [first, second] = collide(
        QStringLiteral("select pg_advisory_lock(%1)").arg(key), QStringLiteral("select pg_advisory_unlock(%1)").arg(key),
        [&](db::PgFunctionCall& f) {
            f.setSql(QStringLiteral("SELECT * FROM o_generare_incasare_deb_cred_diversi(:pemitent, :pdatachinc, :pnrchinc)"));
            f.setParam(QStringLiteral("pEmitent"), db::ParamValue::longText(QStringLiteral("ana")));
            f.setParam(QStringLiteral("pDataChInc"), db::ParamValue::date(QDate(2026, 2, 1)));
            f.setParam(QStringLiteral("pNrChInc"), db::ParamValue::longText(QStringLiteral("CH1")));
            f.execute();
        });
    EXPECT_EQ(server(QStringLiteral("select count(*) from doc where tip_doc = 'Ch_INC'")), QStringLiteral("1"));
    const QString failure = first.isEmpty() ? second : first;
    EXPECT_TRUE(first.isEmpty() != second.isEmpty()) << first.toStdString() << " / " << second.toStdString();
    EXPECT_EQ(failure, QStringLiteral("Incasarea din 01.02.2026 cu numarul CH1 este deja importata (documentul Ch_INC CH1)."));
}

} // namespace
