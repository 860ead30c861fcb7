# Writes the header that carries the build date as year.month.day. Run at every build; the header
# changes only when the date does. string(TIMESTAMP) honours SOURCE_DATE_EPOCH.
string(TIMESTAMP build_date "%Y.%m.%d" UTC)
file(WRITE "${OUT}.tmp" "#pragma once\n#define WTALVERA_BUILD_DATE \"${build_date}\"\n")
file(COPY_FILE "${OUT}.tmp" "${OUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUT}.tmp")
