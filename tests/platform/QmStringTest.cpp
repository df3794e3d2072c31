#include "platform/QmString.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(QmString, EqualityIgnoresCaseAndWidthAndNullIsEmpty)
{
    EXPECT_TRUE(QmWString(L"Service Pack 1") == QmWString(L"SERVICE PACK 1"));
    EXPECT_TRUE(QmWString(L"abc") == QmWString(L"\xFF21\xFF22\xFF23"));  // full-width ABC
    EXPECT_TRUE(QmString("Home Edition") == QmString("home edition"));
    EXPECT_TRUE(QmWString(L"Service Pack 1") != QmWString(L"Service Pack 2"));
    EXPECT_TRUE(QmWString(L"a") < QmWString(L"B"));
    EXPECT_FALSE(TextEquals(L"2147483648", L"0x80000000"));
    const QmWString fromNull(static_cast<const wchar_t*>(nullptr));
    EXPECT_STREQ(L"", fromNull.CStr());
    EXPECT_TRUE(fromNull == QmWString(L""));
    EXPECT_TRUE(TextEquals(nullptr, L""));
    EXPECT_EQ(-1, QmWString(L"abc").Find(static_cast<const wchar_t*>(nullptr), 5));
}

TEST(QmString, ConcatenationGrowsAndCopiesAreIndependent)
{
    const QmWString a(std::wstring(6000, L'\x4E2D').c_str());
    const QmWString joined = a + QmWString(std::wstring(6000, L'b').c_str());
    EXPECT_EQ(12000, joined.Length());
    EXPECT_EQ(L'\x4E2D', joined.At(5999));
    EXPECT_EQ(L'b', joined.At(6000));
    EXPECT_EQ(6000, a.Length());

    QmWString self(L"ab");
    self += self;
    EXPECT_STREQ(L"abab", self.CStr());
    QmWString copy(self);
    copy += QmWString(L"!");
    EXPECT_STREQ(L"abab", self.CStr());
    EXPECT_STREQ(L"abab!", copy.CStr());
}

TEST(QmString, SubstringsAreClampedAndSearchesStayInside)
{
    const QmWString text(L"Service Pack 3");
    EXPECT_STREQ(L"Pack", text.Substring(8, 12).CStr());
    EXPECT_STREQ(L"3", text.Substring(13).CStr());
    EXPECT_STREQ(L"", text.Substring(20, 30).CStr());
    EXPECT_STREQ(L"Service", text.Substring(-5, 7).CStr());
    EXPECT_STREQ(L"", text.Substring(8, 2).CStr());
    EXPECT_STREQ(L"Service Pack 3", text.Substring(0, 1000).CStr());
    EXPECT_EQ(0, text.At(14));
    EXPECT_EQ(0, text.At(-1));

    const QmWString name(L"a.qmb.txt");
    EXPECT_EQ(1, name.Find(L'.'));
    EXPECT_EQ(-1, name.Find(L"qmb", 3));
    EXPECT_EQ(6, name.Find(L"txt", -4));
    EXPECT_EQ(-1, name.Find(L"txtx", 0));
}

TEST(QmString, ConvertsBetweenWidthsThroughTheAnsiCodePage)
{
    // The tests run with code page 950 (zh_TW).
    EXPECT_STREQ(L"\x958B\x59CB", QmWString("\xB6\x7D\xA9\x6C").CStr());  // Big5 開始
    EXPECT_STREQ("\xB6\x7D\xA9\x6C", QmString(L"\x958B\x59CB").CStr());
}

}  // namespace
