// The connection string keeps the provider's form, and its Data Source is what
// the connection opens; paths that would break the key=value form survive.
#include "content/ConnectionString.h"

#include "content/ContentError.h"

#include <gtest/gtest.h>

namespace zuno::content {
namespace {

TEST(ConnectionString, IsTheProviderStringWithThePassword) {
    EXPECT_EQ(BuildConnectionString("C:\\Mobix\\"),
              "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=C:\\Mobix\\test.dll;Persist Security "
              "Info=False;Jet OLEDB:Database Password=qirvad418wum");
}

struct RoundTrip {
    const char* exepath;
    const char* note;
};

class DataSourceRoundTrip : public testing::TestWithParam<RoundTrip> {};

TEST_P(DataSourceRoundTrip, GivesBackTheDatabasePath) {
    const std::string exepath = GetParam().exepath;
    EXPECT_EQ(DataSourceOf(BuildConnectionString(exepath)), exepath + "test.dll") << GetParam().note;
}

INSTANTIATE_TEST_SUITE_P(
    Paths, DataSourceRoundTrip,
    testing::Values(RoundTrip{"C:\\Program Files\\Mobix\\", "blanks inside"},
                    RoundTrip{"D:\\心理测试\\", "UTF-8 folder name"},
                    RoundTrip{"C:\\a;b\\", "';' would end the value unquoted"},
                    RoundTrip{"\"quoted\"\\", "leading quote, inner quotes doubled"},
                    RoundTrip{" C:\\lead\\", "leading blank would be trimmed unquoted"},
                    RoundTrip{"/opt/mobix/", "POSIX path"}));

struct Parse {
    const char* text;
    const char* source;
};

class DataSourceParse : public testing::TestWithParam<Parse> {};

TEST_P(DataSourceParse, FindsTheKey) { EXPECT_EQ(DataSourceOf(GetParam().text), GetParam().source); }

INSTANTIATE_TEST_SUITE_P(
    Forms, DataSourceParse,
    testing::Values(Parse{"data source=x.db", "x.db"},                       // key case
                    Parse{"Provider=P; Data Source = x.db ;Other=1", "x.db"},  // blanks around
                    Parse{"A;Data Source=x.db", "x.db"},                     // a piece without '='
                    Parse{"Data Source='it''s.db';X=1", "it's.db"},          // single quotes
                    Parse{"Provider=a=b;Data Source=x.db", "x.db"}));         // '=' inside a value

TEST(DataSourceOf, FailsWithoutAUsableDataSource) {
    for (const char* text : {"", "Provider=Microsoft.Jet.OLEDB.4.0", "Data Source=;X=1",
                             "Data Source=\"unclosed", "DataSource=x.db"}) {
        EXPECT_THROW(DataSourceOf(text), ContentError) << text;
    }
}

}  // namespace
}  // namespace zuno::content
