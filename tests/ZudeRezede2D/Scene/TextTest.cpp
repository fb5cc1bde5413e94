// SPDX-License-Identifier: GPL-3.0-or-later
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "Common/Exception.h"
#include "Support/GameEngineFixture.h"

using common::Color;
using common::Point3D;

namespace zr2d::test {
namespace {

class TextTest : public GameEngineTest {
  protected:
    TextTest() {
        // A private copy, so that a test can take the file away.
        std::filesystem::copy_file(PEXARO_FONT_FILE, dir_.File("Vera.ttf"));
        font_ = Font15();
    }
    std::shared_ptr<Font> Font15() {
        return std::make_shared<Font>(dir_.File("Vera.ttf") + ";15", dir_.File("Vera.ttf"), 15,
                                      Color(255, 255, 255, 255));
    }
    Factory& factory() { return engine_->VideoEngine().Factory(); }
    int32_t CountOf(const std::string& character) {
        return engine_->VideoEngine()
            .SurfaceManager()
            .Count("[genericFont|" + font_->FontId() + "|" + character)
            .value_or(-1);
    }
    // Lit columns of the rows y0..y1 (any channel above 64), as a string of 0 and 1.
    std::string Columns(int x0, int x1, int y0, int y1) {
        std::string lit;
        for (int x = x0; x < x1; ++x) {
            bool any = false;
            for (int y = y0; y < y1 && !any; ++y) any = Pixel(x, y).r > 64;
            lit += any ? '1' : '0';
        }
        return lit;
    }
    // A new engine with that largest texture edge, showing an empty pixel-view scene.
    void Reopen(int32_t maxTextureSize) {
        OpenEngine(maxTextureSize);
        scene_ = engine_->CreateScene("Test");
        scene_->SetBackgroundColor(Color(0, 0, 0, 255));
        scene_->Camera()->SetIs2D(true);
        scene_->ShowScene(true);
    }
    std::shared_ptr<TextNode> Text(const std::string& text, float x, float y) {
        auto node = scene_->NodeFactory().CreateTextNode("t", Point3D(x, y, 0), font_, text);
        scene_->Root()->AddChild(node);
        return node;
    }

    std::shared_ptr<Font> font_;
};

}  // namespace

TEST_F(TextTest, GlyphsAreRenderedOncePerFontAndCharacter) {
    const int32_t before = engine_->VideoEngine().LiveTextureCount();
    const auto first = factory().CreateGlyphSurfaces(font_, "Aha");
    EXPECT_EQ(first.size(), 3u);
    EXPECT_EQ(CountOf("h"), 1);
    EXPECT_EQ(CountOf("a"), 1);
    const int32_t afterFirst = engine_->VideoEngine().LiveTextureCount();
    EXPECT_GT(afterFirst, before);

    // Only cached characters: the font file is not needed at all.
    std::filesystem::remove(dir_.File("Vera.ttf"));
    const auto second = factory().CreateGlyphSurfaces(font_, "haha");
    ASSERT_EQ(second.size(), 4u);
    EXPECT_EQ(second[0], first[1]);
    EXPECT_EQ(CountOf("h"), 3);
    EXPECT_EQ(engine_->VideoEngine().LiveTextureCount(), afterFirst);
    EXPECT_TRUE(factory().CreateGlyphSurfaces(font_, "").empty());
    // A new character needs the file, which is gone: an orderly failure.
    EXPECT_THROW(factory().CreateGlyphSurfaces(font_, "x"), common::Exception);
    EXPECT_TRUE(log_.Contains("| Fehler, Open Font :(\n"));
    EXPECT_THROW(factory().CreateGlyphSurfaces(nullptr, "x"), common::ArgumentException);
}

TEST_F(TextTest, OneGlyphPerCodePointAndBadFontFilesFailCleanly) {
    const auto word = factory().CreateGlyphTextures(font_, "Grüße");
    EXPECT_EQ(word.size(), 5u);
    EXPECT_EQ(CountOf("ü"), 1);
    EXPECT_EQ(CountOf("ß"), 1);
    // Broken UTF-8 still gives one glyph per byte that starts nothing valid.
    EXPECT_EQ(factory()
                  .CreateGlyphTextures(font_, std::string("a\xFF"
                                                          "b"))
                  .size(),
              3u);

    std::ofstream(dir_.File("kaputt.ttf")) << "not a font";
    auto broken =
        std::make_shared<Font>("kaputt", dir_.File("kaputt.ttf"), 15, Color(255, 255, 255, 255));
    EXPECT_THROW(factory().CreateGlyphSurfaces(broken, "a"), common::Exception);
    EXPECT_TRUE(log_.Contains("| Fehler, Open Font :(\n"));
}

TEST_F(TextTest, FontRegistryAndFontChecks) {
    FontManager fonts;
    const std::string id =
        fonts.CreateFont("daten//font//vera//Vera.ttf", 15, Color(255, 255, 255, 255));
    EXPECT_EQ(id, "daten//font//vera//Vera.ttf;15;r_255;g_255;b_255");
    EXPECT_EQ(fonts.GetFont(id)->Size(), 15u);
    try {
        fonts.CreateFont("daten//font//vera//Vera.ttf", 15, Color(255, 255, 255, 0));
        FAIL() << "no exception";
    } catch (const common::Exception& e) {
        EXPECT_EQ(std::string(e.what()),
                  "Font " + id + " kann nicht erstellt werden - ist bereits vorhanden");
    }
    EXPECT_NE(fonts.CreateFont("daten//font//vera//Vera.ttf", 19, Color(255, 255, 255, 255)), id);
    EXPECT_THROW(fonts.GetFont("nichts"), common::Exception);
    EXPECT_THROW(Font("id", "", 15, Color(0, 0, 0, 0)), common::ArgumentException);
    EXPECT_THROW(Font("", "f.ttf", 15, Color(0, 0, 0, 0)), common::ArgumentException);
    EXPECT_THROW(Font("id", "f.ttf", 0, Color(0, 0, 0, 0)), common::ArgumentException);
}

TEST_F(TextTest, AlignmentAndCentringPlaceTheSamePixels) {
    const int y = 40;
    auto left = Text("Wäre", 100, y);
    const int width = static_cast<int>(left->Size().X());
    ASSERT_GT(width, 20);
    DrawFrame();
    const std::string reference = Columns(90, 100 + width + 10, y, y + 18);
    EXPECT_NE(reference.find('1'), std::string::npos);
    // The first lit column lies within the text's box.
    EXPECT_GE(reference.find('1'), 10u);

    left->SetAlignLeft(false);
    left->SetPosition(Point3D(100.0f + width, y, 0));  // ends where it started before
    DrawFrame();
    EXPECT_EQ(Columns(90, 100 + width + 10, y, y + 18), reference);

    left->SetAlignLeft(true);
    left->SetCentered(true);
    const int shift = static_cast<int>(left->Size().X() / -2.0);
    left->SetPosition(Point3D(100.0f - shift, y, 0));
    DrawFrame();
    EXPECT_EQ(Columns(90, 100 + width + 10, y, y + 18), reference);

    // A glyph's own alpha replaces the current one for that glyph.
    for (const auto& texture : left->Textures()) texture->SetAlpha(0);
    DrawFrame();
    EXPECT_EQ(Columns(90, 100 + width + 10, y, y + 18).find('1'), std::string::npos);
}

TEST_F(TextTest, FullAtlasPagesAndSmallTextureEdgesDrawTheSamePixels) {
    const std::string text = "Wäre Qualm";
    auto node = Text(text, 100, 40);
    DrawFrame();
    const std::string reference = Columns(90, 300, 40, 58);
    EXPECT_EQ(engine_->VideoEngine().GlyphAtlas().PageCount(), 1);

    // A page of 64 pixels holds three glyphs, so the line spans pages.
    Reopen(64);
    node = Text(text, 100, 40);
    DrawFrame();
    EXPECT_EQ(Columns(90, 300, 40, 58), reference);
    const int32_t pages = engine_->VideoEngine().GlyphAtlas().PageCount();
    EXPECT_GT(pages, 1);
    // Pages whose glyphs were all deleted with the cache are filled anew, not added to.
    const int32_t live = engine_->VideoEngine().LiveTextureCount();
    for (int i = 0; i < 3; ++i) {
        node->SetText("");
        engine_->VideoEngine().SurfaceManager().FreeAll();
        node->SetText(text);
    }
    EXPECT_EQ(engine_->VideoEngine().GlyphAtlas().PageCount(), pages);
    EXPECT_EQ(engine_->VideoEngine().LiveTextureCount(), live);
    DrawFrame();
    EXPECT_EQ(Columns(90, 300, 40, 58), reference);

    // Parts too large for a page with their border are drawn from their own textures in the
    // same batch: at 16 pixels the glyphs' upper parts (16 high), at 8 every part.
    for (const int32_t edge : {16, 8}) {
        Reopen(edge);
        Text(text, 100, 40);
        DrawFrame();
        EXPECT_EQ(Columns(90, 300, 40, 58), reference) << edge;
    }
    EXPECT_EQ(engine_->VideoEngine().GlyphAtlas().PageCount(), 0);
}

TEST_F(TextTest, UnchangedTextIsNotRenderedAgainAndChangesDoNotLeak) {
    auto node = Text("Punkte: 10", 0, 0);
    const auto textures = node->Textures();
    node->SetText("Punkte: 10");
    EXPECT_EQ(node->Textures(), textures);
    node->SetText("0123456789");  // every character the loop below uses has been seen
    const int32_t live = engine_->VideoEngine().LiveTextureCount();
    for (int i = 0; i < 10000; ++i) node->SetText("Punkte: " + std::to_string(i % 100));
    EXPECT_EQ(engine_->VideoEngine().LiveTextureCount(), live);

    node->SetText("");
    EXPECT_TRUE(node->Textures().empty());
    EXPECT_EQ(node->Size().X(), 0.0f);
    EXPECT_GT(node->Size().Y(), 10.0f);  // the height of "1"
}

TEST_F(TextTest, TextsNodeStacksItsLines) {
    auto texts = scene_->NodeFactory().CreateTextsNode("X", Point3D(0, 0, 0), font_, "ab\r\ncd");
    ASSERT_EQ(texts->ChildCount(), 2);
    auto first = std::dynamic_pointer_cast<TextNode>(texts->Child(0));
    auto second = std::dynamic_pointer_cast<TextNode>(texts->Child(1));
    EXPECT_EQ(first->Name(), "X_0");
    EXPECT_EQ(first->Text(), "ab");
    EXPECT_EQ(second->Name(), "X_1");
    EXPECT_EQ(second->Text(), "cd");
    EXPECT_EQ(second->Position().Y(), first->Size().Y());
    EXPECT_EQ(second->Color(), Color(255, 255, 255, 255));

    texts->SetColor(Color(255, 0, 0, 255));
    texts->ChangeText("eins\n\ndrei\n");
    ASSERT_EQ(texts->ChildCount(), 4);
    auto empty = std::dynamic_pointer_cast<TextNode>(texts->Child(1));
    EXPECT_EQ(empty->Text(), "");
    EXPECT_EQ(empty->Size().Y(), first->Size().Y());
    EXPECT_EQ(empty->Color(), Color(255, 0, 0, 255));
    EXPECT_EQ(texts->Size().Y(), 4 * first->Size().Y());
    EXPECT_EQ(first->Parent(), nullptr);  // the old lines were disposed and let go

    texts->ChangeText("kurz");
    EXPECT_EQ(texts->ChildCount(), 1);
}

TEST_F(TextTest, GameFontsReadUprightWithUmlauts) {
    FontManager fonts;
    const auto small =
        fonts.GetFont(fonts.CreateFont(PEXARO_FONT_FILE, 15, Color(255, 255, 255, 255)));
    const auto large =
        fonts.GetFont(fonts.CreateFont(PEXARO_FONT_FILE, 19, Color(255, 255, 255, 255)));
    auto& factory = scene_->NodeFactory();
    scene_->Root()->AddChild(
        factory.CreateTextNode("a", Point3D(20, 20, 0), small, "Richtig wäre: Äpfel und Grüße"));
    scene_->Root()->AddChild(
        factory.CreateTextNode("b", Point3D(20, 50, 0), large, "Gedächtnisspiel – Punkte: 42 ÖÜß"));
    auto tee = factory.CreateTextNode("c", Point3D(20, 90, 0), large, "T");
    scene_->Root()->AddChild(tee);
    DrawFrame();
    // "T" is upright: its bar (top) is much wider than its stem (bottom).
    const int height = static_cast<int>(tee->Size().Y());
    std::string top;
    std::string bottom;
    for (int y = 90; y < 90 + height; ++y) {
        const std::string row = Columns(20, 40, y, y + 1);
        if (row.find('1') == std::string::npos) continue;
        if (top.empty()) top = row;
        bottom = row;
    }
    const auto lit = [](const std::string& row) { return std::count(row.begin(), row.end(), '1'); };
    EXPECT_GT(lit(top), 3 * lit(bottom)) << top << " / " << bottom;

    // Kept for people to look at.
    std::vector<uint8_t> pixels(400 * 120 * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, kHeight - 120, 400, 120, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    std::ofstream ppm("text-screenshot.ppm", std::ios::binary);
    ppm << "P6\n400 120\n255\n";
    for (int row = 119; row >= 0; --row) {
        ppm.write(reinterpret_cast<const char*>(pixels.data() + row * 400 * 3), 400 * 3);
    }
}

}  // namespace zr2d::test
