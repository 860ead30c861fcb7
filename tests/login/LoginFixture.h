#pragma once

#include "login/u_dmCon.h"
#include "support/Sandbox.h"

#include <QString>

#include <memory>

namespace testing_support {

// Two company databases on the sandbox and directory rows that point at them, shared by a test
// program and removed at its end. Company names carry the process id, so that programs running at
// once do not meet in the shared directory.
//
// Company A ("<prefix> SHA"): passwords as SHA-256. Users: ana/parola (granted, role "admin"),
// fara/parola (no grant), gol/"" (granted). Applications: "WTALVERA" (active), "Inactiva".
// eu.jas_ip "10.1.1.1:8080".
// Company B: plain passwords: ana/parola (granted as "WtAlVeRa", role "operator"). eu.jas_ip
// "rapoarte.firma.ro". Reached under several directory names with other hash types.
class LoginWorld {
public:
    static LoginWorld& get();
    static void release();

    QString company(const char* key) const; // "sha", "plain", "lowerhash", "emptyhash", "nullhash", "nullport"
    const ScratchDatabase& a() const { return *m_a; }
    const ScratchDatabase& b() const { return *m_b; }

    // A connection module configured for the sandbox.
    static std::unique_ptr<TdmCon> makeConnectionModule();

private:
    LoginWorld();
    ~LoginWorld();

    QString m_prefix;
    std::unique_ptr<ScratchDatabase> m_a;
    std::unique_ptr<ScratchDatabase> m_b;
};

} // namespace testing_support
