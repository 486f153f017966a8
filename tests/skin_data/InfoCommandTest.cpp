// The output of "zuno-skinpack info", which skin checks compare: its exact shape for
// a small skin (key order, bitmap triples, escaping, colour numbers) and its failure
// on a package of another version.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "tests/skin_data/SkinTestPackages.h"

namespace zuno::skin {
namespace {

struct RunResult {
    int status = -1;
    std::string out;
};

RunResult RunInfo(const std::vector<std::uint8_t>& package) {
    const auto path = std::filesystem::temp_directory_path() /
                      ("skin_info_test_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + ".skn");
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(package.data()), static_cast<std::streamsize>(package.size()));
    const std::string command = std::string(ZUNO_SKINPACK_PATH) + " info '" + path.string() + "' 2>/dev/null";
    RunResult result;
    if (std::FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        std::size_t got = 0;
        while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) result.out.append(buffer, got);
        result.status = pclose(pipe);
    }
    std::filesystem::remove(path);
    return result;
}

TEST(SkinDataInfoCommand, PrintsTheSkinDataInDeclarationOrder) {
    const RunResult r = RunInfo(test::SkinPackage(
        "[TitlebarSkin]\nSkinName=A \"q\" \\ \xC0\xB6\n[Colours]\nMenu=1 2 3\n[Button1]\nButtonImage=b.bmp\n",
        {test::Member("b.bmp", test::Bmp(2, 1))}));
    ASSERT_EQ(r.status, 0);
    const std::string head =
        "{\n"
        "  \"SkinName\": \"A \\\"q\\\" \\\\ \\u00c0\\u00b6\",\n"
        "  \"NoSkin\": false,\n"
        "  \"TitleTextActiveColour\": 2147483657,\n";
    EXPECT_EQ(r.out.substr(0, head.size()), head);
    EXPECT_NE(r.out.find("  \"MenuColour\": 197121,\n"), std::string::npos) << "RGB(1,2,3) = 0x030201";
    const std::string button =
        "  \"SysButtons\": [\n"
        "    {\n"
        "      \"LeftWidth\": 0,\n"
        "      \"TopHeight\": 0,\n"
        "      \"RightWidth\": 0,\n"
        "      \"BottomHeight\": 0,\n"
        "      \"Bitmap\": [2, 1, 3104249497],\n"
        "      \"Trans\": 0,\n"
        "      \"Tile\": 0,\n"
        "      \"Name\": \"BUTTON1\",\n"
        "      \"FrameCount\": 3,\n"
        "      \"Style\": 0,\n"
        "      \"NormalColour\": 0,\n"
        "      \"MouseOverColour\": 0,\n"
        "      \"PressedColour\": 0,\n"
        "      \"NormalColour2\": 0,\n"
        "      \"MouseOverColour2\": 0,\n"
        "      \"PressedColour2\": 0,\n"
        "      \"Action\": 0,\n"
        "      \"Align\": 0,\n"
        "      \"Xcoord\": 0,\n"
        "      \"Ycoord\": 0,\n"
        "      \"CombineOp\": -1,\n"
        "      \"Visibility\": 0,\n"
        "      \"Visibility1\": 0\n"
        "    },\n";
    EXPECT_NE(r.out.find(button), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("  \"Tabs\": null,\n"), std::string::npos);
    const std::string tail =
        "  \"Members\": [\n"
        "    \"skin.ini\",\n"
        "    \"b.bmp\"\n"
        "  ]\n"
        "}\n";
    ASSERT_GE(r.out.size(), tail.size());
    EXPECT_EQ(r.out.substr(r.out.size() - tail.size()), tail);
    EXPECT_EQ(r.out.find(" \n"), std::string::npos) << "no trailing spaces";
    const std::vector<std::string> order = {"\"Title\"", "\"SysButtons\"", "\"Buttons\"", "\"Tabs\"",
                                            "\"Progress\"", "\"ComboButton\"", "\"MenuBar\"",
                                            "\"TrackbarThumbVert\"", "\"LeftBorder\"", "\"BottomBorder\"",
                                            "\"Members\""};
    std::size_t at = 0;
    for (const std::string& key : order) {
        const std::size_t found = r.out.find("\n  " + key + ":", at);
        ASSERT_NE(found, std::string::npos) << key << " missing or out of order";
        at = found;
    }
}

TEST(SkinDataInfoCommand, RefusesAPackageOfAnotherVersion) {
    std::vector<std::uint8_t> archive = BuildSkinArchive({test::TextMember("skin.ini", "[TitlebarSkin]\n")});
    archive[0] ^= 1;
    const RunResult r = RunInfo(PackSkinArchive(archive));
    EXPECT_NE(r.status, 0);
    EXPECT_EQ(r.out, "") << "no half document on failure";
}

}  // namespace
}  // namespace zuno::skin
