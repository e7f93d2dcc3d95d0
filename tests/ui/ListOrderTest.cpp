#include "ui/ListOrder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Sorted(std::vector<std::string> texts) {
    std::sort(texts.begin(), texts.end(), ui::ListOrderLess());
    return texts;
}

TEST(ListOrder, LettersCompareAsUpperCaseSoPunctuationBetweenZAndLowerCaseFollowsLetters) {
    // '_' (0x5F) lies between 'Z' and 'a': upper-casing puts it after every letter.
    EXPECT_EQ(Sorted({"b", "_x", "a", "Z", "B", "A", "1"}),
              (std::vector<std::string>{"1", "A", "a", "B", "b", "Z", "_x"}));
    EXPECT_EQ(Sorted({"abcd", "ABC", "abc", "ab"}), (std::vector<std::string>{"ab", "ABC", "abc", "abcd"}));
}

// A letter with a mark sorts with its base letter, as a person's alphabet has
// it, the plain letter first; letters of other scripts follow the Latin ones.
TEST(ListOrder, LettersWithMarksSortWithTheirBaseLetter) {
    struct Case {
        std::vector<std::string> given;
        std::vector<std::string> sorted;
    } cases[] = {
        {{"Zebra", "Äpfel", "Apfel", "Anton", "Öl", "Ofen", "Übel", "Ufer"},
         {"Anton", "Apfel", "Äpfel", "Ofen", "Öl", "Übel", "Ufer", "Zebra"}},
        {{"éb", "z", "Éa", "e"}, {"e", "Éa", "éb", "z"}},
        {{"Strasze", "Straße", "Strasse", "Strase"}, {"Strase", "Strasse", "Straße", "Strasze"}},
        {{"ä", "Ä", "b", "A"}, {"A", "Ä", "ä", "b"}},
        {{"дом", "Zoo", "Über"}, {"Über", "Zoo", "дом"}},
        {{"œuvre", "Oeuvre", "Of"}, {"Oeuvre", "œuvre", "Of"}},
    };
    for (const Case& k : cases) {
        EXPECT_EQ(Sorted(k.given), k.sorted) << k.given.front();
        for (size_t i = 0; i + 1 < k.sorted.size(); ++i) {
            const ui::ListOrderKey a(k.sorted[i]);
            const ui::ListOrderKey b(k.sorted[i + 1]);
            EXPECT_LT(ui::CompareListOrderKeys(a, k.sorted[i], b, k.sorted[i + 1]), 0) << k.sorted[i];
            EXPECT_LT(ui::CompareListOrderFolded(k.sorted[i], a.folded, k.sorted[i + 1]), 0) << k.sorted[i];
        }
    }
    // Sorting with A does not make Ä the same item as A.
    EXPECT_NE(ui::FoldCase("Äpfel"), ui::FoldCase("Apfel"));
    EXPECT_NE(ui::CompareFoldedTexts(ui::FoldCase("Äpfel"), ui::FoldCase("Apfel")), 0);
    EXPECT_EQ(ui::CompareFoldedTexts(ui::FoldCase("äpfel"), ui::FoldCase("ÄPFEL")), 0);
}

TEST(ListOrder, ZeroOnlyForIdenticalTexts) {
    EXPECT_EQ(ui::CompareListOrder("Abc", "Abc"), 0);
    EXPECT_LT(ui::CompareListOrder("ABC", "abc"), 0);
    EXPECT_GT(ui::CompareListOrder("abc", "ABC"), 0);
    EXPECT_LT(ui::CompareListOrder("", "a"), 0);
    const std::string folded = ui::FoldCase("abc");
    EXPECT_EQ(ui::CompareListOrderFolded("abc", folded, "abc"), 0);
    EXPECT_LT(ui::CompareListOrderFolded("abc", folded, "abd"), 0);
}

TEST(ListOrder, FoldCaseMakesCaseVariantsEqual) {
    EXPECT_EQ(ui::FoldCase("C:\\Data\\x"), ui::FoldCase("c:\\DATA\\X"));
    EXPECT_EQ(ui::FoldCase("\xC3\xA9"
                           "cole"),
              ui::FoldCase("\xC3\x89"
                           "COLE"));                                                 // école / ÉCOLE
    EXPECT_EQ(ui::FoldCase("\xD0\xB4\xD0\xBE\xD0\xBC"), "\xD0\x94\xD0\x9E\xD0\x9C"); // дом -> ДОМ
    EXPECT_NE(ui::FoldCase("a"), ui::FoldCase("b"));
    // Bytes that are not UTF-8 stay as they are; the text is not cut short.
    EXPECT_EQ(ui::FoldCase(std::string("a\xFF"
                                       "b\xC3",
                                       4)),
              std::string("A\xFF"
                          "B\xC3",
                          4));
    EXPECT_EQ(ui::FoldCase(std::string("x\0y", 3)), std::string("X\0Y", 3));
}

TEST(ListOrder, SortKeysOrderAsTheTextsDo) {
    // Texts that differ inside, at and beyond the keys' first sixteen bytes,
    // end inside them, hold zero bytes, letters beyond ASCII or bytes that are
    // not UTF-8.
    const std::vector<std::string> texts = {"",
                                            "a",
                                            "A",
                                            std::string("a\0", 2),
                                            std::string("A\0b", 3),
                                            "Client-12345-678",
                                            "client-12345-678",
                                            "Client-12345-6789",
                                            "Client-12345-678\xC3\xA9",
                                            "Client-12345-67\xC3\xA9",
                                            "Client-12345-67\xC3\x89",
                                            "CLIENT-12345-678-a",
                                            "Client-12345-678-B",
                                            "\xC3\xA9t\xC3\xA9",
                                            "\xC3\x89T\xC3\x89",
                                            "\xFF\xFE",
                                            "x\xC3",
                                            "_underscore",
                                            "Ärger",
                                            "Arger",
                                            "ärger-und-noch-mehr-Text",
                                            "Straße",
                                            "STRASSE",
                                            "zzzzzzzzzzzzzzzzzzzzzz",
                                            "ZZZZZZZZZZZZZZZZ"};
    const auto sign = [](int c) { return c < 0 ? -1 : (c > 0 ? 1 : 0); };
    for (const std::string& a : texts) {
        const ui::ListOrderKey aKey(a);
        EXPECT_EQ(aKey.folded, ui::FoldCase(a));
        for (const std::string& b : texts) {
            const ui::ListOrderKey bKey(b);
            EXPECT_EQ(sign(ui::CompareListOrderKeys(aKey, a, bKey, b)), sign(ui::CompareListOrder(a, b)))
                << a << " / " << b;
        }
    }
}

TEST(ListOrder, FoldCaseOfTextsThatTurnBeyondAsciiMidway) {
    EXPECT_EQ(ui::FoldCase("abc\xC3\xA9"
                           "def"),
              "ABC\xC3\x89"
              "DEF");
    EXPECT_EQ(ui::FoldCase("long plain prefix \xD0\xB4x"), "LONG PLAIN PREFIX \xD0\x94X");
    EXPECT_EQ(ui::FoldCase("ab\xFF"), "AB\xFF");
}

} // namespace
