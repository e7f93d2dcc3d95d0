#include "common/ListFileImporter.h"

#include "support/DriveSandbox.h"
#include "support/ScriptedDesktop.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

namespace {

using testsupport::DriveSandbox;
using testsupport::ScriptedDesktop;
using Items = std::deque<std::string>;

class ListFileImporterTest : public ::testing::Test {
protected:
    // Writes the file and imports it.
    Items Import(const std::string& content, uint32_t type, const std::string& separator = ",",
                 bool abandon = true, int column = 1) {
        sandbox.MakeFile("D:\\list.txt", content);
        return ImportFile("D:\\list.txt", type, separator, abandon, column);
    }
    Items ImportFile(const std::string& file, uint32_t type, const std::string& separator = ",",
                     bool abandon = true, int column = 1) {
        ListFileImportRequest request;
        request.fileName = file;
        request.importType = type;
        request.separator = separator;
        request.quotationMark = "'"; // plays no part in the reading
        request.abandonQuotationMarks = abandon;
        ListFileImporter importer(request);
        importer.SetColumn(column);
        opened = importer.Run();
        return importer.GetResult();
    }

    bool opened = false; // what the last import's Run said

    DriveSandbox sandbox;
    ScriptedDesktop desktop; // fails the test on any box not expected
};

TEST_F(ListFileImporterTest, PlainTextGivesOneCleanedItemPerLine) {
    const std::string file =
        "alpha\r\n  beta  \n\n \t \r\n\"gamma\"\n'delta'\n\"'eps'\"\n\"a \"\"b\"\"\" tail\n";
    EXPECT_EQ(Import(file, ImportPlainText), (Items{"alpha", "beta", "gamma", "delta", "eps", "a \"b\""}));
    EXPECT_EQ(Import(file, ImportPlainText, ",", false),
              (Items{"alpha", "beta", "\"gamma\"", "'delta'", "\"'eps'\"", "\"a \"\"b\"\"\" tail"}));
    // A plain line is never cut at the separator.
    EXPECT_EQ(Import("a,b\n", ImportPlainText), Items{"a,b"});
}

TEST_F(ListFileImporterTest, AllColumnsKeepsEveryFieldEmptyOnesIncluded) {
    EXPECT_EQ(Import("a,,b,c\na,b,,c\n", ImportAllColumns), (Items{"a", "", "b", "c", "a", "b", "", "c"}));
    EXPECT_EQ(Import(" one ; two;\r\n\n;x\n", ImportAllColumns, ";"), (Items{"one", "two", "", "", "x"}));
    // Every character of the separator text separates.
    EXPECT_EQ(Import("a;b|c\n", ImportAllColumns, ";|"), (Items{"a", "b", "c"}));
    // No separator: the whole line is one field.
    EXPECT_EQ(Import("a,b\n", ImportAllColumns, ""), Items{"a,b"});
}

TEST_F(ListFileImporterTest, OneColumnTakesTheSameColumnOnEveryLine) {
    const std::string file = "x1,,z1\n,y2,\nonly\n\"q,1\",y4,z4\n";
    EXPECT_EQ(Import(file, ImportOneColumn, ",", true, 1), (Items{"x1", "", "only", "q,1"}));
    EXPECT_EQ(Import(file, ImportOneColumn, ",", true, 2), (Items{"", "y2", "y4"}));
    EXPECT_EQ(Import(file, ImportOneColumn, ",", true, 3), (Items{"z1", "", "z4"}));
    EXPECT_EQ(Import(file, ImportOneColumn, ",", true, 4), Items{});
    EXPECT_EQ(Import(file, ImportOneColumn, ",", true, 0), Items{});
    EXPECT_EQ(Import(file, ImportOneColumn, ",", true, -3), Items{});
}

TEST_F(ListFileImporterTest, DoubleQuotesKeepSeparatorsInsideAField) {
    const std::string file = "\"Smith, John\",42, \"say \"\"hi\"\", ok\" ,'x,y'\n";
    EXPECT_EQ(Import(file, ImportAllColumns), (Items{"Smith, John", "42", "say \"hi\", ok", "'x", "y'"}));
    EXPECT_EQ(Import(file, ImportAllColumns, ",", false),
              (Items{"\"Smith, John\"", "42", "\"say \"\"hi\"\", ok\"", "'x", "y'"}));
    // An apostrophe pair inside double quotes goes too; text after the closing
    // quote is dropped with the quotes; an unclosed quote runs to the line end.
    EXPECT_EQ(Import("\"'a,b'\",\"c\"d,e\n\"open,end\n", ImportAllColumns),
              (Items{"a,b", "c", "e", "\"open,end"}));
    // With the double quote as the separator, it only separates.
    EXPECT_EQ(Import("a\"b\"\"c\n", ImportAllColumns, "\""), (Items{"a", "b", "", "c"}));
}

TEST_F(ListFileImporterTest, SpaceSeparatorTakesARunOfBlanksAsOne) {
    EXPECT_EQ(Import("  a   b  c  \r\n\"my file\"  x\n", ImportAllColumns, "space"),
              (Items{"a", "b", "c", "my file", "x"}));
    EXPECT_EQ(Import(" a  b\nc   d\n", ImportOneColumn, "space", true, 2), (Items{"b", "d"}));
    // A tab is no blank.
    EXPECT_EQ(Import("a\tb c\n", ImportAllColumns, "space"), (Items{"a\tb", "c"}));
}

TEST_F(ListFileImporterTest, FileThatCannotBeOpenedShowsWarning0313) {
    sandbox.MakeFolder("D:\\AFolder");
    for (const char* file : {"D:\\missing.txt", "Q:\\list.txt", "D:\\AFolder", ""}) {
        EXPECT_EQ(ImportFile(file, ImportPlainText), Items{}) << file;
        EXPECT_FALSE(opened) << file;
    }
    // The box is the caller's to show; the reader shows none.
    EXPECT_TRUE(desktop.Boxes().empty());
    const ui::MessageBoxRequest box = ListFileImporter::OpenFailureBox();
    EXPECT_EQ(box.caption, "Import File content.            Warnings no: 0313.");
    EXPECT_EQ(box.text, "There was a problem opening the file !\nAction : The file is maybe corrupted.");
    EXPECT_EQ(box.icon, ui::Icon::Warning);
    EXPECT_EQ(box.buttons, ui::Buttons::Ok);
    EXPECT_EQ(box.owner, nullptr);
}

TEST_F(ListFileImporterTest, OnlyPlainFilesAreRead) {
    // A device answers at once but is no list file; a pipe would block the
    // window until someone writes to it.
    std::filesystem::create_symlink("/dev/null", sandbox.Host("D:\\device.txt"));
    ASSERT_EQ(mkfifo(sandbox.Host("D:\\pipe.txt").c_str(), 0600), 0);
    for (const char* file : {"D:\\device.txt", "D:\\pipe.txt"}) {
        EXPECT_EQ(ImportFile(file, ImportPlainText), Items{}) << file;
        ASSERT_FALSE(opened) << file; // before the pipe, which would hang
    }
    // A link to a plain file is read as that file.
    sandbox.MakeFile("D:\\real.txt", "linked\n");
    std::filesystem::create_symlink(sandbox.Host("D:\\real.txt"), sandbox.Host("D:\\link.txt"));
    EXPECT_EQ(ImportFile("D:\\link.txt", ImportPlainText), Items{"linked"});
}

TEST_F(ListFileImporterTest, UnknownImportTypeReadsNothing) {
    EXPECT_EQ(Import("a\nb\n", 3), Items{});
    EXPECT_EQ(Import("a\nb\n", 0), Items{});
}

TEST_F(ListFileImporterTest, OddFilesGiveThePlainResults) {
    EXPECT_EQ(Import("", ImportPlainText), Items{});
    EXPECT_EQ(Import("", ImportAllColumns), Items{});
    EXPECT_EQ(Import("\n \n\t\r\n\r\n   ", ImportPlainText), Items{});
    EXPECT_EQ(Import("\n \n\t\r\n\r\n   ", ImportOneColumn), Items{});
    EXPECT_EQ(Import("a\r\nb\r\nc", ImportPlainText), (Items{"a", "b", "c"}));
    // Lines end at line feeds only: lone carriage returns stay inside the line.
    EXPECT_EQ(Import("a\rb\rc\r", ImportPlainText), Items{"a\rb\rc"});
    // NUL bytes are characters like others; at the ends they are trimmed.
    EXPECT_EQ(Import(std::string("a\0b\n\0\n\0c,d\0\n", 12), ImportAllColumns),
              (Items{std::string("a\0b", 3), "c", "d"}));
    // A file that is not UTF-8 is Windows text, read as its code page.
    EXPECT_EQ(Import("\xe9t\xe9 name\n\xc3(\n", ImportPlainText),
              (Items{"\xc3\xa9t\xc3\xa9 name", "\xc3\x83("}));
}

TEST_F(ListFileImporterTest, LongLinesAndManyLines) {
    const std::string megabyte(1 << 20, 'm');
    EXPECT_EQ(Import("x\n" + megabyte + "\ny", ImportPlainText), (Items{"x", megabyte, "y"}));
    EXPECT_EQ(Import("a," + megabyte + "\n", ImportOneColumn, ",", true, 2), Items{megabyte});

    std::string many;
    for (int i = 0; i < 100000; ++i)
        many += "item" + std::to_string(i) + ",v" + std::to_string(i) + "\r\n";
    const Items plain = Import(many, ImportPlainText);
    ASSERT_EQ(plain.size(), 100000u);
    EXPECT_EQ(plain.front(), "item0,v0");
    EXPECT_EQ(plain.back(), "item99999,v99999");
    const Items columns = Import(many, ImportAllColumns);
    ASSERT_EQ(columns.size(), 200000u);
    EXPECT_EQ(columns[199999], "v99999");
    const Items second = Import(many, ImportOneColumn, ",", true, 2);
    ASSERT_EQ(second.size(), 100000u);
    EXPECT_EQ(second[12345], "v12345");
}

TEST(ListFileImporterSplitFields, FieldsBetweenSeparators) {
    struct Case {
        std::string line, separators;
        Items fields;
    };
    const Case cases[] = {
        {"a,,b", ",", {"a", "", "b"}},
        {",a,", ",", {"", "a", ""}},
        {",", ",", {"", ""}},
        {"", ",", {""}},
        {"\"a,b\"c,d", ",", {"\"a,b\"c", "d"}},
        {"\"a\"\",b\",c", ",", {"\"a\"\",b\"", "c"}},
        {"  \"a b\"  c ", " ", {"\"a b\"", "c"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ListFileImporter::SplitFields(c.line, c.separators), c.fields) << c.line;
}

} // namespace
