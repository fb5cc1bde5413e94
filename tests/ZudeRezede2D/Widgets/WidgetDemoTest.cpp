// SPDX-License-Identifier: GPL-3.0-or-later
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <vector>

#include "Support/GameEngineFixture.h"
#include "Support/HostCommand.h"
#include "WidgetDemo/DemoFrame.h"
#include "ZudeRezede2D/Widgets/Group.h"

using common::Color;

namespace zr2d::test {
namespace {

class WidgetDemoTest : public GameEngineTest {
  protected:
    WidgetDemoTest() {
        auto font = std::make_shared<Font>("demo", std::string(WIDGET_DEMO_ASSETS) + "/Vera.ttf",
                                           15, Color(255, 255, 255, 255));
        demo_ = std::make_unique<widgetdemo::DemoFrame>(*scene_, font, WIDGET_DEMO_ASSETS);
        DrawFrame();  // registers the input areas
    }
    ~WidgetDemoTest() override { SDL_GetKeyState(nullptr)[SDLK_RETURN] = 0; }

    // The window position of a control's top-left corner plus an offset.
    void ClickControl(const std::string& id, int dx, int dy) {
        const auto corner = demo_->Frame()->MainGroup()->GetControl(id)->AbsolutePosition();
        scene_->EventManager()->HandleEvent(
            Click(static_cast<Uint16>(corner.X() + dx), static_cast<Uint16>(corner.Y() + dy)));
    }
    bool Lit(int x, int y) { return Pixel(x, y).r > 128; }
    void SaveScreenshot(const std::string& png) {
        std::vector<uint8_t> pixels(kWidth * kHeight * 3);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 0, kWidth, kHeight, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
        const std::string ppm = dir_.File("shot.ppm");
        std::ofstream out(ppm, std::ios::binary);
        out << "P6\n" << kWidth << " " << kHeight << "\n255\n";
        for (int row = kHeight - 1; row >= 0; --row) {
            out.write(reinterpret_cast<const char*>(pixels.data() + row * kWidth * 3), kWidth * 3);
        }
        out.close();
        EXPECT_EQ(testsupport::HostCommand("convert " + ppm + " " + png), 0);
    }

    std::unique_ptr<widgetdemo::DemoFrame> demo_;
};

}  // namespace

TEST_F(WidgetDemoTest, EveryWidgetIsDrawnWhereItIsClicked) {
    DrawFrame();
    SaveScreenshot("widget-demo-screenshot.png");  // kept in the test folder to look at

    const auto group = demo_->Frame()->MainGroup();
    // Backgrounds from the demo's node creator, at the controls' places.
    const auto knopf = group->GetControl("knopf")->AbsolutePosition();
    EXPECT_EQ(Pixel(static_cast<int>(knopf.X()) + 1, static_cast<int>(knopf.Y()) + 1).Rgb(),
              (std::array<int, 3>{60, 110, 170}));
    const auto space = group->GetControl("platz")->AbsolutePosition();
    EXPECT_EQ(Pixel(static_cast<int>(space.X()) + 60, static_cast<int>(space.Y()) + 30).Rgb(),
              (std::array<int, 3>{110, 70, 30}));

    // The label reads upright: "A" is narrow at its top and wide at its foot.
    const auto label = group->GetControl("Alle Widgets auf einen Blick");
    const int x0 = static_cast<int>(label->AbsolutePosition().X());
    const int y0 = static_cast<int>(label->AbsolutePosition().Y());
    std::vector<int> widths;
    for (int y = y0; y < y0 + static_cast<int>(label->Size().Y()); ++y) {
        int lit = 0;
        for (int x = x0; x < x0 + 10; ++x) lit += Lit(x, y) ? 1 : 0;
        if (lit > 0) widths.push_back(lit);
    }
    ASSERT_GT(widths.size(), 5u);
    EXPECT_LT(widths.front(), widths.back());
    // Nothing of the text lies above the label's area.
    for (int x = x0; x < x0 + 100; ++x) EXPECT_FALSE(Lit(x, y0 - 2)) << x;

    ClickControl("knopf", 20, 8);
    EXPECT_EQ(demo_->Status(), "Knopf geklickt");
    const auto pictureButton = group->GetControl("bildknopf");
    ClickControl("bildknopf", static_cast<int>(pictureButton->Size().X()) - 4, 32);  // on "Text"
    EXPECT_EQ(demo_->Status(), "Bildknopf geklickt");
    ClickControl("farbknopf", 45, 13);
    EXPECT_EQ(demo_->Status(), "Farbknopf geklickt");

    const auto choice = std::static_pointer_cast<Group>(group->GetControl("auswahl"));
    const auto zwei = choice->GetControl("zwei")->AbsolutePosition();
    scene_->EventManager()->HandleEvent(
        Click(static_cast<Uint16>(zwei.X() + 10), static_cast<Uint16>(zwei.Y() + 8)));
    EXPECT_EQ(demo_->Status(), "Auswahl: 2");

    ClickControl("name", 100, 10);
    SDL_Event key{};
    key.type = SDL_KEYDOWN;
    key.key.state = SDL_PRESSED;
    key.key.keysym.sym = SDLK_1;
    key.key.keysym.unicode = '1';
    scene_->EventManager()->HandleEvent(key);
    key.key.keysym.sym = SDLK_RETURN;
    key.key.keysym.unicode = 13;
    SDL_GetKeyState(nullptr)[SDLK_RETURN] = 1;
    scene_->EventManager()->HandleEvent(key);
    EXPECT_EQ(demo_->Status(), "Eingabe: Pexaro1");
    DrawFrame();
    SaveScreenshot("widget-demo-after-input.png");
}

}  // namespace zr2d::test
