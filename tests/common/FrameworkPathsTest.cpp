#include "common/FrameworkPaths.h"

#include <gtest/gtest.h>

namespace {

struct PathCase {
    const char* path;
    const char* expected;
};

void ExpectEach(std::string (*routine)(const std::string&), std::initializer_list<PathCase> cases) {
    for (const PathCase& c : cases)
        EXPECT_EQ(routine(c.path), c.expected) << "for \"" << c.path << "\"";
}

} // namespace

TEST(ExtractFileDrive, DriveLettersAndShares) {
    ExpectEach(ExtractFileDrive, {
                                     {"C:\\a\\b", "C:"},
                                     {"c:", "c:"},
                                     {"C:abc", "C:"},
                                     {"1:\\x", "1:"},
                                     {"abc\\def", ""},
                                     {"", ""},
                                     {"C", ""},
                                     {"\\abc", ""},
                                     {"\\\\server\\share\\dir\\x", "\\\\server\\share"},
                                     {"\\\\server\\share", "\\\\server\\share"},
                                     {"\\\\server\\", "\\\\server"},
                                     {"\\\\server", "\\\\server"},
                                 });
}

// Runs ask at every line whether a text has a drive part without taking it.
TEST(ExtractFileDrive, HasFileDriveAnswersWhetherThereIsOne) {
    for (const char* path : {"C:\\a", "c:", "C:abc", "1:\\x", "abc\\def", "", "C", "\\abc", " C:\\a",
                             "\\\\server\\share", "\\\\"})
        EXPECT_EQ(HasFileDrive(path), !ExtractFileDrive(path).empty()) << "for \"" << path << "\"";
}

TEST(ExtractFileName, AfterLastBackslashOrColon) {
    ExpectEach(ExtractFileName, {
                                    {"C:\\a\\b.txt", "b.txt"},
                                    {"C:abc", "abc"},
                                    {"C:\\a\\", ""},
                                    {"name", "name"},
                                    {"", ""},
                                    {"C:\\a/b", "a/b"}, // a slash is no delimiter here
                                });
}

TEST(ExtractFileDir, KeepsRootBackslashOnly) {
    ExpectEach(ExtractFileDir, {
                                   {"C:\\abc", "C:\\"},
                                   {"C:\\abc\\def", "C:\\abc"},
                                   {"C:abc", "C:"},
                                   {"abc", ""},
                                   {"", ""},
                                   {"C:\\abc\\", "C:\\abc"},
                                   {"C:\\\\abc", "C:\\\\"},
                                   {"\\abc", "\\"},
                               });
}

TEST(ExtractFileExt, DotMustFollowLastDelimiter) {
    ExpectEach(ExtractFileExt, {
                                   {"C:\\dir\\name.txt", ".txt"},
                                   {"C:\\dir.old\\name", ""},
                                   {"C:\\a\\archive.tar.gz", ".gz"},
                                   {"C:\\a\\name.", "."},
                                   {"C:x.y:name", ""},
                                   {"", ""},
                               });
}

TEST(TrailingPathDelimiter, IncludeAddsOneExcludeRemovesOne) {
    ExpectEach(IncludeTrailingPathDelimiter, {
                                                 {"C:\\a", "C:\\a\\"},
                                                 {"C:\\a\\", "C:\\a\\"},
                                                 {"", "\\"},
                                             });
    ExpectEach(ExcludeTrailingPathDelimiter, {
                                                 {"C:\\a\\", "C:\\a"},
                                                 {"C:\\a\\\\", "C:\\a\\"},
                                                 {"C:\\a", "C:\\a"},
                                                 {"", ""},
                                                 {"\\", ""},
                                             });
}

TEST(FrameworkPathsBadInput, LongAndBinaryTextsAreHandled) {
    const std::string deep = "C:" + std::string(100000, '\\');
    EXPECT_EQ(ExtractFileDrive(deep), "C:");
    EXPECT_EQ(ExtractFileName(deep), "");
    EXPECT_EQ(ExtractFileDir(deep), deep); // the backslash before the last one stays
    const std::string binary = "\x01\xff\xfe:\x80\\\xc3";
    EXPECT_EQ(ExtractFileName(binary), "\xc3");
    EXPECT_EQ(ExtractFileDir(binary), "\x01\xff\xfe:\x80");
    EXPECT_EQ(ExtractFileDrive("\\\\" + std::string(100000, 'x')).size(), 100002u);
}
