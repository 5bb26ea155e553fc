#include "base/BoxList.h"
#include "base/Cp932.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace qor;

namespace {

std::size_t lineCount(const std::string& text) {
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1;
}

} // namespace

TEST(BoxList, TenItemsThenHowManyMore) {
    std::vector<std::string> items;
    for (int i = 1; i <= 25; ++i) items.push_back("item" + std::to_string(i));
    const std::string text = boxList(items);
    EXPECT_EQ(lineCount(text), 11u);
    EXPECT_EQ(text.substr(0, 12), "item1\nitem2\n");
    EXPECT_NE(text.find("item10\n"), std::string::npos);
    EXPECT_EQ(text.find("item11"), std::string::npos);
    EXPECT_EQ(text.substr(text.rfind('\n') + 1), sj("ほか 15 件"));
}

TEST(BoxList, AShortListIsWholeAndHasNoCountLine) {
    EXPECT_EQ(boxList({"a", "b"}), "a\nb");
    EXPECT_EQ(boxList({}), "");
    std::vector<std::string> ten(10, "x");
    EXPECT_EQ(lineCount(boxList(ten)), 10u);
    EXPECT_EQ(boxList(ten).find(sj("ほか")), std::string::npos);
}

TEST(BoxList, ALongItemIsCutWithAnEllipsisNeverInsideACharacter) {
    const std::string ellipsis = sj("…");
    const std::string letters(1000000, 'a');
    const std::string cut = boxItem(letters);
    EXPECT_LE(cut.size(), kBoxItemBytes);
    EXPECT_EQ(cut.substr(cut.size() - ellipsis.size()), ellipsis);
    EXPECT_EQ(cut.substr(0, 10), std::string(10, 'a'));

    // 表 (0x95 0x5C) repeated: a cut at an odd byte would leave a lone lead byte.
    std::string kanji;
    for (int i = 0; i < 200; ++i) kanji += sj("表");
    for (std::size_t max : {9u, 10u, 11u, 100u}) {
        const std::string k = boxItem(kanji, max);
        EXPECT_LE(k.size(), max);
        const std::string body = k.substr(0, k.size() - ellipsis.size());
        EXPECT_EQ(body.size() % 2, 0u) << max;
        EXPECT_EQ(toUtf8(body).find("\xEF\xBF\xBD"), std::string::npos) << max;
    }
    EXPECT_EQ(boxItem(sj("短い")), sj("短い"));
}

TEST(BoxList, EachItemTakesOneLine) {
    EXPECT_EQ(boxItem("a\r\nb\nc\rd"), "a b c d");
    EXPECT_EQ(lineCount(boxList({"one\ntwo", "three"})), 2u);
}

TEST(BoxList, ManyLongItemsStillMakeElevenShortLines) {
    std::vector<std::string> items(5000, std::string(1000, 'w'));
    const std::string text = boxList(items);
    EXPECT_EQ(lineCount(text), 11u);
    EXPECT_LE(text.size(), 11 * kBoxItemBytes + 10);
}
