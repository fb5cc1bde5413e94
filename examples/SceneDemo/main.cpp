// SPDX-License-Identifier: GPL-3.0-or-later
// The first program to run with the engine: a window with a few nodes under a 2D camera and a
// perspective camera. Move the mouse (a marker follows it), click to show or hide the
// half-transparent group; close the window to quit.

#include <cmath>
#include <filesystem>
#include <iostream>

#include "Common/MyLog.h"
#include "ZudeRezede2D/Animation/CustomAnimation.h"
#include "ZudeRezede2D/GameEngine.h"
#include "ZudeRezede2D/Video/Data/ColoredVertices.h"

using common::Color;
using common::Point2D;
using common::Point3D;
using common::Rect;
using namespace zr2d;

namespace {

constexpr float kWidth = 800;
constexpr float kHeight = 600;

std::shared_ptr<SimpleFormNode> Triangle(NodeFactory& factory) {
    auto vertices = std::make_shared<ColoredVertices>(3, Color(255, 255, 255, 255));
    vertices->SetVertex(0, Point3D(60, 0, 0), Color(255, 60, 60, 255))
        .SetVertex(1, Point3D(0, 100, 0), Color(60, 255, 60, 255))
        .SetVertex(2, Point3D(120, 100, 0), Color(60, 60, 255, 255));
    return factory.CreateSimpleFormNode("triangle", Point3D(60, 60, 0), BasicShapeType::Triangles,
                                        vertices);
}

void Build(Scene& scene, const std::string& picture) {
    NodeFactory& factory = scene.NodeFactory();
    // The scene's own camera, turned into the pixel view: node coordinates are window pixels.
    scene.Camera()->SetIs2D(true);
    auto root = scene.Root();
    root->AddChild(factory.CreateColorNode("panel", Rect(Point3D(20, 20, 0), Point3D(360, 560, 0)),
                                           Color(40, 40, 70, 255)));
    root->AddChild(Triangle(factory));
    auto photo = factory.CreatePictureNode(picture, Point3D(220, 60, 0));
    photo->SetScale(Point3D(2, 2, 1));
    root->AddChild(photo);

    // A subtree drawn at alpha 128: its pictures inherit the value and let the box shine
    // through. (Colour rectangles are always drawn opaque.)
    root->AddChild(factory.CreateColorNode("box", Rect(Point3D(60, 260, 0), Point3D(280, 120, 0)),
                                           Color(250, 200, 40, 255)));
    auto group = factory.CreateEmptyNode("group", Point3D(40, 240, 0), Point3D(0, 0, 0));
    group->SetTransparency(128);
    for (int i = 0; i < 3; ++i) {
        auto tile = factory.CreatePictureNode(picture, Point3D(i * 100.0f, 20, 0));
        tile->SetScale(Point3D(1.5f, 1.5f, 1));
        group->AddChild(tile);
    }
    root->AddChild(group);

    // A second camera with the perspective view, drawn after the 2D content: a picture that
    // swings about its vertical axis in the middle of the window.
    auto perspective = factory.CreateCamera("perspective", Point3D(0, 0, 10), Point3D(0, 0, 0),
                                            Point3D(0, 1, 0), false);
    // This view looks at the window centre and shows the content turned by 180 degrees.
    auto swinging =
        factory.CreatePictureNode(picture, Point3D(kWidth / 2 + 64, kHeight / 2 + 64, 0));
    swinging->SetScale(Point3D(-2, -2, 1));  // upright again, centred on its position
    perspective->AddChild(swinging);
    root->AddChild(perspective);
    auto swing = std::make_shared<CustomAnimation>(
        [swinging](uint32_t time) {
            const float degrees = 60.0f * std::sin(static_cast<float>(time) / 500.0f);
            swinging->SetRotation(Point3D(0, degrees, 0));
        },
        std::nullopt);
    swing->Start(scene.AnimationManager());  // the scene's animation manager keeps it

    // Back to the pixel view for the mouse marker, drawn last so it stays on top.
    auto overlay = factory.CreateCamera("overlay", Point3D(0, 0, 10), Point3D(0, 0, 0),
                                        Point3D(0, 1, 0), true);
    root->AddChild(overlay);
    auto marker = factory.CreateColorNode("marker", Rect(Point3D(0, 0, 0), Point3D(8, 8, 0)),
                                          Color(255, 255, 255, 255));
    scene.SetCursor(overlay, marker);
    scene.EventManager()->AddInputHandler(std::nullopt,
                                          [group](bool, EventType kind, auto, const auto&) {
                                              if (kind == EventType::MouseClick)
                                                  group->SetVisible(!group->Visible());
                                          });
}

}  // namespace

int main(int, char** argv) {
    common::MyLog::SetShowLog(false);
    const auto picture =
        (std::filesystem::absolute(argv[0]).parent_path() / "assets" / "checker.png").string();
    try {
        GameEngine engine(VideoSettings(Point2D(kWidth, kHeight), 32, false, 512),
                          "ZudeRezede2D scene demo", nullptr);
        auto scene = engine.CreateScene("Demo");
        scene->SetBackgroundColor(Color(15, 15, 25, 255));
        Build(*scene, picture);
        scene->ShowScene(true);
        engine.Run();
        engine.Dispose();
    } catch (const std::exception& error) {
        std::cerr << error.what() << '\n';
        return 1;
    }
    return 0;
}
