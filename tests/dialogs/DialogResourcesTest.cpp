#include "dialogs/ToolImages.h"

#include <QFile>
#include <QTranslator>

#include <gtest/gtest.h>

#include <cstring>

namespace {

using namespace dialogs;

std::uint32_t LittleEndian(const QByteArray& bytes, int offset, int size)
{
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | static_cast<std::uint8_t>(bytes[offset + i]);
    return value;
}

class ToolBitmaps : public testing::TestWithParam<const char*> {};

TEST_P(ToolBitmaps, AreSixteenColourBitmapsWhoseRedIsTransparent)
{
    QFile file(ToolImagePath(GetParam()));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bmp = file.readAll();
    ASSERT_GE(bmp.size(), 54);
    EXPECT_TRUE(bmp.startsWith("BM"));
    EXPECT_EQ(LittleEndian(bmp, 18, 4), 16u) << "width";
    EXPECT_EQ(LittleEndian(bmp, 22, 4), 16u) << "height";
    EXPECT_EQ(LittleEndian(bmp, 28, 2), 4u) << "bits per pixel";

    const QImage image = LoadToolImage(ToolImagePath(GetParam()));
    ASSERT_EQ(image.size(), QSize(16, 16));
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << "the red background is transparent";
    int opaque = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            if (qAlpha(image.pixel(x, y)) != 0) {
                ++opaque;
                EXPECT_NE(image.pixel(x, y), qRgb(0xFF, 0, 0)) << "no red is left opaque";
            }
    EXPECT_GT(opaque, 40) << "there is a drawing";
}

INSTANTIATE_TEST_SUITE_P(Resources, ToolBitmaps, testing::Values("COPY", "SAVE", "PRINT", "HELP"));

TEST(ToolBitmap, HelpBookCarriesABlueQuestionMark)
{
    const QImage help = LoadToolImage(ToolImagePath("HELP"));
    int blue = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            blue += help.pixel(x, y) == qRgb(0, 0, 0xFF);
    EXPECT_GE(blue, 10);
}

TEST(ToolBitmap, MissingBitmapGivesANullImage)
{
    EXPECT_TRUE(LoadToolImage(QStringLiteral(":/dialogs/MISSING")).isNull());
}

TEST(CaptionTranslations, CarryEveryLocalisableCaption)
{
    QTranslator translator;
    ASSERT_TRUE(translator.load(QStringLiteral(":/i18n/dialogs_zh_CN.qm")));
    for (const char* caption : {"警告!", "错误!", "提示!", "确认?", "是(&Y)", "否(&N)", "确定", "取消",
                                "终止(&A)", "重试(&R)", "忽略(&I)", "全部(&A)", "全否(&o)", "全是(&A)",
                                "帮助(&H)", "详细信息>>", "<<详细信息"})
        EXPECT_EQ(translator.translate("DialogEx", caption), QString::fromUtf8(caption)) << caption;
}

}  // namespace
