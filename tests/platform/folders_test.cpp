#include "platform/Folders.h"
#include "support/TempFolder.h"

#include <QDir>
#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>

using Names = std::vector<std::string>;

TEST(Folders, AreMadeOnceAndToldFromFiles) {
    TempFolder dir;
    dir.write("file.lxv", "x");
    ASSERT_TRUE(MakeFolder(dir.path("Anna")));
    ASSERT_TRUE(MakeFolder(dir.path("bob smith ")));
    // A folder needs its parent and a name that nothing has yet.
    EXPECT_FALSE(MakeFolder(dir.path("a/b")));
    EXPECT_FALSE(MakeFolder(dir.path("Anna")));
    EXPECT_FALSE(MakeFolder(dir.path("file.lxv")));
    EXPECT_FALSE(MakeFolder(""));
    std::filesystem::create_directory_symlink(dir.path("Anna"), dir.path("link"));

    EXPECT_TRUE(FolderExists(dir.path("Anna")));
    EXPECT_TRUE(FolderExists(dir.path("link")));
    EXPECT_FALSE(FolderExists(dir.path("file.lxv")));
    EXPECT_FALSE(FolderExists(dir.path("none")));
    EXPECT_FALSE(FolderExists(""));
    EXPECT_TRUE(FileExists(dir.path("file.lxv")));
    EXPECT_FALSE(FileExists(dir.path("Anna")));
    EXPECT_FALSE(FileExists(""));

    Names folders = SubFolderNames(dir.path());
    std::sort(folders.begin(), folders.end());
    EXPECT_EQ(folders, (Names{"Anna", "bob smith ", "link"}));
    EXPECT_EQ(FileNames(dir.path()), Names{"file.lxv"});
    EXPECT_EQ(SubFolderNames(dir.path("none")), Names{});

    // Sub-folders come in the file system's order.
    for (const char* name : {"zeta", "alpha", "Mu", "beta", "10", "9"})
        MakeFolder(dir.path(name));
    Names expected;
    for (const QString& name : QDir(QString::fromStdString(dir.path()))
                                   .entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Unsorted))
        expected.push_back(name.toStdString());
    EXPECT_EQ(SubFolderNames(dir.path()), expected);
}
