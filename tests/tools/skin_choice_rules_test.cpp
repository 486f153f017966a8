// The skin menu's rules: which directory entries are listed, and that an entry's
// caption leads back to exactly its own file.
#include <gtest/gtest.h>

#include "tools/core/SkinChoiceRules.h"

namespace zuno::tools {
namespace {

TEST(SkinChoiceRules, ListsPlainFilesWhateverTheirArchiveAndReadOnlyBits) {
    struct Case {
        std::uint32_t attributes;
        bool listed;
        const char* what;
    };
    const Case cases[] = {
        {0x80, true, "FILE_ATTRIBUTE_NORMAL"},
        {0, true, "no bit at all"},
        {kAttributeArchive, true, "archive"},
        {kAttributeReadOnly, true, "read-only without archive"},
        {kAttributeReadOnly | kAttributeArchive, true, "read-only archive"},
        {0x2000 | kAttributeArchive, true, "not content indexed"},
        {kAttributeHidden | kAttributeArchive, false, "hidden"},
        {kAttributeSystem, false, "system"},
        {kAttributeDirectory, false, "a folder named x.skn"},
        {kAttributeDirectory | kAttributeArchive, false, "a folder with the archive bit"},
        {kAttributeVolume, false, "volume label"},
    };
    for (const Case& c : cases) EXPECT_EQ(ListedAsSkinPackage(c.attributes), c.listed) << c.what;
}

TEST(SkinChoiceRules, CaptionDropsTheLastFourCharactersAndNothingElse) {
    struct Case {
        const wchar_t* file;
        const wchar_t* caption;
    };
    const Case cases[] = {
        {L"Blue.skn", L"Blue"},         // letter case kept
        {L"a.skn.skn", L"a.skn"},       // only the last extension goes
        {L"R&B.skn", L"R&B"},           // no accelerator mark added or taken
        {L"冬日 蓝.skn", L"冬日 蓝"},
        {L".skn", L""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SkinEntryCaption(c.file), c.caption);
        EXPECT_EQ(SkinFileOfEntry(SkinEntryCaption(c.file)), c.file) << "the entry loads its own file again";
    }
}

}  // namespace
}  // namespace zuno::tools
