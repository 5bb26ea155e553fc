// Word lists of other programs turned into dictionaries: each sample file of
// tests/words/import/ converted and compared byte for byte with its expected dictionary,
// and the pieces that could break on their own (encodings, quoting, the choice of format,
// header and columns, the CP932 copy of a UTF-8 dictionary).

#include "base/Cp932.h"
#include "base/TextFile.h"
#include "tests/support/PeakMemory.h"
#include "tests/support/TempDir.h"
#include "words/DelimitedText.h"
#include "words/ImportText.h"
#include "words/KvtmlReader.h"
#include "words/TextEncoding.h"
#include "words/WordListImport.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace qor;
using qor::test::slurp;
using qor::test::spit;

namespace {

std::string sample(const std::string& name) {
    return slurp(std::string(QOR_IMPORT_SAMPLES) + "/" + name);
}

WordListImport importOf(const std::string& bytes) {
    return WordListImport(bytes, &readKvtml);
}

// The whole import of a sample as the window does it: converted, then written.
std::string importedFile(const std::string& name, ImportResult* result = nullptr) {
    test::TempDir dir;
    ImportResult r = importOf(sample(name)).convert();
    std::string out = dir.file("out.txt");
    EXPECT_TRUE(writeLines(out, r.lines).ok());
    if (result) *result = r;
    return slurp(out);
}

std::vector<std::string> skippedTexts(const ImportResult& r) {
    std::vector<std::string> out;
    for (const ImportedEntry& e : r.skipped) out.push_back(skippedText(e));
    return out;
}

} // namespace

// --- the sample files, byte for byte ---

TEST(WordListImportTest, KvtmlTakesTheFirstTwoTranslationsAndTheirComments) {
    WordListImport in = importOf(sample("vocabulary.kvtml"));
    EXPECT_EQ(in.format(), WordListFormat::Kvtml);
    EXPECT_EQ(in.columns(), (ColumnChoice{0, 1, 2}));
    ImportResult r;
    EXPECT_EQ(importedFile("vocabulary.kvtml", &r), sample("vocabulary.expected.txt"));
    // The entry with only its English is named, with the line its <entry> starts on.
    EXPECT_EQ(skippedTexts(r), std::vector<std::string>{"49行目 「lonely」: 日本語がありません"});
}

TEST(WordListImportTest, QuotedCsvKeepsCommasQuotesAndLineBreaksInsideFields) {
    WordListImport in = importOf(sample("quoted.csv"));
    EXPECT_EQ(in.format(), WordListFormat::Csv);
    EXPECT_FALSE(in.headerDetected());
    EXPECT_EQ(in.columns(), (ColumnChoice{0, 1, 2}));
    ASSERT_EQ(in.entryCount(), 3u);
    EXPECT_EQ(in.entry(1).line, 4u);  // the first record took three lines
    EXPECT_EQ(importedFile("quoted.csv"), sample("quoted.expected.txt"));
}

TEST(WordListImportTest, TsvHeaderIsSkippedAndNamesTheColumns) {
    WordListImport in = importOf(sample("header.tsv"));
    EXPECT_EQ(in.format(), WordListFormat::Tsv);
    EXPECT_TRUE(in.headerDetected());
    EXPECT_TRUE(in.skipsHeader());
    EXPECT_EQ(in.columns(), (ColumnChoice{1, 0, 2}));
    EXPECT_EQ(in.columnLabel(0), "1列目（Japanese）");
    EXPECT_EQ(importedFile("header.tsv"), sample("header.expected.txt"));
}

TEST(WordListImportTest, Utf8ByteOrderMarkIsNoPartOfTheFirstWord) {
    WordListImport in = importOf(sample("bom.csv"));
    EXPECT_EQ(in.detectedEncoding(), TextEncoding::Utf8Bom);
    EXPECT_EQ(in.entry(0).english, "hello");
    EXPECT_EQ(importedFile("bom.csv"), sample("bom.expected.txt"));
}

TEST(WordListImportTest, EntriesCp932CannotHoldOrThatWouldBreakTheLineAreSkippedAndNamed) {
    ImportResult r;
    EXPECT_EQ(importedFile("emoji.csv", &r), sample("emoji.expected.txt"));
    EXPECT_EQ(skippedTexts(r), (std::vector<std::string>{
                                   "1行目 「smile」: Shift-JIS で表せない文字「😀」があります",
                                   "2行目 「sun」: Shift-JIS で表せない文字「☀」があります",
                                   "3行目 「a=b」: 英語に「=」があります",
                                   "4行目 「star」: 日本語に「*」があります",
                                   "6行目 「yoshinoya」: Shift-JIS で表せない文字「𠮷」があります",
                               }));
    // The preview shows the same marks entry by entry.
    WordListImport in = importOf(sample("emoji.csv"));
    EXPECT_EQ(in.entry(0).problem, EntryProblem::Unholdable);
    EXPECT_EQ(in.entry(4).problem, EntryProblem::None);
    EXPECT_EQ(in.entry(4).dictionaryLine, sj("moon=月*コメントはありません"));
}

// --- encodings ---

TEST(TextEncodingTest, MarksDecideElseValidUtf8ElseCp932) {
    EXPECT_EQ(detectEncoding("apple=x*y"), TextEncoding::Ascii);
    EXPECT_EQ(detectEncoding("りんご"), TextEncoding::Utf8);
    EXPECT_EQ(detectEncoding("\xEF\xBB\xBF" "a"), TextEncoding::Utf8Bom);
    EXPECT_EQ(detectEncoding(sj("りんご=apple*果物")), TextEncoding::Cp932);
    EXPECT_EQ(detectEncoding(std::string("\xFF\xFE" "a\0", 4)), TextEncoding::Utf16Le);
    EXPECT_EQ(detectEncoding("\xFE\xFF"), TextEncoding::Utf16Be);
    // Overlong forms and surrogates are not UTF-8.
    EXPECT_FALSE(isValidUtf8("\xC0\xAF"));
    EXPECT_FALSE(isValidUtf8("\xED\xA0\x80"));
    EXPECT_FALSE(isValidUtf8("\xE3\x81"));
    EXPECT_TRUE(isValidUtf8("\xF0\x9F\x98\x80"));
}

TEST(TextEncodingTest, DecodesEachEncodingAndMarksBrokenBytes) {
    EXPECT_EQ(decodeToUtf8("\xEF\xBB\xBF猫", TextEncoding::Utf8Bom), "猫");
    EXPECT_EQ(decodeToUtf8(sj("猫=cat"), TextEncoding::Cp932), "猫=cat");
    // A spreadsheet's "Unicode text": UTF-16 LE with its mark.
    std::string utf16("\xFF\xFE" "c\0a\0t\0\t\0\x2B\x73", 12);
    EXPECT_EQ(decodeToUtf8(utf16, TextEncoding::Utf16Le), "cat\t猫");
    EXPECT_EQ(decodeToUtf8("a\xFF" "b", TextEncoding::Utf8), "a\xEF\xBF\xBD" "b");
    EXPECT_EQ(firstUnholdable("猫😀犬"), "😀");
    EXPECT_EQ(firstUnholdable("猫①"), std::nullopt);
}

TEST(WordListImportTest, Utf16TabTextImportsLikeTsv) {
    std::u16string text = u"cat\t猫\r\ndog\t犬\r\n";
    std::string bytes("\xFF\xFE", 2);
    for (char16_t c : text) {
        bytes.push_back(static_cast<char>(c & 0xFF));
        bytes.push_back(static_cast<char>(c >> 8));
    }
    WordListImport in = importOf(bytes);
    EXPECT_EQ(in.detectedEncoding(), TextEncoding::Utf16Le);
    EXPECT_EQ(in.format(), WordListFormat::Tsv);
    EXPECT_EQ(in.convert().lines,
              (std::vector<std::string>{sj("cat=猫*コメントはありません"), sj("dog=犬*コメントはありません")}));
}

TEST(WordListImportTest, ACp932FileAndAChosenEncodingAreReadAsSuch) {
    std::string bytes = sj("犬,dog\r\n");
    WordListImport in = importOf(bytes);
    EXPECT_EQ(in.detectedEncoding(), TextEncoding::Cp932);
    EXPECT_EQ(in.columns(), (ColumnChoice{1, 0, -1}));
    EXPECT_EQ(in.convert().lines, std::vector<std::string>{sj("dog=犬*コメントはありません")});
    // Read as UTF-8 instead, the bytes are broken: the entry is marked, not written wrongly.
    in.setEncoding(TextEncoding::Utf8);
    ImportResult r = in.convert();
    EXPECT_TRUE(r.lines.empty());
    ASSERT_EQ(r.skipped.size(), 1u);
    EXPECT_EQ(r.skipped[0].culprit, "\xEF\xBF\xBD");
}

// --- the CSV and TSV reader ---

TEST(DelimitedTextTest, RecordsEndAtAnyLineBreakOutsideQuotes) {
    DelimitedText t = readDelimited("a,b\r\nc,\"d\r\ne\"\rf\n\n,\n", ',');
    ASSERT_EQ(t.rows.size(), 4u);
    EXPECT_EQ(t.rows.fields(0), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(t.rows.fields(1), (std::vector<std::string>{"c", "d\r\ne"}));
    EXPECT_EQ(t.rows.fields(2), std::vector<std::string>{"f"});
    EXPECT_EQ(t.rows.line(2), 4u);
    EXPECT_EQ(t.rows.fields(3), (std::vector<std::string>{"", ""}));
    EXPECT_EQ(t.rows.line(3), 6u);  // the blank line gave no row
    EXPECT_TRUE(t.unclosedQuoteLines.empty());
}

TEST(DelimitedTextTest, QuotesDoubledAndSlipsAfterAClosingQuote) {
    DelimitedText t = readDelimited("\"say \"\"hi\"\"\",\"x\"y,\"\"\n", ',');
    ASSERT_EQ(t.rows.size(), 1u);
    EXPECT_EQ(t.rows.fields(0), (std::vector<std::string>{"say \"hi\"", "xy", ""}));
    // A quote inside an unquoted field is text.
    EXPECT_EQ(readDelimited("5\" disk\tフロッピー", '\t').rows.fields(0),
              (std::vector<std::string>{"5\" disk", "フロッピー"}));
}

TEST(DelimitedTextTest, AnUnclosedQuoteEndsWithItsLineInsteadOfSwallowingTheFile) {
    DelimitedText t = readDelimited("a,b\n\"c,d\ne,f\n", ',');
    EXPECT_EQ(t.unclosedQuoteLines, std::vector<std::size_t>{2});
    ASSERT_EQ(t.rows.size(), 3u);
    EXPECT_EQ(t.rows.fields(1), (std::vector<std::string>{"\"c", "d"}));
    EXPECT_EQ(t.rows.fields(2), (std::vector<std::string>{"e", "f"}));
    EXPECT_EQ(t.rows.line(2), 3u);
}

// --- format, header, columns ---

TEST(WordListImportTest, FormatIsTakenFromTheFirstLines) {
    EXPECT_EQ(detectFormat("run=走る*x\nwalk=歩く*y\n"), WordListFormat::Dictionary);
    EXPECT_EQ(detectFormat("run\t走る, 急ぐ\nwalk\t歩く\n"), WordListFormat::Tsv);
    EXPECT_EQ(detectFormat("run,走る\nwalk,歩く\n"), WordListFormat::Csv);
    EXPECT_EQ(detectFormat("  <?xml version=\"1.0\"?>\n<kvtml version=\"2.0\">"), WordListFormat::Kvtml);
    EXPECT_EQ(detectFormat("#separator:tab\n#html:false\na,b\n"), WordListFormat::Tsv);
}

TEST(WordListImportTest, FlashCardExportWithDirectivesAndHtml) {
    std::string bytes =
        "#separator:tab\n#html:true\n#columns:Front\tBack\tTags\n"
        "run\t走る<br>急ぐ\tverbs\n"
        "cat &amp; dog\t<b>犬</b>と猫&nbsp;\tanimals\n";
    WordListImport in = importOf(bytes);
    EXPECT_EQ(in.format(), WordListFormat::Tsv);
    EXPECT_FALSE(in.headerDetected());
    EXPECT_EQ(in.columnLabel(1), "2列目（Back）");
    EXPECT_EQ(in.columns(), (ColumnChoice{0, 1, 2}));
    ASSERT_EQ(in.entryCount(), 2u);
    EXPECT_EQ(in.entry(0).line, 4u);
    EXPECT_EQ(in.convert().lines, (std::vector<std::string>{sj("run=走る,急ぐ*verbs"),
                                                             sj("cat & dog=犬と猫*animals")}));
}

TEST(WordListImportTest, TheLearnerMayTakeTheHeaderAsAnEntryAndChooseOtherColumns) {
    WordListImport in = importOf("word,meaning\nrun,走る\n");
    EXPECT_TRUE(in.headerDetected());
    ASSERT_EQ(in.entryCount(), 1u);
    in.setSkipHeader(false);
    in.setColumns({0, 1, -1});
    EXPECT_EQ(in.convert().lines, (std::vector<std::string>{sj("word=meaning*コメントはありません"),
                                                             sj("run=走る*コメントはありません")}));
    // A column past the end of a short row is empty.
    in.setColumns({0, 1, 5});
    EXPECT_EQ(in.entry(1).comment, "");
}

TEST(WordListImportTest, AUtf8DictionaryImportsPartByPart) {
    // Four lines in five in the dictionary's form make it one.
    WordListImport in = importOf("run , dash=走る*動詞\nwalk=歩く*\ncat=猫*a=b*c\n\nfox=狐*z\napple=りんご\n");
    EXPECT_EQ(in.format(), WordListFormat::Dictionary);
    ImportResult r = in.convert();
    EXPECT_EQ(r.lines, (std::vector<std::string>{sj("run,dash=走る*動詞"), sj("walk=歩く*コメントはありません"),
                                                  sj("cat=猫*a=b*c"), sj("fox=狐*z")}));
    // "apple=りんご" has no "*": by the dictionary's own split it has no Japanese.
    ASSERT_EQ(r.skipped.size(), 1u);
    EXPECT_EQ(skippedText(r.skipped[0]), "6行目 「apple」: 日本語がありません");
}

TEST(WordListImportTest, BrokenKvtmlIsReportedWithNoRows) {
    WordListImport broken = importOf("<?xml version=\"1.0\"?>\n<kvtml version=\"2.0\">\n<entries><entry>");
    EXPECT_EQ(broken.format(), WordListFormat::Kvtml);
    EXPECT_NE(broken.table().error.find("XML の読み込みに失敗しました"), std::string::npos);
    EXPECT_EQ(broken.entryCount(), 0u);
    WordListImport old = importOf("<?xml version=\"1.0\"?>\n<kvtml version=\"1.0\"><e><o>a</o></e></kvtml>");
    EXPECT_EQ(old.table().error, "KVTML 2.0 のファイルではありません（バージョン「1.0」）");
}

// --- the CP932 copy of a UTF-8 dictionary ---

class Cp932CopyTest : public ::testing::Test {
protected:
    test::TempDir dir;
    std::string original = dir.file("words.txt");
    void SetUp() override { spit(original, sample("utf8dic.txt")); }
};

TEST_F(Cp932CopyTest, TheCopyGoesBesideTheOriginalLineByLine) {
    EXPECT_TRUE(isUnicodeDictionary(sample("utf8dic.txt")));
    EXPECT_FALSE(isUnicodeDictionary(sj("run=走る*x")));
    EXPECT_FALSE(isUnicodeDictionary("run=x*y"));
    EXPECT_FALSE(isUnicodeDictionary("走る,run\n"));

    Cp932Copy copy = writeCp932Copy(original);
    ASSERT_TRUE(copy.status.ok()) << copy.status.reason();
    EXPECT_EQ(copy.path, dir.file("words-sjis.txt"));
    EXPECT_EQ(copy.lines, 2u);
    EXPECT_EQ(slurp(copy.path), sample("utf8dic.expected.txt"));
    EXPECT_EQ(slurp(original), sample("utf8dic.txt"));
    ASSERT_EQ(copy.skipped.size(), 1u);
    EXPECT_EQ(skippedText(copy.skipped[0]), "2行目 「smile」: Shift-JIS で表せない文字「😀」があります");
}

TEST_F(Cp932CopyTest, AnExistingFileIsNeverReplaced) {
    spit(dir.file("words-sjis.txt"), "mine");
    std::filesystem::create_directory(dir.file("words-sjis-2.txt"));
    Cp932Copy copy = writeCp932Copy(original);
    ASSERT_TRUE(copy.status.ok());
    EXPECT_EQ(copy.path, dir.file("words-sjis-3.txt"));
    EXPECT_EQ(slurp(dir.file("words-sjis.txt")), "mine");
    EXPECT_EQ(fileStem("/a/b.c/list.tab.csv"), "list.tab");
    EXPECT_EQ(fileStem("/a/.hidden"), ".hidden");
    EXPECT_EQ(freeDictionaryPath(dir.folder(), "new"), dir.file("new.txt"));
}

TEST_F(Cp932CopyTest, AReadOnlyFolderIsReportedAndLeavesNothing) {
    test::ReadOnlyFolder readOnly(dir.path());
    if (!readOnly.active()) GTEST_SKIP() << "no read-only folder here";
    Cp932Copy copy = writeCp932Copy(original);
    EXPECT_FALSE(copy.status.ok());
    EXPECT_TRUE(copy.path.empty());
    readOnly.release();
    EXPECT_FALSE(test::exists(dir.file("words-sjis.txt")));
    EXPECT_EQ(slurp(original), sample("utf8dic.txt"));
}

TEST_F(Cp932CopyTest, NothingCp932CanHoldGivesNoCopy) {
    spit(original, "a=😀*x\n");
    Cp932Copy copy = writeCp932Copy(original);
    EXPECT_TRUE(copy.status.ok());
    EXPECT_TRUE(copy.path.empty());
    EXPECT_EQ(copy.skipped.size(), 1u);
    EXPECT_FALSE(test::exists(dir.file("words-sjis.txt")));
}

TEST_F(Cp932CopyTest, ChoosingTheSameFileAgainTakesTheEarlierCopy) {
    Cp932Copy first = writeCp932Copy(original);
    Cp932Copy again = writeCp932Copy(original);
    EXPECT_TRUE(again.reused);
    EXPECT_EQ(again.path, first.path);
    // Once the original changed, the earlier copy stays and a new one is made.
    spit(original, "\xEF\xBB\xBF" "run=走る*新しい\n");
    Cp932Copy changed = writeCp932Copy(original);
    EXPECT_FALSE(changed.reused);
    EXPECT_EQ(changed.path, dir.file("words-sjis-2.txt"));
    EXPECT_EQ(slurp(first.path), sample("utf8dic.expected.txt"));
}

TEST(WordListImportTest, TheReportNamesTenEntriesAndCountsTheRest) {
    std::vector<ImportedEntry> skipped(12);
    for (std::size_t i = 0; i < skipped.size(); ++i) {
        skipped[i].line = i + 1;
        skipped[i].english = "w" + std::to_string(i + 1);
        skipped[i].problem = EntryProblem::MissingPart;
    }
    std::string report = skippedReport(skipped);
    EXPECT_EQ(report.substr(0, report.find('\n')), "1行目 「w1」: 日本語がありません");
    EXPECT_NE(report.find("10行目 「w10」"), std::string::npos);
    EXPECT_EQ(report.find("11行目"), std::string::npos);
    EXPECT_EQ(report.substr(report.rfind('\n') + 1), "ほか 2 件");
}

TEST(WordListImportTest, WordListsOfOtherProgramsAreToldFromPlainText) {
    EXPECT_TRUE(looksImportable(sample("vocabulary.kvtml")));
    EXPECT_TRUE(looksImportable(sj("犬\t") + "dog\r\n"));
    EXPECT_TRUE(looksImportable("dog,inu\r\n"));
    EXPECT_TRUE(looksImportable("いぬ"));
    EXPECT_FALSE(looksImportable("plain text\r\nmore"));
    EXPECT_FALSE(looksImportable(sj("犬です")));
}

// --- hostile files: one huge line, binary data, control characters ---

namespace {

constexpr std::size_t kHuge = 50u << 20;  // the largest file the import takes

// A 50 MiB file that is one line: `start`, then letters.
std::string oneHugeLine(const std::string& start) {
    std::string bytes = start;
    bytes.resize(kHuge, 'x');
    return bytes;
}

std::string utf16(std::u16string_view text, bool littleEndian) {
    std::string bytes;
    for (char16_t c : text) {
        char low = static_cast<char>(c & 0xFF), high = static_cast<char>(c >> 8);
        bytes += littleEndian ? std::string{low, high} : std::string{high, low};
    }
    return bytes;
}

std::size_t fieldBytes(const WordTable& table) {
    std::size_t n = 0;
    for (std::size_t r = 0; r < table.rows.size(); ++r) n += table.rows.rowBytes(r);
    return n;
}

} // namespace

TEST(WordListImportLimitsTest, AHugeLineTakenAsTheHeaderGivesShortColumnNames) {
    std::string bytes = oneHugeLine("English,Japanese,");
    test::PeakMemory memory;
    WordListImport in(std::move(bytes), &readKvtml);
    // UTF-8 is read where it lies, and the row keeps only the start of its fields.
    EXPECT_LT(memory.growth(), kHuge / 4);
    EXPECT_LT(fieldBytes(in.table()), 4096u);
    EXPECT_TRUE(in.headerDetected());
    EXPECT_EQ(in.entryCount(), 0u);
    ASSERT_EQ(in.columnCount(), 3u);
    EXPECT_EQ(in.columnLabel(0), "1列目（English）");
    EXPECT_EQ(in.columnLabel(2), "3列目（xxxxxxxxxxxxxxxxxxxxxxxxxxxxxx…）");
    EXPECT_LE(in.columnText(2).size(), 1000u);
}

TEST(WordListImportLimitsTest, AHugeLineAsAnEntryIsLeftOutAndNamedShortly) {
    std::string bytes = oneHugeLine("apple,");
    test::PeakMemory memory;
    WordListImport in(std::move(bytes), &readKvtml);
    ImportResult r = in.convert();
    EXPECT_LT(memory.growth(), kHuge / 4);
    EXPECT_TRUE(r.lines.empty());
    ASSERT_EQ(r.skipped.size(), 1u);
    EXPECT_EQ(r.skipped[0].problem, EntryProblem::TooLong);
    EXPECT_EQ(skippedText(r.skipped[0]), "1行目 「apple」: 行が長すぎます（64 KB を超えています）");
    EXPECT_LT(r.skipped[0].japanese.size(), 1024u);
    // The same in the dictionary's own form, and a line just short of the limit is taken.
    std::string hugeEntry = "apple=x*";
    hugeEntry.resize(1u << 20, 'x');
    WordListImport dictionary = importOf("a=b*c\n" + hugeEntry);
    EXPECT_EQ(dictionary.format(), WordListFormat::Dictionary);
    EXPECT_EQ(dictionary.entry(1).problem, EntryProblem::TooLong);
    std::string longest = "apple,";
    longest.resize(kMostEntryBytes, 'y');
    EXPECT_EQ(importOf(longest).entry(0).problem, EntryProblem::None);
    EXPECT_EQ(importOf(longest + "y").entry(0).problem, EntryProblem::TooLong);
}

TEST(WordListImportLimitsTest, AFileLargerThanTheLimitIsRefusedWhole) {
    std::string bytes(kMostWordListBytes + 1, 'a');
    WordListImport in = importOf(bytes);
    EXPECT_EQ(in.refusal(), "ファイルが大きすぎます（51 MB）。読み込めるのは 50 MB までです");
    EXPECT_EQ(in.entryCount(), 0u);
    EXPECT_EQ(sizeRefusal(kMostWordListBytes), "");
}

TEST(WordListImportLimitsTest, AProgramFileIsRefusedAsNoText) {
    std::string program = slurp("/bin/ls");
    ASSERT_GT(program.size(), 1000u);
    WordListImport in = importOf(program);
    EXPECT_EQ(in.refusal(), "テキストファイルではありません（文字ではないデータ NUL を含んでいます）");
    EXPECT_TRUE(in.convert().lines.empty());
    // Without NUL bytes, a high share of control characters tells the same.
    std::string controls;
    for (int i = 0; i < 200; ++i) controls += std::string("ab\x01\x02\x1B", 5);
    EXPECT_NE(importOf(controls).refusal().find("制御文字です"), std::string::npos);
    // UTF-16 holds NUL bytes in its characters, with its mark or without.
    std::string utf16le = utf16(u"cat\t猫\r\ndog\t犬", true);
    EXPECT_EQ(detectEncoding(utf16le), TextEncoding::Utf16Le);
    WordListImport unmarked = importOf(utf16le);
    EXPECT_EQ(unmarked.refusal(), "");
    EXPECT_EQ(unmarked.convert().lines,
              (std::vector<std::string>{sj("cat=猫*コメントはありません"), sj("dog=犬*コメントはありません")}));
    EXPECT_EQ(detectEncoding(utf16(u"cat\t猫", false)), TextEncoding::Utf16Be);
    EXPECT_EQ(importOf("\xFF\xFE" + utf16le).refusal(), "");
}

TEST(WordListImportLimitsTest, AnEntryWithAControlCharacterIsLeftOutAndNamed) {
    WordListImport in =
        importOf("bell,ベル\x07\r\ntab,タブ\tキー\r\nescape,\x1B[0m\r\nok,はい\r\none,一つ\r\ntwo,二つ\r\n");
    ImportResult r = in.convert();
    // A tab inside a field is text, as in a dictionary's own lines.
    EXPECT_EQ(r.lines, (std::vector<std::string>{sj("tab=タブ\tキー*コメントはありません"),
                                                  sj("ok=はい*コメントはありません"),
                                                  sj("one=一つ*コメントはありません"),
                                                  sj("two=二つ*コメントはありません")}));
    EXPECT_EQ(skippedTexts(r), (std::vector<std::string>{"1行目 「bell」: 制御文字（U+0007）があります",
                                                         "3行目 「escape」: 制御文字（U+001B）があります"}));
    EXPECT_EQ(in.entry(0).problem, EntryProblem::ControlCharacter);
    // A name holding one shows it as its picture, never the character itself.
    ImportedEntry named;
    named.line = 1;
    named.english = "a\x07" "b";
    named.problem = EntryProblem::ControlCharacter;
    named.culprit = "U+0007";
    EXPECT_EQ(skippedText(named), "1行目 「a␇b」: 制御文字（U+0007）があります");
}

TEST(WordListImportLimitsTest, YenOverlineAndEmojiAreLeftOutLookAlikesAreWrittenAsShown) {
    WordListImport in = importOf("price,¥100\nline,‾\nsmile,😀\nwave,波〜\nminus,−1\nwave2,〜です,〜\n");
    ImportResult r = in.convert();
    EXPECT_EQ(skippedTexts(r), (std::vector<std::string>{
                                   "1行目 「price」: Shift-JIS で表せない文字「¥」があります",
                                   "2行目 「line」: Shift-JIS で表せない文字「‾」があります",
                                   "3行目 「smile」: Shift-JIS で表せない文字「😀」があります",
                               }));
    ASSERT_EQ(r.lines.size(), 3u);
    // The entry shows the character as it is written, and the written line is what it shows.
    for (std::size_t i = 3; i < 6; ++i) {
        ImportedEntry e = in.entry(i);
        ASSERT_EQ(e.problem, EntryProblem::None);
        EXPECT_EQ(toUtf8(e.dictionaryLine), e.english + "=" + e.japanese + "*" +
                                                (e.comment.empty() ? "コメントはありません" : e.comment));
        EXPECT_EQ(e.dictionaryLine, r.lines[i - 3]);
    }
    EXPECT_EQ(in.entry(3).japanese, "波～");
    EXPECT_EQ(noteText(in.entry(3)), "「〜」は「～」として書き込みます");
    EXPECT_EQ(toUtf8(r.lines[1]), "minus=－1*コメントはありません");
    EXPECT_EQ(noteText(in.entry(0)), "Shift-JIS で表せない文字「¥」があります");
    EXPECT_EQ(lookAlikeReport(r), "「〜」は「～」として書き込みます (2 件)\n"
                                  "「−」は「－」として書き込みます (1 件)");
}

TEST(WordListImportLimitsTest, TheReportOfLeftOutEntriesStaysShortWhateverTheyHold) {
    std::vector<ImportedEntry> skipped(30);
    for (std::size_t i = 0; i < skipped.size(); ++i) {
        skipped[i].line = i + 1;
        skipped[i].english = std::string(5000, 'w');
        skipped[i].problem = EntryProblem::MissingPart;
    }
    std::string report = skippedReport(skipped);
    std::size_t lines = 0;
    std::size_t start = 0;
    for (std::size_t end; (end = report.find('\n', start)) != std::string::npos; start = end + 1) {
        ++lines;
        EXPECT_LT(end - start, 120u);
    }
    EXPECT_EQ(lines, 10u);  // ten entries, then "ほか 20 件"
    EXPECT_EQ(report.substr(start), "ほか 20 件");
    EXPECT_EQ(skippedText(skipped[0]), "1行目 「" + std::string(30, 'w') + "…」: 日本語がありません");
}

TEST(DelimitedTextTest, ARecordOverTheLimitKeepsOnlyItsStartAndFieldsOverTheLimitAreDropped) {
    std::string text = "a,b\n" + std::string(1000, 'x') + ",\"" + std::string(1000, 'y') + "\"\nc,d,e,f\n";
    DelimitedText t = readDelimited(text, ',', {100, 3});
    ASSERT_EQ(t.rows.size(), 3u);
    EXPECT_FALSE(t.rows.cut(0));
    EXPECT_TRUE(t.rows.cut(1));
    // What was kept of the long record, and that the rest is missing.
    EXPECT_EQ(t.rows.fields(1), (std::vector<std::string>{std::string(101, 'x') + "…", "…"}));
    EXPECT_EQ(t.rows.fields(2), (std::vector<std::string>{"c", "d", "e"}));
    EXPECT_EQ(t.rows.line(2), 3u);
    EXPECT_EQ(t.extraFieldLines, std::vector<std::size_t>{3});
    // A line of nothing but separators keeps no more fields than the limit.
    DelimitedText commas = readDelimited(std::string(100000, ','), ',', {kMostEntryBytes, kMostColumns});
    ASSERT_EQ(commas.rows.size(), 1u);
    EXPECT_EQ(commas.rows.fieldCount(0), kMostColumns);
    EXPECT_TRUE(commas.rows.cut(0));
}

TEST(ImportTextTest, TextsAreCutForTheScreenAndControlCharactersShownAsPictures) {
    EXPECT_EQ(shownText("りんごとみかん", 3), "りんご…");
    EXPECT_EQ(shownText("りんご", 3), "りんご");
    EXPECT_EQ(shownText("a\x01\x7F\xC2\x85" "b", 10), "a␁␡\xEF\xBF\xBD" "b");
    EXPECT_EQ(utf8Prefix("あい", 4), "あ");
    EXPECT_EQ(firstControlCharacter("a\tb\r\n"), std::nullopt);
    EXPECT_EQ(firstControlCharacter("a\xC2\x9B"), char32_t(0x9B));
    EXPECT_EQ(codePointName(0x1B), "U+001B");
}

// --- every entry accounted for ---

namespace {

// A KVTML file of two words and then `blank` entries without any text, as a vocabulary
// program leaves the rows a learner added and never filled.
std::string kvtmlWithBlankEntries(int blank) {
    std::string xml =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<kvtml version=\"2.0\">\n"
        "<identifiers><identifier id=\"0\"><name>English</name></identifier>"
        "<identifier id=\"1\"><name>日本語</name></identifier></identifiers>\n<entries>\n"
        "<entry id=\"0\"><translation id=\"0\"><text>apple</text></translation>"
        "<translation id=\"1\"><text>りんご</text></translation></entry>\n"
        "<entry id=\"1\"><translation id=\"0\"><text>run</text></translation>"
        "<translation id=\"1\"><text>走る</text></translation></entry>\n";
    for (int i = 0; i < blank; ++i)
        xml += "<entry id=\"" + std::to_string(i + 2) +
               "\"><translation id=\"0\"><text></text></translation>"
               "<translation id=\"1\"><text></text></translation></entry>\n";
    return xml + "</entries>\n</kvtml>\n";
}

} // namespace

TEST(WordListImportTest, BlankEntriesAreCountedAsBlankSoThatEveryEntryIsAccountedFor) {
    WordListImport in = importOf(kvtmlWithBlankEntries(14));
    ASSERT_EQ(in.entryCount(), 16u);
    ImportTally tally;
    in.tally(0, in.entryCount(), tally);
    EXPECT_EQ(tally.written, 2u);
    EXPECT_EQ(tally.skipped, 0u);
    EXPECT_EQ(tally.blank, 14u);
    EXPECT_EQ(in.entry(2).problem, EntryProblem::Blank);
    EXPECT_EQ(noteText(in.entry(2)), "空の項目です（取り込むものがありません）");

    ImportResult r = in.convert();
    EXPECT_EQ(r.lines.size(), 2u);
    EXPECT_TRUE(r.skipped.empty());
    EXPECT_EQ(r.blankEntries, 14u);

    // A row with only its comment is no blank: it lacks its words and is named.
    WordListImport csv = importOf("apple,りんご,fruit\n,,\n,,only a comment\n");
    csv.setColumns({0, 1, 2});
    ImportTally parts;
    csv.tally(0, csv.entryCount(), parts);
    EXPECT_EQ(parts.written + parts.skipped + parts.blank, csv.entryCount());
    EXPECT_EQ(parts.blank, 1u);
    EXPECT_EQ(parts.skipped, 1u);
    EXPECT_EQ(csv.entry(2).problem, EntryProblem::MissingPart);
}
