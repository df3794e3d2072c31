#include "platform/QmString.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(QmString, EqualityIgnoresCaseAndWidth)
{
    EXPECT_TRUE(QmWString(L"Service Pack 1") == QmWString(L"SERVICE PACK 1"));
    EXPECT_TRUE(QmWString(L"abc") == QmWString(L"\xFF21\xFF22\xFF23"));  // full-width ABC
    EXPECT_TRUE(QmString("Home Edition") == QmString("home edition"));
    EXPECT_TRUE(QmWString(L"Service Pack 1") != QmWString(L"Service Pack 2"));
    EXPECT_TRUE(QmWString(L"a") < QmWString(L"B"));
    EXPECT_TRUE(QmWString(L"b") > QmWString(L"A"));
    EXPECT_TRUE(TextEquals(L"y", L"Y"));
    EXPECT_FALSE(TextEquals(L"2147483648", L"0x80000000"));
}

TEST(QmString, NullIsEmpty)
{
    const QmWString fromNull(static_cast<const wchar_t*>(nullptr));
    EXPECT_EQ(0, fromNull.Length());
    EXPECT_STREQ(L"", fromNull.CStr());
    EXPECT_TRUE(fromNull == QmWString(L""));
    EXPECT_TRUE(TextEquals(nullptr, L""));
    EXPECT_EQ(-1, QmWString(L"abc").Find(static_cast<const wchar_t*>(nullptr), 5));
    EXPECT_EQ(0, QmWString(L"abc").Find(static_cast<const wchar_t*>(nullptr), 0));
}

TEST(QmString, ConcatenationGrowsAndCopiesAreIndependent)
{
    const QmWString a(std::wstring(600, L'a').c_str());
    const QmWString b(std::wstring(600, L'b').c_str());
    const QmWString joined = a + b;
    EXPECT_EQ(1200, joined.Length());
    EXPECT_EQ(L'a', joined.At(599));
    EXPECT_EQ(L'b', joined.At(600));
    EXPECT_GE(joined.Capacity(), 1201u * sizeof(wchar_t));
    EXPECT_EQ(600, a.Length());

    QmWString self(L"ab");
    self += self;
    EXPECT_STREQ(L"abab", self.CStr());

    QmWString copy(self);
    copy += QmWString(L"!");
    EXPECT_STREQ(L"abab", self.CStr());
    EXPECT_STREQ(L"abab!", copy.CStr());

    QmString narrow("x");
    for (int i = 0; i < 14; ++i)
        narrow += narrow;
    EXPECT_EQ(16384, narrow.Length());
}

TEST(QmString, SubstringsAreClamped)
{
    const QmWString text(L"Service Pack 3");
    EXPECT_STREQ(L"Pack", text.Substring(8, 12).CStr());
    EXPECT_STREQ(L"3", text.Substring(13).CStr());
    EXPECT_STREQ(L"", text.Substring(20).CStr());
    EXPECT_STREQ(L"", text.Substring(20, 30).CStr());
    EXPECT_STREQ(L"Service", text.Substring(-5, 7).CStr());
    EXPECT_STREQ(L"", text.Substring(8, 2).CStr());
    EXPECT_STREQ(L"Service Pack 3", text.Substring(0, 1000).CStr());
    EXPECT_EQ(0, text.At(14));
    EXPECT_EQ(0, text.At(-1));
}

TEST(QmString, SearchFromEitherEnd)
{
    const QmWString text(L"a.qmb.txt");
    EXPECT_EQ(1, text.Find(L'.'));
    EXPECT_EQ(5, text.FindLast(L'.'));
    EXPECT_EQ(-1, text.Find(L'z'));
    EXPECT_EQ(-1, text.FindLast(L'z'));
    EXPECT_EQ(2, text.Find(L"qmb", 0));
    EXPECT_EQ(-1, text.Find(L"qmb", 3));
    EXPECT_EQ(6, text.Find(L"txt", -4));
    EXPECT_EQ(-1, text.Find(L"txtx", 0));
}

TEST(QmString, ConvertsBetweenWidthsThroughTheAnsiCodePage)
{
    // The tests run with code page 950 (zh_TW).
    const QmWString wide("\xB6\x7D\xA9\x6C");  // Big5 開始
    EXPECT_STREQ(L"\x958B\x59CB", wide.CStr());
    const QmString narrow(L"\x958B\x59CB");
    EXPECT_STREQ("\xB6\x7D\xA9\x6C", narrow.CStr());
}

TEST(QmString, LongTextsStayWhole)
{
    const std::wstring source(10000, L'\x4E2D');
    const QmWString text(source.c_str());
    EXPECT_EQ(10000, text.Length());
    EXPECT_EQ(source, std::wstring(text.Substring(0, 20000).CStr()));
    EXPECT_EQ(9999, text.FindLast(L'\x4E2D'));
}

}  // namespace
