// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <string>
#include <vector>

#include "Common/Exception.h"
#include "Common/FileSystem/EncryptedFile.h"
#include "Common/Platform/Utf8Path.h"
#include "Support/LogCapture.h"
#include "Support/TempDir.h"

using common::EncryptedFile;
using Lines = std::vector<std::string>;

TEST(EncryptedFile, WritesExactlyTheXoredBytesWithTheKeyRunningAcrossLines) {
    testsupport::TempDir dir;
    testsupport::LogCapture log;
    EncryptedFile::Write(dir.File("one.dat"), "K", {"a", "b"});
    // 'a' ^ 'K', '\n' ^ 'K', 'b' ^ 'K', worked out by hand.
    EXPECT_EQ(dir.Read("one.dat"), std::string("\x2A\x41\x29"));
    EXPECT_TRUE(log.Contains("| Starte Verschlüsselung\n"));

    // "abc\ndef" with "xyz": key positions 0,1,2,0,1,2,0, the line feed combined like any byte.
    EncryptedFile::Write(dir.File("three.dat"), "xyz", {"abc", "def"});
    EXPECT_EQ(dir.Read("three.dat"), std::string("\x19\x1B\x19\x72\x1D\x1F\x1E"));
}

TEST(EncryptedFile, RoundTripKeepsEmptyLinesAndDropsLineEndCarriageReturns) {
    testsupport::TempDir dir;
    const std::string key = "Schlüssel-123";
    const Lines lines{"{(Vorlatec)|Playername}", "Jörg", "", "Anna?57", "zeile\r", "Ende"};
    EncryptedFile::Write(dir.File("game.dat"), key, lines);
    Lines expected = lines;
    expected[4] = "zeile";
    EXPECT_EQ(EncryptedFile::Read(dir.File("game.dat"), key), expected);

    // Another key reads back garbage, not the lines.
    EXPECT_NE(EncryptedFile::Read(dir.File("game.dat"), "anders"), expected);

    // A folder with an umlaut: on Windows the name must reach the system as UTF-16, not in the
    // ANSI code page.
    const std::string folder = dir.File("Spielstände");
    std::filesystem::create_directory(common::Utf8Path::From(folder));
    EncryptedFile::Write(folder + "/game.dat", key, {"Jörg"});
    EncryptedFile::Write(folder + "/game.dat", key, {"Jürgen"});
    EXPECT_EQ(EncryptedFile::Read(folder + "/game.dat", key), Lines{"Jürgen"});
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path())) {
        names.push_back(common::Utf8Path::Text(entry.path().filename()));
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (Lines{"Spielstände", "game.dat"}));
}

TEST(EncryptedFile, MissingEmptyAndKeylessCases) {
    testsupport::TempDir dir;
    testsupport::LogCapture log;
    const std::string missing = dir.File("missing.dat");
    EXPECT_EQ(EncryptedFile::Read(missing, "k"), std::nullopt);
    EXPECT_TRUE(log.Contains("| FILE " + missing + " does not exist - Cancel Reading.\n"));
#ifndef _WIN32
    // A file that cannot be checked is not missing: the caller must not write over it.
    std::filesystem::create_symlink("loop.dat", dir.File("loop.dat"));
    EXPECT_THROW(EncryptedFile::Read(dir.File("loop.dat"), "k"), common::Exception);
#endif

    EncryptedFile::Write(dir.File("empty.dat"), "k", {});
    EXPECT_EQ(dir.Read("empty.dat"), "");
    EXPECT_EQ(EncryptedFile::Read(dir.File("empty.dat"), "k"), Lines{});

    EXPECT_THROW(EncryptedFile::Write(dir.File("nokey.dat"), "", {"a"}), common::ArgumentException);
    EXPECT_FALSE(std::filesystem::exists(dir.File("nokey.dat")));
}

#ifndef _WIN32
namespace {

// Lowers this process's file size limit, so that writes fail midway as on a full disk.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &previous_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = previous_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }

  private:
    rlimit previous_{};
    void (*previousHandler_)(int) = nullptr;
};

}  // namespace
#endif

TEST(EncryptedFile, AFailedWriteLeavesTheOldFileIntactAndReportsTheError) {
    testsupport::TempDir dir;
    const std::string file = dir.File("game.dat");
    const Lines saved{"{(Vorlatec)|Playername}", "Anna"};
    EncryptedFile::Write(file, "key", saved);

#ifndef _WIN32
    // Windows has no file size limit to make a write fail midway.
    const std::string before = dir.Read("game.dat");
    const Lines big(500, "Ein langer Highscore-Eintrag?99");
    {
        FileSizeLimit limit(1024);
        EXPECT_THROW(EncryptedFile::Write(file, "key", big), common::Exception);
    }
    EXPECT_EQ(dir.Read("game.dat"), before);
    EXPECT_EQ(EncryptedFile::Read(file, "key"), saved);
    // No temporary file is left behind.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()),
                            std::filesystem::directory_iterator()),
              1);
#else
    // The move would replace a read-only file; only the check before refuses it.
    std::filesystem::permissions(file, std::filesystem::perms::owner_read);
    EXPECT_THROW(EncryptedFile::Write(file, "key", {"neu"}), common::Exception);
    std::filesystem::permissions(file, std::filesystem::perms::owner_all);
    EXPECT_EQ(EncryptedFile::Read(file, "key"), saved);
#endif

    EXPECT_THROW(EncryptedFile::Write(dir.File("no/such/folder/game.dat"), "key", saved),
                 common::Exception);
}

TEST(EncryptedFile, ARewriteKeepsTheFilesPermissions) {
#ifdef _WIN32
    GTEST_SKIP() << "file modes, owners and links are POSIX's";
#else
    testsupport::TempDir dir;
    const std::string file = dir.File("game.dat");
    EncryptedFile::Write(file, "key", {"alt"});
    std::filesystem::permissions(file, std::filesystem::perms::owner_read |
                                           std::filesystem::perms::owner_write |
                                           std::filesystem::perms::group_read);
    EncryptedFile::Write(file, "key", {"neu"});
    EXPECT_EQ(std::filesystem::status(file).permissions(), std::filesystem::perms::owner_read |
                                                               std::filesystem::perms::owner_write |
                                                               std::filesystem::perms::group_read);
    EXPECT_EQ(EncryptedFile::Read(file, "key"), Lines{"neu"});

    // Written through a link (a save kept in a synchronised folder): the link stays.
    const std::string link = dir.File("link.dat");
    std::filesystem::create_symlink("game.dat", link);
    EncryptedFile::Write(link, "key", {"verlinkt"});
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(EncryptedFile::Read(file, "key"), Lines{"verlinkt"});

    // Owner and group stay; only root may keep another user's, so only root can check it.
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(file.c_str(), 65534, 65534), 0);
        EncryptedFile::Write(file, "key", {"fremd"});
        struct stat status {};
        ASSERT_EQ(::stat(file.c_str(), &status), 0);
        EXPECT_EQ(status.st_uid, 65534u);
        EXPECT_EQ(status.st_gid, 65534u);
    }
#endif
}
