// Recordset cursor semantics (record count, BOF/EOF, MoveNext, Move), fields by
// name, bare table reads, and the conversions of field values.
#include "content/Recordset.h"

#include "content/Connection.h"
#include "content/ContentError.h"
#include "content/Schema.h"
#include "tests/content/ContentFixture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace zuno::content {
namespace {

using test::Cell;
using test::FixtureDb;
using test::TempDir;
using testing::HasSubstr;

// "r1", "r2", …; written without operator+, on which GCC 12 warns falsely.
std::string Record(int i) { return std::to_string(i).insert(0, "r"); }

// softinfo with `rows` records "r1", "r2", …, plus a table Sample(v) without
// affinity whose values the conversion tests choose.
class RecordsetTest : public testing::Test {
protected:
    void Build(int rows, std::initializer_list<Cell> samples = {}) {
        FixtureDb fixture(dir_);
        fixture.Exec("CREATE TABLE Sample (v)");
        for (int i = 1; i <= rows; ++i) fixture.Row("softinfo", {Record(i)});
        for (const Cell& cell : samples) fixture.Row("Sample", {cell});
        db_.Open(fixture.Finish());
    }
    std::string Current() { return rs_.Fields("information").AsText(); }

    TempDir dir_;
    Connection db_;
    Recordset rs_;
};

TEST_F(RecordsetTest, BareTableNameReadsEveryRecordInStoredOrder) {
    Build(13);
    rs_.Open("softinfo", db_);
    ASSERT_EQ(rs_.RecordCount(), 13u);
    for (int i = 1; i <= 13; ++i, rs_.MoveNext()) EXPECT_EQ(Current(), Record(i));
    EXPECT_TRUE(rs_.Eof());
}

TEST_F(RecordsetTest, AfterOpenANonEmptySetIsOnItsFirstRecord) {
    Build(2);
    rs_.Open("softinfo", db_);
    EXPECT_FALSE(rs_.Bof());
    EXPECT_FALSE(rs_.Eof());
    EXPECT_EQ(Current(), "r1");
}

TEST_F(RecordsetTest, AnEmptySetIsAtBothEnds) {
    Build(0);
    rs_.Open("softinfo", db_);
    EXPECT_EQ(rs_.RecordCount(), 0u);
    EXPECT_TRUE(rs_.Bof());
    EXPECT_TRUE(rs_.Eof());
    EXPECT_THROW(rs_.MoveNext(), ContentError);
    EXPECT_THROW(rs_.Move(1), ContentError);
    EXPECT_THROW(rs_.Move(-1), ContentError);
    EXPECT_NO_THROW(rs_.Move(0));
}

TEST_F(RecordsetTest, ReadingAFieldWithoutACurrentRecordFails) {
    Build(0);
    rs_.Open("softinfo", db_);
    try {
        Current();
        FAIL() << "no error";
    } catch (const ContentError& error) {
        EXPECT_THAT(error.what(), HasSubstr("information"));
    }
}

TEST_F(RecordsetTest, MoveNextPastTheLastRecordReachesEofThenFails) {
    Build(1);
    rs_.Open("softinfo", db_);
    rs_.MoveNext();
    EXPECT_TRUE(rs_.Eof());
    EXPECT_FALSE(rs_.Bof());
    EXPECT_THROW(Current(), ContentError);
    EXPECT_THROW(rs_.MoveNext(), ContentError);
}

struct MoveCase {
    std::vector<std::int64_t> moves;  // applied from the first of 13 records
    const char* expected;             // current record, or "EOF" / "BOF"
    const char* note;
};

class RecordsetMove : public RecordsetTest, public testing::WithParamInterface<MoveCase> {};

TEST_P(RecordsetMove, MovesRelativeToTheCurrentRecord) {
    Build(13);
    rs_.Open("softinfo", db_);
    for (std::int64_t n : GetParam().moves) rs_.Move(n);
    const std::string expected = GetParam().expected;
    if (expected == "EOF") {
        EXPECT_TRUE(rs_.Eof() && !rs_.Bof()) << GetParam().note;
    } else if (expected == "BOF") {
        EXPECT_TRUE(rs_.Bof() && !rs_.Eof()) << GetParam().note;
    } else {
        EXPECT_EQ(Current(), expected) << GetParam().note;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Moves, RecordsetMove,
    testing::Values(MoveCase{{11}, "r12", "the version record"},
                    MoveCase{{6, 1, 1, 4}, "r13", "the about text walk: 7, 8, 9, 13"},
                    MoveCase{{0}, "r1", "Move(0) stays"},
                    MoveCase{{12}, "r13", "the last record is not EOF"},
                    MoveCase{{13}, "EOF", "one past the last"},
                    MoveCase{{1000}, "EOF", "far past the last"},
                    MoveCase{{std::numeric_limits<std::int64_t>::max()}, "EOF", "no overflow"},
                    MoveCase{{-1}, "BOF", "before the first"},
                    MoveCase{{std::numeric_limits<std::int64_t>::min()}, "BOF", "no overflow back"},
                    MoveCase{{5, -3}, "r3", "backwards"},
                    MoveCase{{13, -1}, "r13", "back from EOF"},
                    MoveCase{{-1, 1}, "r1", "forward from BOF"}));

TEST_F(RecordsetTest, MovingFurtherOutFromAnEndFails) {
    Build(3);
    rs_.Open("softinfo", db_);
    rs_.Move(3);
    EXPECT_THROW(rs_.Move(1), ContentError);
    rs_.Move(-4);
    ASSERT_TRUE(rs_.Bof());
    EXPECT_THROW(rs_.Move(-1), ContentError);
}

TEST_F(RecordsetTest, FieldsAreFoundByNameIgnoringCase) {
    Build(1);
    rs_.Open("softinfo", db_);
    EXPECT_EQ(rs_.Fields("INFORMATION").AsText(), "r1");
    EXPECT_EQ(rs_.Fields("Information").Name(), "information");
}

TEST_F(RecordsetTest, AnUnknownFieldNameFailsNamingIt) {
    Build(1);
    rs_.Open("softinfo", db_);
    try {
        rs_.Fields("informations");
        FAIL() << "no error";
    } catch (const ContentError& error) {
        EXPECT_THAT(error.what(), HasSubstr("informations"));
    }
}

TEST_F(RecordsetTest, ParametersAreBoundNotPasted) {
    Build(0);
    FixtureDb extra(dir_, "quotes.db");
    extra.Row("softinfo", {"it's"}).Row("softinfo", {"x' OR '1'='1"});
    db_.Open(extra.Finish());
    rs_.Open("SELECT information FROM softinfo WHERE information = ?1", db_, "it's");
    EXPECT_EQ(rs_.RecordCount(), 1u);
    rs_.Open("SELECT information FROM softinfo WHERE information = ?1", db_, std::string("x' OR '1'='1"));
    ASSERT_EQ(rs_.RecordCount(), 1u);
    EXPECT_EQ(Current(), "x' OR '1'='1");
}

TEST_F(RecordsetTest, ABareTableNameTakesNoParameters) {
    Build(1);
    EXPECT_THROW(rs_.Open("softinfo", db_, 1), ContentError);
}

TEST_F(RecordsetTest, AFailedStatementLeavesTheRecordsetClosed) {
    Build(1);
    rs_.Open("softinfo", db_);
    EXPECT_THROW(rs_.Open("SELECT nothing FROM softinfo", db_), ContentError);
    EXPECT_FALSE(rs_.IsOpen());
    EXPECT_THROW(rs_.Open("nosuchtable", db_), ContentError);
}

TEST_F(RecordsetTest, AClosedRecordsetRefusesEveryRead) {
    Build(1);
    rs_.Open("softinfo", db_);
    rs_.Close();
    EXPECT_THROW(rs_.RecordCount(), ContentError);
    EXPECT_THROW(rs_.Eof(), ContentError);
    EXPECT_THROW(rs_.Bof(), ContentError);
    EXPECT_THROW(rs_.Fields("information"), ContentError);
    EXPECT_THROW(rs_.MoveNext(), ContentError);
    EXPECT_THROW(rs_.Move(0), ContentError);
}

TEST_F(RecordsetTest, RowsOutliveTheConnection) {
    // Rows are fetched on open, so closing the connection first is harmless.
    Build(2);
    rs_.Open("softinfo", db_);
    db_.Close();
    rs_.MoveNext();
    EXPECT_EQ(Current(), "r2");
}

// Conversions: one stored value, one conversion, the expected result or the
// expected words of the error.
enum class As { Text, Integer, Boolean, Blob };

struct ConversionCase {
    Cell stored;
    As as;
    std::string expected;  // the value in text form; a Blob as its bytes
    bool fails;
    const char* note;
};

std::string Convert(const Field& field, As as) {
    switch (as) {
        case As::Text: return field.AsText();
        case As::Integer: return std::to_string(field.AsInteger());
        case As::Boolean: return field.AsBoolean() ? "true" : "false";
        case As::Blob: {
            const Blob bytes = field.AsBlob();
            return std::string(bytes.begin(), bytes.end());
        }
    }
    return {};
}

class FieldConversion : public RecordsetTest, public testing::WithParamInterface<ConversionCase> {};

TEST_P(FieldConversion, ConvertsOrFailsNamingTheColumn) {
    const ConversionCase& c = GetParam();
    Build(0, {c.stored});
    rs_.Open("SELECT v AS score FROM Sample", db_);
    const Field field = rs_.Fields("score");
    if (!c.fails) {
        EXPECT_EQ(Convert(field, c.as), c.expected) << c.note;
        return;
    }
    try {
        Convert(field, c.as);
        ADD_FAILURE() << c.note << ": no error";
    } catch (const ContentError& error) {
        EXPECT_THAT(error.what(), HasSubstr("字段 score")) << c.note;
        EXPECT_THAT(error.what(), HasSubstr(c.expected)) << c.note;
    }
}

const Blob kJpegStart{0xFF, 0xD8, 0x00, 0xFF};

INSTANTIATE_TEST_SUITE_P(
    Values, FieldConversion,
    testing::Values(
        ConversionCase{nullptr, As::Text, "没有值", true, "NULL is no text"},
        ConversionCase{nullptr, As::Integer, "没有值", true, "NULL is no integer"},
        ConversionCase{nullptr, As::Boolean, "没有值", true, "NULL is no Boolean"},
        ConversionCase{nullptr, As::Blob, "没有值", true, "NULL is no picture"},
        ConversionCase{std::string("你好"), As::Text, "你好", false, "UTF-8 text as stored"},
        ConversionCase{std::string(""), As::Text, "", false, "empty text is a value"},
        ConversionCase{std::int64_t{87}, As::Text, "87", false, "integer as text"},
        ConversionCase{2.5, As::Text, "2.5", false, "real as text"},
        ConversionCase{kJpegStart, As::Text, "二进制", true, "bytes are no text"},
        ConversionCase{std::int64_t{-3}, As::Integer, "-3", false, "negative"},
        ConversionCase{std::int64_t{2147483647}, As::Integer, "2147483647", false, "largest 32-bit"},
        ConversionCase{std::int64_t{2147483648}, As::Integer, "超出整数范围", true, "beyond 32 bits"},
        ConversionCase{std::string(" 42 "), As::Integer, "42", false, "digits with blanks"},
        ConversionCase{std::string("+7"), As::Integer, "7", false, "plus sign"},
        ConversionCase{std::string("4x"), As::Integer, "“4x”", true, "trailing junk"},
        ConversionCase{std::string(""), As::Integer, "“”", true, "empty text"},
        ConversionCase{std::string("+-1"), As::Integer, "“+-1”", true, "two signs"},
        ConversionCase{2.5, As::Integer, "2", false, "half rounds to even"},
        ConversionCase{3.5, As::Integer, "4", false, "half rounds to even, up"},
        ConversionCase{1e12, As::Integer, "超出整数范围", true, "real beyond 32 bits"},
        ConversionCase{kJpegStart, As::Integer, "二进制", true, "bytes are no integer"},
        ConversionCase{std::int64_t{0}, As::Boolean, "false", false, "No"},
        ConversionCase{std::int64_t{1}, As::Boolean, "true", false, "Yes"},
        ConversionCase{std::int64_t{-1}, As::Boolean, "true", false, "Jet's Yes"},
        ConversionCase{std::string("TRUE"), As::Boolean, "true", false, "word, any case"},
        ConversionCase{std::string("false"), As::Boolean, "false", false, "word"},
        ConversionCase{std::string("0"), As::Boolean, "false", false, "number as text"},
        ConversionCase{std::string("yes"), As::Boolean, "“yes”", true, "not a Boolean word"},
        ConversionCase{kJpegStart, As::Blob, std::string("\xFF\xD8\x00\xFF", 4), false, "bytes with a zero"},
        ConversionCase{std::string("abc"), As::Blob, "abc", false, "text as its bytes"},
        ConversionCase{std::int64_t{5}, As::Blob, "数字", true, "a number is no picture"}));

TEST_F(RecordsetTest, AConversionMessageShortensALongText) {
    Build(0, {std::string(500, 'z')});
    rs_.Open("SELECT v FROM Sample", db_);
    try {
        rs_.Fields("v").AsInteger();
        FAIL() << "no error";
    } catch (const ContentError& error) {
        EXPECT_LT(std::string(error.what()).size(), 200u);
    }
}

}  // namespace
}  // namespace zuno::content
