// The content database's tables and columns. The content compiler creates them;
// the content layer checks that every one is there before it serves a statement.
#pragma once

#include <array>
#include <string_view>

namespace zuno::content {

struct TableColumns {
    std::string_view table;
    std::array<std::string_view, 7> columns;  // unused slots are empty
};

// Names as the program's statements spell them; SQLite compares them without case.
inline constexpr std::array<TableColumns, 10> kSchema{{
    {"BigQuestion", {"RecId", "ID", "BigQuestion", "score", "count", "kind", "result"}},
    {"SmallQuestion", {"ID", "SmallQuestion", "optionalkind"}},
    {"Optional", {"ID", "optional", "key"}},
    {"MenuClass", {"Class", "SubClass", "TypeName"}},
    {"ArtMenuClass", {"Class", "SubClass", "TypeName"}},
    {"HumorMenuClass", {"Class", "SubClass", "TypeName"}},
    {"Article", {"Id", "Name", "Content", "kind"}},
    {"Humor", {"Id", "Name", "Content", "kind"}},
    {"picture", {"id", "pic"}},
    {"softinfo", {"information"}},
}};

// The statements that create the schema. Text is UTF-8; Yes/No is 0 or 1.
inline constexpr std::string_view kCreateSchemaSql = R"sql(
CREATE TABLE BigQuestion (RecId INTEGER NOT NULL, ID TEXT NOT NULL, BigQuestion TEXT NOT NULL,
                          score INTEGER NOT NULL, count INTEGER NOT NULL, kind TEXT NOT NULL,
                          result TEXT NOT NULL);
CREATE TABLE SmallQuestion (ID TEXT NOT NULL, SmallQuestion TEXT NOT NULL, optionalkind INTEGER NOT NULL);
CREATE TABLE Optional (ID TEXT NOT NULL, optional TEXT NOT NULL, key INTEGER NOT NULL);
CREATE TABLE MenuClass (Class TEXT NOT NULL, SubClass TEXT NOT NULL, TypeName TEXT NOT NULL);
CREATE TABLE ArtMenuClass (Class TEXT NOT NULL, SubClass TEXT NOT NULL, TypeName TEXT NOT NULL);
CREATE TABLE HumorMenuClass (Class TEXT NOT NULL, SubClass TEXT NOT NULL, TypeName TEXT NOT NULL);
CREATE TABLE Article (Id INTEGER NOT NULL, Name TEXT NOT NULL, Content TEXT NOT NULL, kind TEXT NOT NULL);
CREATE TABLE Humor (Id INTEGER NOT NULL, Name TEXT NOT NULL, Content TEXT NOT NULL, kind TEXT NOT NULL);
CREATE TABLE picture (id INTEGER NOT NULL, pic BLOB NOT NULL);
CREATE TABLE softinfo (information TEXT NOT NULL);
)sql";

// Indexes the content layer's statements use; run after kCreateSchemaSql. The
// statements give the same rows without them, only slower. Text keys are NOCASE
// because the statements compare text ignoring ASCII case. The substr(ID, 1, 8)
// indexes find a test's questions and options: by the identifier conventions the
// first 8 characters of a question or option ID are its test's ID. The kind indexes
// also hold every column the catalogue menus read, so building the catalogues reads
// only these few compact pages and not the table pages spread through the file.
inline constexpr std::string_view kCreateIndexesSql = R"sql(
CREATE INDEX BigQuestion_RecId ON BigQuestion (RecId);
CREATE INDEX BigQuestion_ID ON BigQuestion (ID COLLATE NOCASE);
CREATE INDEX BigQuestion_kind ON BigQuestion (kind COLLATE NOCASE, RecId, ID, BigQuestion, score, count);
CREATE INDEX SmallQuestion_TestID ON SmallQuestion (substr(ID, 1, 8) COLLATE NOCASE);
CREATE INDEX Optional_TestID ON Optional (substr(ID, 1, 8) COLLATE NOCASE);
CREATE INDEX MenuClass_Class ON MenuClass (Class COLLATE NOCASE);
CREATE INDEX ArtMenuClass_Class ON ArtMenuClass (Class COLLATE NOCASE);
CREATE INDEX HumorMenuClass_Class ON HumorMenuClass (Class COLLATE NOCASE);
CREATE INDEX Article_Id ON Article (Id);
CREATE INDEX Article_kind ON Article (kind COLLATE NOCASE, Id, Name);
CREATE INDEX Humor_Id ON Humor (Id);
CREATE INDEX Humor_kind ON Humor (kind COLLATE NOCASE, Id, Name);
CREATE INDEX picture_id ON picture (id);
)sql";

}  // namespace zuno::content
