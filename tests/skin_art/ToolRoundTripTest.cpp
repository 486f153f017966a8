// The command-line path the build takes: zuno-skinart writes the skin folders,
// zuno-skinpack packs them; unpacking gives every file back byte for byte, and
// "info" describes a shipped package the same way every time it is asked.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "SkinArtFixtures.h"

namespace zuno::skinart::test {
namespace {

namespace fs = std::filesystem;

struct Result {
    int exitCode = -1;
    std::string out;
};

std::string Quoted(const std::string& s) { return "'" + s + "'"; }

Result RunCommand(const std::string& command) {
    Result r;
    FILE* pipe = popen((command + " 2>/dev/null").c_str(), "r");
    if (!pipe) return r;
    std::array<char, 4096> buffer;
    size_t n;
    while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) r.out.append(buffer.data(), n);
    const int status = pclose(pipe);
    r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}

std::vector<std::uint8_t> ReadBytes(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class ToolRoundTripTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        work = fs::temp_directory_path() / ("zuno-skin-art-" + std::to_string(getpid()));
        fs::remove_all(work);
        allResult = RunCommand(Quoted(ZUNO_SKINART_TOOL) + " " + Quoted((work / "art").string()) + " --all");
    }
    static void TearDownTestSuite() { fs::remove_all(work); }

    static fs::path Folder(const SkinStyle& s) { return work / "art" / fs::u8path(s.name); }

    static inline fs::path work;
    static inline Result allResult;
};

TEST_F(ToolRoundTripTest, WritesEveryFileTheGeneratorMakes) {
    ASSERT_EQ(allResult.exitCode, 0);
    for (const SkinStyle& s : AllSkinStyles()) {
        SCOPED_TRACE(s.id);
        const auto files = SkinFiles(Generated(s));
        size_t onDisk = 0;
        for (const auto& entry : fs::directory_iterator(Folder(s))) onDisk += entry.is_regular_file();
        EXPECT_EQ(onDisk, files.size());
        for (const auto& [name, bytes] : files) EXPECT_TRUE(ReadBytes(Folder(s) / name) == bytes) << name;
    }
}

TEST_F(ToolRoundTripTest, PackAndUnpackGiveEveryFileBack) {
    ASSERT_EQ(allResult.exitCode, 0);
    for (const SkinStyle& s : AllSkinStyles()) {
        SCOPED_TRACE(s.id);
        const fs::path package = work / (s.id + ".skn"), back = work / ("back-" + s.id);
        ASSERT_EQ(RunCommand(Quoted(ZUNO_SKINPACK_TOOL) + " pack " + Quoted(Folder(s).string()) + " " + Quoted(package.string())).exitCode, 0);
        ASSERT_EQ(RunCommand(Quoted(ZUNO_SKINPACK_TOOL) + " unpack " + Quoted(package.string()) + " " + Quoted(back.string())).exitCode, 0);
        for (const auto& entry : fs::directory_iterator(Folder(s)))
            EXPECT_TRUE(ReadBytes(entry.path()) == ReadBytes(back / entry.path().filename()))
                << entry.path().filename();
        // The tool packs what the in-memory writer packs.
        EXPECT_TRUE(ReadBytes(package) == PackageBytes(Generated(s)));
    }
}

TEST_F(ToolRoundTripTest, InfoIsStableAndDescribesTheSkin) {
    ASSERT_EQ(allResult.exitCode, 0);
    for (const SkinStyle& s : AllSkinStyles()) {
        SCOPED_TRACE(s.id);
        const fs::path package = work / ("info-" + s.id + ".skn");
        ASSERT_EQ(RunCommand(Quoted(ZUNO_SKINPACK_TOOL) + " pack " + Quoted(Folder(s).string()) + " " + Quoted(package.string())).exitCode, 0);
        const Result first = RunCommand(Quoted(ZUNO_SKINPACK_TOOL) + " info " + Quoted(package.string()));
        const Result second = RunCommand(Quoted(ZUNO_SKINPACK_TOOL) + " info " + Quoted(package.string()));
        ASSERT_EQ(first.exitCode, 0);
        EXPECT_EQ(first.out, second.out);
        EXPECT_NE(first.out.find("\"FrameCount\": 23"), std::string::npos) << "the scroll bar strip";
        EXPECT_NE(first.out.find("\"BUTTONORNAMENT\""), std::string::npos);
    }
}

TEST_F(ToolRoundTripTest, ListsEverySkinOnceWithOneDefault) {
    const Result list = RunCommand(Quoted(ZUNO_SKINART_TOOL) + " --list");
    ASSERT_EQ(list.exitCode, 0);
    size_t lines = 0, defaults = 0;
    for (size_t at = 0; (at = list.out.find('\n', at)) != std::string::npos; ++at) ++lines;
    for (size_t at = 0; (at = list.out.find("\tdefault\t", at)) != std::string::npos; ++at) ++defaults;
    EXPECT_EQ(lines, AllSkinStyles().size());
    EXPECT_EQ(defaults, 1u);
    for (const SkinStyle& s : AllSkinStyles()) EXPECT_NE(list.out.find(s.name + "\t" + s.id), std::string::npos);
}

TEST_F(ToolRoundTripTest, OneSkinByIdAndRefusals) {
    const fs::path one = work / "one";
    EXPECT_EQ(RunCommand(Quoted(ZUNO_SKINART_TOOL) + " " + Quoted(one.string()) + " silver").exitCode, 0);
    EXPECT_TRUE(fs::exists(one / fs::u8path(FindSkinStyle("silver")->name) / kDefinitionMember));
    EXPECT_EQ(RunCommand(Quoted(ZUNO_SKINART_TOOL) + " " + Quoted(one.string()) + " no-such-skin").exitCode, 2);
    EXPECT_EQ(RunCommand(Quoted(ZUNO_SKINART_TOOL)).exitCode, 2);
    // A folder of an earlier run keeps no file the skin no longer has.
    const fs::path stale = one / fs::u8path(FindSkinStyle("silver")->name) / "old_part.bmp";
    std::ofstream(stale) << "x";
    EXPECT_EQ(RunCommand(Quoted(ZUNO_SKINART_TOOL) + " " + Quoted(one.string()) + " silver").exitCode, 0);
    EXPECT_FALSE(fs::exists(stale));
}

}  // namespace
}  // namespace zuno::skinart::test
