// zuno-contentgen OUT.db --tests N --questions Q --options K --articles A --humor H
// [--seed S]: writes a large synthetic content database for load and speed checks.
#include <charconv>
#include <cstdio>
#include <exception>
#include <string_view>

#include "authoring/contentgen/Generator.h"

namespace {

int Usage() {
    std::fputs("usage: zuno-contentgen OUT.db --tests N --questions Q --options K --articles A --humor H [--seed S]\n", stderr);
    return 2;
}

template <class T>
bool ParseNumber(std::string_view text, T& value) {
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size();
}

}  // namespace

int main(int argc, char** argv) {
    using namespace zuno::authoring;
    GenerateOptions o;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (!arg.starts_with("--")) {
            if (!o.output.empty()) return Usage();
            o.output = argv[i];
            continue;
        }
        if (i + 1 >= argc) return Usage();
        const std::string_view value = argv[++i];
        bool ok = false;
        if (arg == "--tests") ok = ParseNumber(value, o.tests);
        else if (arg == "--questions") ok = ParseNumber(value, o.questions);
        else if (arg == "--options") ok = ParseNumber(value, o.options);
        else if (arg == "--articles") ok = ParseNumber(value, o.articles);
        else if (arg == "--humor") ok = ParseNumber(value, o.humor);
        else if (arg == "--seed") ok = ParseNumber(value, o.seed);
        if (!ok) return Usage();
    }
    if (std::string problem = CheckGenerateOptions(o); !problem.empty()) {
        std::fprintf(stderr, "zuno-contentgen: error: %s\n", problem.c_str());
        return 2;
    }
    try {
        const GenerateCounts c = GenerateContentDatabase(o);
        std::printf("zuno-contentgen: wrote %s: %lld tests, %lld questions, %lld options, %lld articles, %lld humour texts\n",
                    o.output.string().c_str(), static_cast<long long>(c.tests), static_cast<long long>(c.questions),
                    static_cast<long long>(c.options), static_cast<long long>(c.articles), static_cast<long long>(c.humor));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "zuno-contentgen: error: %s\n", e.what());
        return 1;
    }
    return 0;
}
