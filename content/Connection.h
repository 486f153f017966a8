// The one connection to the content database (the program calls it `adoconn`).
// It opens the file read-only and immutable and refuses a file that lacks any
// table or column the program reads.
#pragma once

#include <memory>
#include <string>

struct sqlite3;

namespace zuno::content {

class Connection {
public:
    Connection() = default;
    ~Connection() = default;
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Opens the database at `path` (UTF-8), closing any database opened before.
    // Throws ContentError naming the file when it is missing or unreadable, is not
    // an SQLite database, or lacks a table or column of kSchema (the message then
    // names the table and the column). On failure the connection stays closed.
    void Open(const std::string& path);
    void Close() noexcept;

    bool IsOpen() const noexcept { return db_ != nullptr; }
    // The path given to the last successful Open; empty while closed.
    const std::string& Path() const noexcept { return path_; }

private:
    friend class Statement;

    struct Closer {
        void operator()(sqlite3* db) const noexcept;
    };

    // Throws ContentError while the connection is closed.
    sqlite3* Handle() const;
    void CheckSchema() const;

    std::unique_ptr<sqlite3, Closer> db_;
    std::string path_;
};

}  // namespace zuno::content
