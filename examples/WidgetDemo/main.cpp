// SPDX-License-Identifier: GPL-3.0-or-later
// Every widget of the engine in one frame: click the buttons and check boxes, click into a text
// field and type (Return confirms the name), point at the picture button or the brown area to
// read their information text. Close the window to quit.

#include <filesystem>
#include <iostream>

#include "Common/MyLog.h"
#include "DemoFrame.h"
#include "ZudeRezede2D/GameEngine.h"

using common::Color;
using common::Point2D;

int main(int, char** argv) {
    common::MyLog::SetShowLog(false);
    const auto assets = (std::filesystem::absolute(argv[0]).parent_path() / "assets").string();
    try {
        zr2d::GameEngine engine(zr2d::VideoSettings(Point2D(640, 480), 32, false, 512),
                                "ZudeRezede2D widget demo", nullptr);
        auto scene = engine.CreateScene("Widgets");
        scene->SetBackgroundColor(Color(10, 10, 20, 255));
        scene->Camera()->SetIs2D(true);  // node coordinates are window pixels
        auto font = std::make_shared<zr2d::Font>("demo", assets + "/Vera.ttf", 15,
                                                 Color(255, 255, 255, 255));
        widgetdemo::DemoFrame demo(*scene, font, assets);
        scene->ShowScene(true);
        engine.Run();
        engine.Dispose();
    } catch (const std::exception& error) {
        std::cerr << error.what() << '\n';
        return 1;
    }
    return 0;
}
