#pragma once

#include <QString>

#include <optional>
#include <vector>

namespace db {

struct ResultColumn {
    QString name;
    unsigned typeOid = 0;
};

// A statement's whole result in PostgreSQL's text form; nullopt is SQL NULL.
struct ResultSet {
    using Row = std::vector<std::optional<QString>>;

    std::vector<ResultColumn> columns;
    std::vector<Row> rows;
    long affectedRows = 0; // rows inserted, updated or deleted, where the command says

    // The index of the named column (exact name), or -1.
    int columnIndex(const QString& name) const
    {
        for (std::size_t i = 0; i < columns.size(); ++i) {
            if (columns[i].name == name)
                return static_cast<int>(i);
        }
        return -1;
    }
};

} // namespace db
