#include "app/FileFilter.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

namespace tilora {
namespace {

TEST(FileFilterTest, TurnsTheClassicFilterIntoQtPairs)
{
    EXPECT_EQ(QtFileFilter("Bitmap Files(*.BMP)|*.bmp|All Files (*.*)|*.*|"),
              "Bitmap Files(*.BMP) (*.[bB][mM][pP]);;All Files (*.*) (*)");
    EXPECT_EQ(QtFileFilter("Tilora Files(*.TLR)|*.tlr|All Files (*.*)|*.*|"),
              "Tilora Files(*.TLR) (*.[tT][lL][rR]);;All Files (*.*) (*)");
    EXPECT_EQ(QtFileFilter(""), "");
}

TEST(FileFilterTest, PatternsMatchRegardlessOfCase)
{
    const QRegularExpression re(QRegularExpression::wildcardToRegularExpression("*.[bB][mM][pP]"));
    EXPECT_TRUE(re.match("photo.BMP").hasMatch());
    EXPECT_TRUE(re.match("photo.bmp").hasMatch());
    EXPECT_FALSE(re.match("photo.png").hasMatch());
}

}  // namespace
}  // namespace tilora
