// One field of a recordset's current record, read by name and converted at once
// to text, integer, Boolean or bytes. Conversions fail loudly instead of guessing.
#pragma once

#include "content/Value.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace zuno::content {

// A view of one value held by its Recordset: valid until the recordset moves,
// is reopened or closed. Read it at once, as the program always does.
class Field {
public:
    Field(std::string_view name, const Value& value) : name_(name), value_(&value) {}

    std::string_view Name() const noexcept { return name_; }
    bool IsNull() const noexcept { return std::holds_alternative<std::monostate>(*value_); }

    // Every conversion throws ContentError naming the column when the field holds
    // no value (NULL) or a value that does not convert.
    // Text: UTF-8 text as stored; integers in decimal; reals with up to 15
    // significant digits. Bytes do not convert.
    std::string AsText() const;
    // Integer: integers within 32 bits; reals rounded to the nearest integer
    // (halves to even); text of decimal digits with an optional sign and blanks
    // around. Out of range, other text and bytes do not convert.
    std::int32_t AsInteger() const;
    // Boolean: numbers are true unless zero; text "True"/"False" (any case) or a
    // decimal number. Other text and bytes do not convert.
    bool AsBoolean() const;
    // Bytes of a BLOB, or of text as stored. Numbers do not convert.
    Blob AsBlob() const;

private:
    [[noreturn]] void Fail(std::string_view problem) const;

    std::string_view name_;
    const Value* value_;
};

}  // namespace zuno::content
