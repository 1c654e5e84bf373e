#include "platform/SeqFile.h"
#include "support/FileSizeLimit.h"
#include "support/RunErrorOf.h"
#include "support/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>

// A file that is missing or cannot be opened is a RunError.
TEST(ReadLines, SplitsAtCrLfOrLfAndNeedsAReadableFile) {
    TempFolder dir;
    using Lines = std::vector<std::string>;
    EXPECT_EQ(ReadLines(dir.write("a", "one\r\ntwo\nthree")), (Lines{"one", "two", "three"}));
    EXPECT_EQ(ReadLines(dir.write("b", "one\r\n\r\n")), (Lines{"one", ""}));
    EXPECT_EQ(ReadLines(dir.write("c", "")), Lines{});
    EXPECT_EQ(ReadLines(dir.write("d", "a\rb\r\n")), Lines{"a\rb"});
    EXPECT_EQ(ReadLines(dir.write("e", std::string("x\0y\n", 4))), Lines{std::string("x\0y", 3)});
    EXPECT_EQ(RunErrorOf([&] { ReadLines(dir.path("none")); }), ErrNo::FileNotFound);
    EXPECT_EQ(RunErrorOf([&] { ReadLines(dir.path()); }), ErrNo::PermissionDenied);
    EXPECT_EQ(RunErrorOf([&] { ValueReader in(dir.path("none")); }), ErrNo::FileNotFound);
}

// A quoted value keeps its blanks and may cross lines; what follows its closing quote is dropped;
// a quote never closed reads past the end.
TEST(ValueReader, ReadsValuesEndingAtCommasAndLineEnds) {
    TempFolder dir;
    ValueReader in(dir.write("v", "50\r\n\"Athenaze.lxv\",15,  \"a, b\"  ,  x y  \n\n\" 3\"\r\n"
                                  "\"\"\r\n\"two\r\nlines\"junk,\"last\",cr\rx\r\"open"));
    EXPECT_EQ(in.NextInt16(), 50);
    EXPECT_EQ(in.NextValue(), "Athenaze.lxv");
    EXPECT_EQ(in.NextInt16(), 15);
    EXPECT_EQ(in.NextValue(), "a, b");
    EXPECT_EQ(in.NextValue(), "x y");
    EXPECT_EQ(in.NextValue(), ""); // the empty line
    EXPECT_EQ(in.NextValue(), " 3");
    EXPECT_EQ(in.NextValue(), "");
    EXPECT_EQ(in.NextValue(), "two\r\nlines");
    EXPECT_EQ(in.NextValue(), "last");
    EXPECT_EQ(in.NextValue(), "cr"); // a line ended by CR alone
    EXPECT_EQ(in.NextValue(), "x");
    EXPECT_EQ(RunErrorOf([&] { in.NextValue(); }), ErrNo::InputPastEnd);
}

TEST(ValueWriter, OldFileStaysWholeUntilCommitAndOnFailure) {
    TempFolder dir;
    const std::string file = dir.write("prefs", "old\r\n");
    {
        ValueWriter out(file);
        out.WriteString("new");
        EXPECT_EQ(TempFolder::read(file), "old\r\n");
    } // dropped without Commit
    EXPECT_EQ(TempFolder::read(file), "old\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);

    // A disk that fills up while the file is written.
    {
        FileSizeLimit diskFull(3);
        EXPECT_EQ(RunErrorOf([&] {
                      ValueWriter out(file);
                      out.WriteString("a longer new text");
                      out.Commit();
                  }),
                  ErrNo::DeviceIO);
    }
    EXPECT_EQ(TempFolder::read(file), "old\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);

    // A folder that does not exist, and a target that is a folder, cannot be written.
    EXPECT_NE(RunErrorOf([&] {
                  ValueWriter out(dir.path("missing/prefs"));
                  out.Commit();
              }),
              ErrNo{});
    std::filesystem::create_directory(dir.path("folder"));
    EXPECT_NE(RunErrorOf([&] {
                  ValueWriter out(dir.path("folder"));
                  out.WriteInt(1);
                  out.Commit();
              }),
              ErrNo{});
    EXPECT_TRUE(std::filesystem::is_directory(dir.path("folder")));
}
