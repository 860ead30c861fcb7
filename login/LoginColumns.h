#pragma once

#include "db/FieldDef.h"

#include <vector>

namespace login {

// The declared result fields of the login queries, in their declared order.
std::vector<db::FieldDef> emitentFields();             // dsEmitent, 65 columns of emitent
std::vector<db::FieldDef> aplicatieMobFields();        // dsAplicatieMob
std::vector<db::FieldDef> aplicatieMobEmitentFields(); // dsAplicatieMobEmitent
std::vector<db::FieldDef> euFields();                  // dsEu, 117 columns of eu
std::vector<db::FieldDef> zuvMobilFields();            // dsZuvMobil, of the directory's m_firma

} // namespace login
