// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "Common/Exception.h"
#include "Support/HostCommand.h"
#include "Support/VideoFixture.h"

namespace zr2d::test {
namespace {

using ImageLoadingTest = GlTest;

struct PartLayout {
    float x, y, w, h;
};

void ExpectParts(const Surfaces& surfaces, const std::vector<PartLayout>& expected) {
    ASSERT_EQ(surfaces.Parts().size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        const Surface& part = surfaces.Parts()[i];
        EXPECT_EQ(part.Position().X(), expected[i].x) << "part " << i;
        EXPECT_EQ(part.Position().Y(), expected[i].y) << "part " << i;
        EXPECT_EQ(part.Size().X(), expected[i].w) << "part " << i;
        EXPECT_EQ(part.Size().Y(), expected[i].h) << "part " << i;
    }
}

// Counts pixels whose colour differs by more than one step in any channel, alpha ignored.
int CountMismatches(const std::vector<uint8_t>& drawn, const std::vector<uint8_t>& source) {
    int mismatches = 0;
    for (size_t i = 0; i + 3 < source.size(); i += 4) {
        for (size_t c = 0; c < 3; ++c) {
            if (std::abs(drawn[i + c] - source[i + c]) > 1) {
                ++mismatches;
                break;
            }
        }
    }
    return mismatches;
}

TEST_F(ImageLoadingTest, TransparentPngIsDrawnAtOneToOne) {
    const auto file = Convert(
        "-size 37x23 xc:black -alpha set -channel R -fx 'i/w' -channel G -fx 'j/h' "
        "-channel B -fx '(i+j)%2' -channel A -fx '0.2+0.8*i/w' +channel",
        "alpha.png");
    const std::vector<uint8_t> source = DecodeRgba(file);
    ASSERT_EQ(source.size(), 37u * 23u * 4u);

    const auto texture = engine().Factory().CreateTextureFromFile(file.string(), false, 0);
    ASSERT_TRUE(texture);
    EXPECT_EQ(texture->Size().X(), 37);
    EXPECT_EQ(texture->Size().Y(), 23);
    ExpectParts(*texture->Surfaces(), {{0, 0, 64, 32}});

    BeginPixelFrame();
    engine().PushTransform(common::Point3D(100, 50, 0), std::nullopt, std::nullopt);
    engine().DrawTexture(*texture, std::nullopt, std::nullopt);
    engine().PopTransform();

    // Blended over the black clear colour: each channel ends as colour x alpha.
    const std::vector<uint8_t> drawn = Block(100, 50, 37, 23);
    int mismatches = 0;
    for (size_t i = 0; i < source.size(); i += 4) {
        const double alpha = source[i + 3] / 255.0;
        for (size_t c = 0; c < 3; ++c) {
            if (std::abs(drawn[i + c] - source[i + c] * alpha) > 2) ++mismatches;
        }
    }
    EXPECT_EQ(mismatches, 0);
    // The padding of the 64 x 32 part is transparent.
    EXPECT_EQ(Pixel(100 + 40, 50 + 5).r, 0);
    EXPECT_EQ(Pixel(100 + 5, 50 + 28).g, 0);
}

TEST_F(ImageLoadingTest, LargePictureIsSplitInColumnsAndDrawnSeamlessly) {
    const auto file = Convert("-size 1200x700 -seed 3 plasma:fractal", "plasma.png");
    const std::vector<uint8_t> source = DecodeRgba(file);
    const auto texture = engine().Factory().CreateTextureFromFile(file.string(), false, 0);
    ASSERT_TRUE(texture);
    ExpectParts(*texture->Surfaces(), {{0, 0, 512, 512},
                                       {0, 512, 512, 256},
                                       {512, 0, 512, 512},
                                       {512, 512, 512, 256},
                                       {1024, 0, 256, 512},
                                       {1024, 512, 256, 256}});
    EXPECT_EQ(texture->Size().X(), 1200);
    EXPECT_EQ(texture->Size().Y(), 700);

    BeginPixelFrame();
    engine().DrawTexture(*texture, std::nullopt, std::nullopt);
    EXPECT_EQ(CountMismatches(Block(0, 0, 1200, 700), source), 0);
    // Beyond the picture the transparent padding leaves the black clear colour.
    const Rgba outside = Pixel(1210, 300);
    EXPECT_EQ(outside.r + outside.g + outside.b, 0);
    EXPECT_EQ(engine().VideoInfo().DrawCalls(), 1);
    EXPECT_EQ(engine().VideoInfo().SurfacesDrawn(), 6);
}

TEST_F(ImageLoadingTest, SquarePictureOfTwiceTheMaximumGivesFourPartsInColumnOrder) {
    const auto file = Convert("-size 1024x1024 -seed 5 plasma:fractal", "square.png");
    const std::vector<uint8_t> source = DecodeRgba(file);
    const auto texture = engine().Factory().CreateTextureFromFile(file.string(), false, 0);
    ASSERT_TRUE(texture);
    ExpectParts(*texture->Surfaces(),
                {{0, 0, 512, 512}, {0, 512, 512, 512}, {512, 0, 512, 512}, {512, 512, 512, 512}});
    BeginPixelFrame();
    engine().DrawTexture(*texture, std::nullopt, std::nullopt);
    EXPECT_EQ(CountMismatches(Block(0, 0, 1024, 1024), source), 0);
}

TEST_F(ImageLoadingTest, MaximumThatIsNoPowerOfTwoGivesPartsOfThatEdge) {
    OpenEngine(500);
    const auto file = Convert("-size 600x40 -seed 7 plasma:fractal", "wide.png");
    const std::vector<uint8_t> source = DecodeRgba(file);
    const auto texture = engine().Factory().CreateTextureFromFile(file.string(), false, 0);
    ASSERT_TRUE(texture);
    ExpectParts(*texture->Surfaces(), {{0, 0, 500, 64}, {500, 0, 128, 64}});
    BeginPixelFrame();
    engine().DrawTexture(*texture, std::nullopt, std::nullopt);
    EXPECT_EQ(CountMismatches(Block(0, 0, 600, 40), source), 0);
}

TEST_F(ImageLoadingTest, TinyPictureBecomesOneEightByEightPart) {
    OpenEngine(8);
    const auto file = Convert("-size 5x5 xc:'rgb(200,40,10)'", "tiny.png");
    const auto texture = engine().Factory().CreateTextureFromFile(file.string(), false, 0);
    ASSERT_TRUE(texture);
    ExpectParts(*texture->Surfaces(), {{0, 0, 8, 8}});
    BeginPixelFrame();
    engine().DrawTexture(*texture, std::nullopt, std::nullopt);
    const Rgba inside = Pixel(4, 4);
    EXPECT_EQ(inside.r, 200);
    EXPECT_EQ(inside.g, 40);
    EXPECT_EQ(Pixel(6, 6).r, 0);
}

TEST_F(ImageLoadingTest, JpegIsOpaque) {
    const auto file = Convert("-size 16x16 xc:'rgb(0,0,250)' -quality 100", "blue.jpg");
    const auto texture = engine().Factory().CreateTextureFromFile(file.string(), false, 0);
    ASSERT_TRUE(texture);
    BeginPixelFrame();
    engine().DrawTexture(*texture, std::nullopt, std::nullopt);
    EXPECT_GE(Pixel(8, 8).b, 248);
}

TEST_F(ImageLoadingTest, UnusableFilesGiveNullAfterAWarning) {
    const auto writeFile = [&](const std::string& name, const std::string& bytes) {
        std::ofstream(Folder() / name, std::ios::binary) << bytes;
        return (Folder() / name).string();
    };
    const auto good = Convert("-size 40x40 -seed 9 plasma:fractal", "good.png");
    std::string png;
    {
        std::ifstream in(good, std::ios::binary);
        png.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    const int before = engine().LiveTextureCount();
    for (const std::string& name :
         {writeFile("text.png", "this is no picture\n"), writeFile("empty.png", ""),
          writeFile("truncated.png", png.substr(0, png.size() / 2)),
          writeFile("header-only.png", png.substr(0, 40))}) {
        EXPECT_EQ(engine().Factory().CreateTextureFromFile(name, true, 0), nullptr) << name;
        EXPECT_TRUE(HasLogLine("Warn  ", "Error loading image " + name + "/nSDL Error: ")) << name;
        EXPECT_FALSE(engine().SurfaceManager().Count(name).has_value()) << name;
    }
    EXPECT_EQ(engine().LiveTextureCount(), before);

    const std::string missing = (Folder() / "missing.png").string();
    EXPECT_EQ(engine().Factory().CreateTextureFromFile(missing, false, 0), nullptr);
    EXPECT_TRUE(HasLogLine("Warn  ", "Datei " + missing + " ist nicht vorhanden"));
    EXPECT_THROW(engine().Factory().CreateSurfaceFromFile(missing, false, 0), common::Exception);

    // Cut at the zero the name would open good.png, which loads fine.
    const std::string zeroInside = good.string() + std::string(1, '\0') + "x";
    EXPECT_EQ(engine().Factory().CreateTextureFromFile(zeroInside, false, 0), nullptr);
    EXPECT_TRUE(HasLogLine("Warn  ", "Error loading image " + good.string()));
}

TEST_F(ImageLoadingTest, NameWithUmlautsAndBlanksLoads) {
    const auto file = Convert("-size 12x12 xc:'rgb(10,220,30)'", "Bär mit Größe.png");
    const auto texture = engine().Factory().CreateTextureFromFile(file.string(), true, 0);
    ASSERT_TRUE(texture);
    EXPECT_EQ(texture->Surfaces()->Id(), file.string());
    BeginPixelFrame();
    engine().DrawTexture(*texture, std::nullopt, std::nullopt);
    EXPECT_EQ(Pixel(6, 6).g, 220);
}

// A blank one-bit PNG written directly, so that even huge sizes stay small on disk and
// ImageMagick's resource limits do not apply.
void WriteBlankPng(const std::filesystem::path& file, int w, int h) {
    const std::string script =
        "import struct, sys, zlib\n"
        "w, h = " +
        std::to_string(w) + ", " + std::to_string(h) +
        "\n"
        "def chunk(t, d): return struct.pack('>I', len(d)) + t + d + struct.pack('>I', "
        "zlib.crc32(t + d))\n"
        "row = bytes(1 + (w + 7) // 8); c = zlib.compressobj(9)\n"
        "z = b''.join(c.compress(row) for _ in range(h)) + c.flush()\n"
        "open(sys.argv[1], 'wb').write(b'\\x89PNG\\r\\n\\x1a\\n'"
        " + chunk(b'IHDR', struct.pack('>IIBBBBB', w, h, 1, 0, 0, 0, 0))"
        " + chunk(b'IDAT', z) + chunk(b'IEND', b''))\n";
    const std::filesystem::path scriptFile = file.string() + ".py";
    std::ofstream(scriptFile) << script;
    const std::string command = "python3 '" + scriptFile.string() + "' '" + file.string() + "'";
    ASSERT_EQ(testsupport::HostCommand(command), 0);
}

// Neither a picture of 20000 x 20000 pixels nor one taller than the splitter can address
// may crash: it loads, or the result is null after a warning.
TEST_F(ImageLoadingTest, HugePicturesNeverCrash) {
    const int before = engine().LiveTextureCount();
    const auto tall = Folder() / "tall.png";
    WriteBlankPng(tall, 8, 40000);
    EXPECT_EQ(engine().Factory().CreateTextureFromFile(tall.string(), false, 0), nullptr);
    EXPECT_TRUE(HasLogLine("Warn  ", "Bild " + tall.string() + " ist zu groß: 8 x 40000"));

    const auto huge = Folder() / "huge.png";
    WriteBlankPng(huge, 20000, 20000);
    const auto texture = engine().Factory().CreateTextureFromFile(huge.string(), false, 0);
    if (texture) {
        EXPECT_EQ(texture->Size().X(), 20000);
    } else {
        EXPECT_TRUE(HasLogLine("Warn  ", "Error loading image " + huge.string()));
        EXPECT_EQ(engine().LiveTextureCount(), before);
    }
}

}  // namespace
}  // namespace zr2d::test
