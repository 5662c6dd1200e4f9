#include "store/record/ProfileText.h"
#include "StoreTestFiles.h"

#include <gtest/gtest.h>

#include <ostream>

#include <optional>

namespace {

struct LookupCase {
    const char* name;
    friend void PrintTo(const LookupCase& c, std::ostream* os) { *os << c.name; }
    QByteArray file;
    const char* section;
    const char* key;
    std::optional<QString> expected;
};

class ProfileLookupTest : public testing::TestWithParam<LookupCase> {};

TEST_P(ProfileLookupTest, FindsValue) {
    const LookupCase& c = GetParam();
    const ProfileText text(c.file);
    EXPECT_EQ(text.Value(QString::fromUtf8(c.section), QString::fromUtf8(c.key)), c.expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rules, ProfileLookupTest, testing::Values(
    LookupCase{"Plain", "[Results]\nMoney1=150\n", "Results", "Money1", "150"},
    LookupCase{"CaseOfNames", "[rESULTS]\r\nmoney1=7\r\n", "Results", "MONEY1", "7"},
    LookupCase{"HungarianSectionCase", "[J\xC1T\xC9K]\nN\xC9V=x\n", "játék", "név", "x"},
    LookupCase{"BlanksAround", "  [ Game ]  \n  Name  =   Bob  \t\n", "Game", "Name", "Bob"},
    LookupCase{"DoubleQuotes", "[Game]\nName=\" Bob \"\n", "Game", "Name", " Bob "},
    LookupCase{"SingleQuotes", "[Game]\nName='Bob'\n", "Game", "Name", "Bob"},
    LookupCase{"OnlyOnePairOfQuotes", "[Game]\nName=\"\"Bob\"\"\n", "Game", "Name", "\"Bob\""},
    LookupCase{"MismatchedQuotes", "[Game]\nName=\"Bob'\n", "Game", "Name", "\"Bob'"},
    LookupCase{"LoneQuote", "[Game]\nName=\"\n", "Game", "Name", "\""},
    LookupCase{"EmptyValue", "[Game]\nName=\n", "Game", "Name", ""},
    LookupCase{"EqualsInValue", "[Game]\nName=a=b\n", "Game", "Name", "a=b"},
    LookupCase{"FirstDuplicateKey", "[Game]\nName=A\nName=B\n", "Game", "Name", "A"},
    LookupCase{"FirstDuplicateSection", "[Game]\nX=1\n[Game]\nName=B\n", "Game", "Name",
               std::nullopt},
    LookupCase{"KeyInOtherSection", "[Screen]\nName=A\n[Game]\nLeft=1\n", "Game", "Name",
               std::nullopt},
    LookupCase{"KeyBeforeAnySection", "Name=A\n[Game]\n", "Game", "Name", std::nullopt},
    LookupCase{"CommentIsNoKey", "[Game]\n;Name=A\nName=B\n", "Game", "Name", "B"},
    LookupCase{"LineWithoutEquals", "[Game]\nName\nName=B\n", "Game", "Name", "B"},
    LookupCase{"BrokenHeaderSkipped", "[Game]\n[Oops\nName=B\n", "Game", "Name", "B"},
    LookupCase{"NoFinalLineBreak", "[Game]\r\nName=Bob", "Game", "Name", "Bob"},
    LookupCase{"NulEndsValue", LiteralBytes("[Game]\nName=Bo\0b\n"), "Game", "Name", "Bo"},
    LookupCase{"LoneCarriageReturns", "[Game]\r\r\nName=Bob\r\r\n", "Game", "Name", "Bob"},
    LookupCase{"Windows1250Name", "[Game]\nName=\xD5z \xFBr\n", "Game", "Name",
               QString::fromUtf8("Őz űr")},
    LookupCase{"Utf8WithByteOrderMark", "\xEF\xBB\xBF[Game]\nName=\xC5\x90z\n", "Game", "Name",
               QString::fromUtf8("Őz")},
    LookupCase{"EmptyFile", "", "Game", "Name", std::nullopt},
    LookupCase{"Garbage", LiteralBytes("\0\xFF[\n]=\n==\n[]\n\0=\0"), "Game", "Name",
               std::nullopt}),
    [](const testing::TestParamInfo<LookupCase>& info) { return info.param.name; });
// clang-format on

TEST(ProfileText, LongValueIsCut) {
    const QByteArray value(3000, 'n');
    const ProfileText text("[Game]\nName=" + value + "\n");
    EXPECT_EQ(text.Value(u"Game", u"Name"), QString(ProfileValueLimit, u'n'));
}

TEST(ProfileText, CutNeverSplitsCharacter) {
    // Only a UTF-8 file can hold a character beyond 16 bits.
    const QByteArray value = QByteArray(ProfileValueLimit - 1, 'a') + "\xF0\x9F\x98\x80";
    const ProfileText text("\xEF\xBB\xBF[Game]\nName=" + value + "\n");
    EXPECT_EQ(text.Value(u"Game", u"Name"), QString(ProfileValueLimit - 1, u'a'));
}

struct EditCase {
    const char* name;
    friend void PrintTo(const EditCase& c, std::ostream* os) { *os << c.name; }
    QByteArray before;
    const char* section;
    const char* key;
    const char* value; // UTF-8
    QByteArray after;
};

class ProfileEditTest : public testing::TestWithParam<EditCase> {};

TEST_P(ProfileEditTest, KeepsEverythingElse) {
    const EditCase& c = GetParam();
    ProfileText text(c.before);
    const QString section = QString::fromUtf8(c.section);
    const QString key = QString::fromUtf8(c.key);
    text.SetValue(section, key, QString::fromUtf8(c.value));
    EXPECT_EQ(text.Bytes(), c.after);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rules, ProfileEditTest, testing::Values(
    EditCase{"NewFileUsesCrLf", "", "Screen", "Left", "10", "[Screen]\r\nLeft=10\r\n"},
    EditCase{"ReplaceInPlaceCrLf", "; mine\r\n[Screen]\r\nLeft=1\r\nTop=2\r\n", "Screen", "Left",
             "-5", "; mine\r\n[Screen]\r\nLeft=-5\r\nTop=2\r\n"},
    EditCase{"ReplaceKeepsSpelling", "[screen]\n  LEFT = 1  \n", "Screen", "Left", "7",
             "[screen]\n  LEFT =7\n"},
    // Everything after the equals sign goes, so a name starting with blanks keeps its length.
    EditCase{"ReplaceBlanksAfterEquals", "[Game]\nName=  Bob\n", "Game", "Name", "  Bob",
             "[Game]\nName=  Bob\n"},
    EditCase{"ReplaceQuoted", "[Game]\nName=\"Old\"\n", "Game", "Name", "New",
             "[Game]\nName=New\n"},
    EditCase{"ReplaceEmpty", "[Game]\nName=\nX=1\n", "Game", "Name", "Bob",
             "[Game]\nName=Bob\nX=1\n"},
    EditCase{"ReplaceFirstDuplicate", "[Game]\nName=A\nName=B\n", "Game", "Name", "C",
             "[Game]\nName=C\nName=B\n"},
    EditCase{"AppendToSectionLf", "[Screen]\nLeft=1\n\n[Game]\nName=A\n", "Screen", "Top",
             "2", "[Screen]\nLeft=1\nTop=2\n\n[Game]\nName=A\n"},
    EditCase{"AppendToFirstOfDuplicates", "[Screen]\nLeft=1\n[Screen]\nX=1\n", "Screen", "Top",
             "2", "[Screen]\nLeft=1\nTop=2\n[Screen]\nX=1\n"},
    EditCase{"AppendAfterUnterminatedLine", "[Screen]\r\nLeft=1", "Screen", "Top", "2",
             "[Screen]\r\nLeft=1\r\nTop=2\r\n"},
    EditCase{"NewSectionAtEndLf", "[Screen]\nLeft=1\n", "Game", "Name", "Bob",
             "[Screen]\nLeft=1\n[Game]\nName=Bob\n"},
    EditCase{"NewSectionAfterUnterminatedLine", "x", "Game", "Name", "Bob",
             "x\r\n[Game]\r\nName=Bob\r\n"},
    EditCase{"KeyBeforeSectionUntouched", "Name=A\n", "Game", "Name", "B",
             "Name=A\n[Game]\nName=B\n"},
    EditCase{"Windows1250Bytes", "", "Game", "Name", "Őrült Űr ñ",
             "[Game]\r\nName=\xD5r\xFClt \xDBr ?\r\n"},
    EditCase{"Utf8FileStaysUtf8", "\xEF\xBB\xBF[Game]\nName=A\n", "Game", "Name", "Ő",
             "\xEF\xBB\xBF[Game]\nName=\xC5\x90\n"},
    EditCase{"LineBreaksCannotAddLines", "[Game]\nName=A\n", "Game", "Name",
             "x\r\n[Screen]\nLeft=99", "[Game]\nName=x  [Screen] Left=99\n"}),
    [](const testing::TestParamInfo<EditCase>& info) { return info.param.name; });
// clang-format on

} // namespace
