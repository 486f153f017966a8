// Prints one of the program's search statements with its keyword written in as a
// quoted literal, so that perf-report.sh can time the very same statement in the
// sqlite3 tool. Usage: zuno-search-sql tests|articles|humour KEYWORD
#include "content/Statements.h"

#include <cstdio>
#include <cstring>
#include <string>

int main(int argc, char** argv) {
    using namespace zuno::content;
    if (argc != 3) {
        std::fprintf(stderr, "usage: zuno-search-sql tests|articles|humour KEYWORD\n");
        return 2;
    }
    const char* statement = std::strcmp(argv[1], "tests") == 0      ? kTestSearchStatement
                            : std::strcmp(argv[1], "articles") == 0 ? kArticleSearchStatement
                            : std::strcmp(argv[1], "humour") == 0   ? kHumorSearchStatement
                                                                    : nullptr;
    if (!statement) {
        std::fprintf(stderr, "zuno-search-sql: unknown kind %s\n", argv[1]);
        return 2;
    }
    std::string literal = "'";
    for (const char* c = argv[2]; *c; ++c) literal += *c == '\'' ? std::string("''") : std::string(1, *c);
    literal += "'";
    std::string sql = statement;
    for (size_t at = sql.find("?1"); at != std::string::npos; at = sql.find("?1", at + literal.size()))
        sql.replace(at, 2, literal);
    std::printf("%s;\n", sql.c_str());
    return 0;
}
