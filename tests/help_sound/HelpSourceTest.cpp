// The help sources agree with one another and with the program: every page is
// listed in the project and the contents under its own title, every link and index
// entry leads to a page, and the pages quote the program's menus and keys exactly.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <set>
#include <string>

#include "tests/help_sound/TestFiles.h"

namespace zuno::testing {
namespace {

const std::filesystem::path kDir = ZUNO_HELP_SOURCE_DIR;

// A source as LF text, whatever line ends an editor left in it.
std::string Source(const std::string& name) {
    std::string text = ReadBytes(kDir / name);
    std::erase(text, '\r');
    return text;
}

std::set<std::string> Pages() {
    std::set<std::string> pages;
    for (const auto& item : std::filesystem::directory_iterator(kDir))
        if (item.path().extension() == ".htm") pages.insert(item.path().filename().string());
    return pages;
}

std::string Between(const std::string& text, const std::string& open, const std::string& close) {
    const size_t a = text.find(open);
    if (a == std::string::npos) return {};
    const size_t b = text.find(close, a + open.size());
    if (b == std::string::npos) return {};
    return text.substr(a + open.size(), b - a - open.size());
}

TEST(HelpSources, EveryPageIsListedUnderItsOwnTitle) {
    const std::string hhp = Source("ZunoHelp.hhp");
    const std::string hhc = Source("ZunoHelp.hhc");
    for (const std::string& page : Pages()) {
        const std::string html = Source(page);
        const std::string title = Between(html, "<title>", "</title>");
        EXPECT_FALSE(title.empty()) << page;
        EXPECT_EQ(Between(html, "<h1>", "</h1>"), title) << page;
        EXPECT_NE(hhp.find("\n" + page + "\n"), std::string::npos) << page << " not in [FILES]";
        const std::string entry =
            "<param name=\"Name\" value=\"" + title + "\"><param name=\"Local\" value=\"" + page + "\">";
        EXPECT_NE(hhc.find(entry), std::string::npos) << page << " not in the contents as " << title;
        EXPECT_NE(html.find("charset=gb2312"), std::string::npos) << page;
        EXPECT_NE(html.find("href=\"zuno.css\""), std::string::npos) << page;
    }
}

TEST(HelpSources, ProjectIsSimplifiedChineseWithContentsAndIndex) {
    const std::string hhp = Source("ZunoHelp.hhp");
    for (const char* line : {"Language=0x804\n", "Contents file=ZunoHelp.hhc\n", "Index file=ZunoHelp.hhk\n",
                             "Default topic=index.htm\n", "Compiled file=ZunoHelp.chm\n"})
        EXPECT_NE(hhp.find(line), std::string::npos) << line;
}

TEST(HelpSources, EveryLinkAndIndexEntryLeadsToAPage) {
    const std::set<std::string> pages = Pages();
    const std::regex href("href=\"([^\"#]+)");
    const std::regex local("name=\"Local\" value=\"([^\"]+)\"");
    for (const std::string& page : pages) {
        const std::string html = Source(page);
        for (std::sregex_iterator m(html.begin(), html.end(), href), end; m != end; ++m) {
            const std::string target = (*m)[1];
            if (target == "zuno.css") continue;
            EXPECT_TRUE(pages.count(target)) << page << " links to " << target;
        }
    }
    int keywords = 0;
    for (const char* nav : {"ZunoHelp.hhc", "ZunoHelp.hhk"}) {
        const std::string text = Source(nav);
        for (std::sregex_iterator m(text.begin(), text.end(), local), end; m != end; ++m) {
            EXPECT_TRUE(pages.count((*m)[1])) << nav << " names " << (*m)[1];
            if (std::string(nav) == "ZunoHelp.hhk") ++keywords;
        }
    }
    EXPECT_GE(keywords, 40);
}

TEST(HelpSources, MenuPageQuotesEveryMenuCommandAndShortcut) {
    const std::string html = Source("window.htm");
    for (const char* caption : {"选择问题", "心理文章", "幽默文集", "工具", "复制内容到剪贴板", "搜索题库", "更换皮肤",
                                "更改字体", "记录测试结果", "使用音效", "帮助", "使用说明", "使用问答", "关于Mobix",
                                "Ctrl+C", "F3", "Ctrl+F", "F1", "上一题", "下一题", "完&nbsp;&nbsp;成",
                                "退&nbsp;&nbsp;出", "Esc"})
        EXPECT_NE(html.find(caption), std::string::npos) << caption;
}

TEST(HelpSources, KeyPageNamesEveryTestKey) {
    const std::string html = Source("keys.htm");
    for (const char* key : {"Enter", "空格键", "Backspace", "Esc", "Tab", "方向键", "F1", "F3", "Ctrl+C", "Ctrl+F"})
        EXPECT_NE(html.find(key), std::string::npos) << key;
}

TEST(HelpSources, TestPagesExplainMarksAndResults) {
    const std::string choose = Source("choose.htm");
    for (const char* mark : {"（男）", "（女）", "New", "%", "?"})
        EXPECT_NE(choose.find(mark), std::string::npos) << mark;
    const std::string results = Source("results.htm");
    for (const char* kind : {"计分型", "选项统计型", "逐项解释型", "没有得出测试结果"})
        EXPECT_NE(results.find(kind), std::string::npos) << kind;
    const std::string record = Source("record.htm");
    for (const char* fact : {"zuno7.txt", "0～99", "第1个问题的选择为： 第2个 选项", "覆盖"})
        EXPECT_NE(record.find(fact), std::string::npos) << fact;
    const std::string notice = Source("notice.htm");
    EXPECT_NE(notice.find("不是诊断"), std::string::npos);
    EXPECT_NE(notice.find("求助"), std::string::npos);
}

}  // namespace
}  // namespace zuno::testing
