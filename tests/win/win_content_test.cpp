// The sample content database as the Windows program finds it: beside the exe,
// addressed through the connection string, with pictures that libjpeg decodes and
// damaged pictures that fail with an error instead of ending the process.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "content/Connection.h"
#include "content/ConnectionString.h"
#include "content/Recordset.h"
#include "content/Statements.h"
#include "runner/JpegDecoder.h"
#include "winutil/WideText.h"

namespace {

using namespace zuno::content;
using zuno::runner::DecodeJpeg;
using zuno::runner::JpegError;

std::string ExeFolder() {
    wchar_t buf[MAX_PATH * 4];
    const DWORD n = GetModuleFileNameW(nullptr, buf, static_cast<DWORD>(std::size(buf)));
    std::wstring path(buf, n);
    return zuno::app::Narrow(path.substr(0, path.find_last_of(L"\\/") + 1));
}

class SampleDatabase : public ::testing::Test {
protected:
    void SetUp() override { adoconn.Open(DataSourceOf(BuildConnectionString(ExeFolder()))); }
    Blob FirstPicture() {
        Recordset rs;
        OpenPicture(rs, adoconn, 1);
        return rs.Fields("pic").AsBlob();
    }
    Connection adoconn;
};

TEST_F(SampleDatabase, OpensFromTheExeFolderWithVersion43) {
    Recordset rs;
    OpenSoftInfo(rs, adoconn);
    ASSERT_GE(rs.RecordCount(), 13u);
    rs.Move(11);
    EXPECT_EQ(rs.Fields("information").AsText(), "4.3");
}

TEST_F(SampleDatabase, HasTestsArticlesAndHumour) {
    Recordset rs;
    OpenHighestTestNumber(rs, adoconn);
    EXPECT_GE(rs.Fields("RecId").AsInteger(), 30);
    OpenHighestArticleNumber(rs, adoconn);
    EXPECT_GE(rs.Fields("Id").AsInteger(), 15);
    OpenHighestHumorNumber(rs, adoconn);
    EXPECT_GE(rs.Fields("Id").AsInteger(), 15);
}

TEST_F(SampleDatabase, PictureDecodesWithLibjpeg) {
    const Blob jpeg = FirstPicture();
    const auto picture = DecodeJpeg(jpeg);
    EXPECT_GT(picture.width, 16);
    EXPECT_GT(picture.height, 16);
    EXPECT_EQ(picture.pixels.size(), static_cast<size_t>(picture.width) * picture.height);
}

TEST_F(SampleDatabase, DamagedPicturesFailWithAnError) {
    const Blob jpeg = FirstPicture();
    ASSERT_GT(jpeg.size(), 600u);
    const Blob truncated(jpeg.begin(), jpeg.begin() + jpeg.size() / 2);
    EXPECT_THROW(DecodeJpeg(truncated), JpegError);
    Blob headerOnly(jpeg.begin(), jpeg.begin() + 20);
    EXPECT_THROW(DecodeJpeg(headerOnly), JpegError);
    Blob noise = jpeg;
    for (size_t i = 2; i < noise.size(); ++i) noise[i] = static_cast<uint8_t>(i * 37);
    EXPECT_THROW(DecodeJpeg(noise), JpegError);
    // Still here: the decoder's error path returned instead of exiting.
    EXPECT_NO_THROW(DecodeJpeg(jpeg));
}

}  // namespace
