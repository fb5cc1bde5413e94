// SPDX-License-Identifier: GPL-3.0-or-later
// A chest read from an OBJ file with its MTL material and texture. Its lid hangs on a bone and
// a timed animation list opens and closes it; the latch hangs on a bone under the hinge and
// follows. Close the window to quit.

#include <filesystem>
#include <iostream>

#include "ChestDemo.h"
#include "Common/MyLog.h"
#include "ZudeRezede2D/GameEngine.h"

using common::Color;
using common::Point2D;

int main(int, char** argv) {
    common::MyLog::SetShowLog(false);
    const auto model =
        (std::filesystem::absolute(argv[0]).parent_path() / "assets" / "chest.obj").string();
    try {
        zr2d::GameEngine engine(zr2d::VideoSettings(Point2D(640, 480), 32, false, 512),
                                "ZudeRezede2D mesh demo", nullptr);
        auto scene = engine.CreateScene("MeshDemo");
        scene->SetBackgroundColor(Color(20, 24, 40, 255));
        scene->Camera()->SetIs2D(true);
        meshdemo::ChestDemo chest(*scene, model);
        scene->ShowScene(true);
        engine.Run();
        engine.Dispose();
    } catch (const std::exception& error) {
        std::cerr << error.what() << '\n';
        return 1;
    }
    return 0;
}
