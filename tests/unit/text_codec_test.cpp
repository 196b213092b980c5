// Windows-1251 <-> UTF-8 and the character operations of the game, which
// count code points, never bytes.

#include <gtest/gtest.h>

#include <string>

#include "data/text_codec.h"

namespace {

using namespace data;

TEST(TextCodec, EveryWindows1251ByteSurvivesTheRoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += char(b);
    const std::string utf8 = Cp1251ToUtf8(all);
    EXPECT_EQ(Utf8ToCp1251(utf8), all);
    EXPECT_EQ(CodePointCount(utf8), 256u);
}

TEST(TextCodec, CyrillicAndTheSpecialLettersMapToTheirCodePoints) {
    EXPECT_EQ(Cp1251ToUtf8("\xCA\xEB\xE5\xE2\xED\xE8\xF6\xE0"), "Клевница");
    EXPECT_EQ(Cp1251ToUtf8("\xA8\xB8"), "Ёё");
    EXPECT_EQ(Cp1251ToUtf8("\xB9"), "№");
    EXPECT_EQ(Cp1251ToUtf8("\x88"), "€");
    EXPECT_EQ(Utf8ToCp1251("Щука ёж"), "\xD9\xF3\xEA\xE0 \xB8\xE6");
}

TEST(TextCodec, CharactersWithoutACodeBecomeQuestionMarks) {
    EXPECT_EQ(Utf8ToCp1251("a日b"), "a?b");
    EXPECT_EQ(Utf8ToCp1251("ñ"), "?");
}

TEST(TextCodec, CharacterCodesOfKeys) {
    EXPECT_EQ(Cp1251Code("т"), 242);
    EXPECT_EQ(Cp1251Code("n"), 110);
    EXPECT_EQ(Cp1251Code(""), -1);
    EXPECT_EQ(CharFromCp1251(242), "т");
    EXPECT_EQ(CharFromCp1251(32), " ");
}

TEST(TextCodec, LengthsAndCutsCountCharacters) {
    EXPECT_EQ(CodePointCount("окунь100"), 8u);
    EXPECT_EQ(LastChars("окунь100", 3), "100");
    EXPECT_EQ(LastChars("щука 60", 3), " 60");
    EXPECT_EQ(LastChars("юя", 3), "юя");
    EXPECT_EQ(DropLastChars("щука 60", 3), "щука");
    EXPECT_EQ(DropLastChars("ёж", 3), "");
    EXPECT_EQ(FirstChars("Средняя", 1), "С");
    EXPECT_EQ(FirstChars("ab", 5), "ab");
}

TEST(TextCodec, TrimRemovesBlanksOnlyAtBothEnds) {
    EXPECT_EQ(Trim("  щука  "), "щука");
    EXPECT_EQ(Trim("   "), "");
    EXPECT_EQ(Trim(" a b "), "a b");
    // Only blanks: a tab is a character like any other.
    EXPECT_EQ(Trim("\tx "), "\tx");
}

TEST(TextCodec, FoldCaseLowersLatinAndCyrillicLetters) {
    EXPECT_EQ(FoldCase("IMAGES"), "images");
    EXPECT_EQ(FoldCase("ВАСЯ Ёлка"), "вася ёлка");
    EXPECT_EQ(FoldCase("Scene.SCN"), "scene.scn");
    EXPECT_EQ(FoldCase("123_-"), "123_-");
}

TEST(TextCodec, FoldCaseCoversEveryLetterAWindowsFileNameMayHold) {
    const std::pair<const char*, const char*> cases[] = {
        {"ҐАНОК Ґ", "ґанок ґ"}, {"ЄЇІЎЂЉЊЋЏ", "єїіўђљњћџ"}, {"JÜRGEN ÀÉÎÕØÞ", "jürgen àéîõøþ"},
        {"×÷ß", "×÷ß"},          {"ĀĂĄĆČĎĐĘĚĞĦĪĮĶİı", "āăąćčďđęěğħīįķİı"}, {"ĹĻĽŁŃŇ", "ĺļľłńň"},
        {"ŊŐŒŘŚŠŢŤŦŮŰŲŴŶ", "ŋőœřśšţťŧůűųŵŷ"}, {"ŸŹŻŽ", "ÿźżž"}, {"ґ ü ł ÿ", "ґ ü ł ÿ"},
    };
    for (const auto& [upper, lower] : cases) EXPECT_EQ(FoldCase(upper), lower) << upper;
}

TEST(TextCodec, PrintableEscapesControlsAndCutsLongText) {
    const std::pair<std::string, std::string> cases[] = {
        {"Щука 1,5", "Щука 1,5"},
        {std::string("a\0b", 3), "a\\x00b"},
        {"\x1b[31mred\x1b[0m", "\\x1B[31mred\\x1B[0m"},
        {"tab\tcr\rlf\n del\x7f", "tab\\tcr\\rlf\\n del\\x7F"},
        {"\xC2\x98 c1", "\\u0098 c1"},
        {"evil\u202Etxt.exe", "evil\\u202Etxt.exe"},
        {"\xFF\xD0 broken", "\\xFF\\xD0 broken"},
    };
    for (const auto& [text, shown] : cases) EXPECT_EQ(Printable(text), shown) << shown;
    EXPECT_EQ(Printable("абвгд", 3), "абв…");
    EXPECT_EQ(Printable("абв", 3), "абв");
    EXPECT_EQ(Printable(std::string(10'000'000, 'x'), 200), std::string(200, 'x') + "…");
}

}  // namespace
