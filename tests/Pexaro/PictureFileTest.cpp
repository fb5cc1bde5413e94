// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "Common/Exception.h"
#include "Common/FileSystem/TemporaryCopy.h"
#include "Common/Platform/Utf8Path.h"
#include "Pexaro/FolderListing.h"
#include "Pexaro/GameData.h"
#include "Pexaro/PictureFile.h"
#include "Support/LogCapture.h"
#include "Support/TempDir.h"

using pexaro::PictureFile;

TEST(PictureFile, TheWholeAnswerInPlaceScoresTenWhateverTheCase) {
    const PictureFile hund("Hund.jpg");
    EXPECT_EQ(hund.CheckName("HUND"), 10);
    EXPECT_EQ(hund.CheckName("hund"), 10);
    EXPECT_EQ(hund.CheckName("hundehütte"), 10);  // starts with the whole answer
    EXPECT_EQ(PictureFile("Äpfel.png").CheckName("äPFEL"), 10);
    EXPECT_EQ(PictureFile("Großer Bär.jpg").CheckName("GROSSER BÄR"), 8);  // ß is not ss
    EXPECT_EQ(PictureFile("Leuchtturm.v2.jpg").Answer(), "Leuchtturm.v2");
}

TEST(PictureFile, OtherwiseLetterContentDecides) {
    const PictureFile hund("Hund.jpg");
    EXPECT_EQ(hund.CheckName("hnud"), 10);  // same letters
    EXPECT_EQ(hund.CheckName("hunt"), 5);   // one missing, one too many
    EXPECT_EQ(hund.CheckName(""), 0);
    EXPECT_EQ(hund.CheckName("xxxxxxxx"), -20);
    EXPECT_EQ(hund.CheckName("h u n d"), 10);  // blanks do not count
    // The umlaut's bytes are not letters: "kase" has an 'a' that Käse lacks.
    EXPECT_EQ(PictureFile("Käse.jpg").CheckName("kase"), 8);
    // Both ends of the alphabet count, their neighbours in ASCII do not.
    const PictureFile zebra("Zebra.png");
    EXPECT_EQ(zebra.CheckName("ebra"), 8);
    EXPECT_EQ(zebra.CheckName("zebr"), 8);
    EXPECT_EQ(zebra.CheckName("`ebra{z"), 10);
    // 10 - (10 / 6) * 3 is exactly 5; rounding must not make it 4.
    EXPECT_EQ(PictureFile("Flower.png").CheckName("Flo"), 5);
}

TEST(PictureFile, CheckNameLogsAndIsUsedOnlyOnce) {
    testsupport::LogCapture log;
    PictureFile picture("Leuchtturm.jpg");
    picture.CheckName("Turm");
    EXPECT_TRUE(log.Contains("|  entered: TurmCheckName: Leuchtturm\n"));
    EXPECT_FALSE(picture.IsUsed());
    picture.SetUsed();
    EXPECT_TRUE(picture.IsUsed());
}

TEST(PictureFile, PicturesAreNamedByTheirLastFourBytes) {
    EXPECT_TRUE(PictureFile::IsPictureFile("Hund.jpg"));
    EXPECT_TRUE(PictureFile::IsPictureFile("Bild.JPG"));
    EXPECT_TRUE(PictureFile::IsPictureFile("x.Png"));
    EXPECT_TRUE(PictureFile::IsPictureFile("Straßenbahn 🚋.bmp"));
    EXPECT_FALSE(PictureFile::IsPictureFile("Hund.gif"));
    EXPECT_FALSE(PictureFile::IsPictureFile("Hund.jpeg"));
    EXPECT_FALSE(PictureFile::IsPictureFile("Hund.jpg.txt"));
    // The extension text must not occur earlier in the name.
    EXPECT_FALSE(PictureFile::IsPictureFile("a.jpg.jpg"));
    EXPECT_TRUE(PictureFile::IsPictureFile("a.png.jpg"));
    try {
        PictureFile::IsPictureFile(".png");
        FAIL() << "no exception";
    } catch (const common::Exception& error) {
        EXPECT_STREQ(error.what(),
                     "Der Dateiname .png kann nicht verarbeitet werden, da er zu kurz ist.");
    }
    EXPECT_THROW(PictureFile::IsPictureFile(""), common::Exception);
}

TEST(PictureFile, AnUmlautNameIsListedAndCopiedUnderItsOwnName) {
    // On Windows these names reach the system as UTF-16; a conversion through the ANSI code
    // page would list a name that cannot be opened again.
    testsupport::TempDir dir;
    // By the case-folded name: raw bytes would put capitals before small letters, and Ö (C3 96)
    // before ä (C3 A4).
    for (const std::string set : {"Tiere", "zoo", "Öl", "Bären", "äpfel", "apfel"}) {
        std::filesystem::create_directory(common::Utf8Path::From(dir.File(set)));
    }
    dir.Write("Tiere/Eichhörnchen.jpg", "\xFF\xD8 Bild");
    EXPECT_EQ(pexaro::FolderListing::Subfolders(dir.Path()),
              (std::vector<std::string>{"apfel", "Bären", "Tiere", "zoo", "äpfel", "Öl"}));
    const auto names = pexaro::FolderListing::Files(common::Utf8Path::From(dir.File("Tiere")));
    ASSERT_EQ(names, std::vector<std::string>{"Eichhörnchen.jpg"});

    const auto copy =
        common::TemporaryCopy::Create(dir.File("Tiere/" + names[0]), dir.File("_kopie"));
    EXPECT_EQ(copy, dir.File("_kopie.jpg"));
    EXPECT_EQ(dir.Read("_kopie.jpg"), "\xFF\xD8 Bild");
}

TEST(GameData, StartsWithNothingChosenAndTheTwoWhiteFonts) {
    const pexaro::GameData data;
    EXPECT_EQ(data.Points(), -1);
    EXPECT_EQ(data.MenuPage(), 1);
    EXPECT_EQ(data.MenuCurrentGame(), -1);
    EXPECT_TRUE(data.GameFolder().empty());
    EXPECT_EQ(data.SmallFont()->Size(), 15u);
    EXPECT_EQ(data.LargeFont()->Size(), 19u);
    EXPECT_EQ(data.LargeFont()->TtfFile(), "daten//font//vera//Vera.ttf");
    EXPECT_EQ(data.SmallFont()->FontId(), "daten//font//vera//Vera.ttf;15;r_255;g_255;b_255");
}
