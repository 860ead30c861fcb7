#pragma once

#include <QString>

#include <optional>
#include <vector>

namespace login {

// The remembered login: an in-memory table of two text fields, company and username (up to 200
// characters each), stored with its field definitions as "ZuvKavat.json" in the user's roaming
// application-data folder. One row in practice; the password is never part of it.
//
// The file's layout (readable, stable):
//   {
//     "fields": [ {"name": "company", "type": "text", "size": 200},
//                 {"name": "username", "type": "text", "size": 200} ],
//     "rows": [ {"company": "Demo SRL", "username": "demo"} ]
//   }
class RememberedLogin {
public:
    struct Row {
        QString company;
        QString username;
    };

    static constexpr int fieldSize = 200;
    static constexpr const char* fileName = "ZuvKavat.json";

    // The file's place: the XDG configuration home on Linux ($XDG_CONFIG_HOME, else ~/.config),
    // the roaming AppData folder on Windows.
    static QString defaultPath();

    bool isOpen() const { return m_open; }
    // Opens the table if it is closed, with no rows.
    void open();
    void close();

    const std::vector<Row>& rows() const { return m_rows; }
    // The current row (the first), or nullptr when there is none or the table is closed.
    const Row* current() const;
    // Write a field of the current row, creating the row in an empty table. Values longer than
    // the field are cut to its size. Ignored while the table is closed.
    void setCompany(const QString& value);
    void setUsername(const QString& value);

    // Replaces the rows with the file's. The table is closed first and stays closed when the file
    // cannot be read or has not the expected form: throws ui::AppError naming the file and fault.
    void load(const QString& path);
    // Writes the table (an open empty one when closed) to the file, atomically and readable by
    // its owner only. Throws ui::AppError with the storage layer's reason.
    void save(const QString& path) const;

private:
    Row& currentForWriting();

    bool m_open = false;
    std::vector<Row> m_rows;
};

} // namespace login
