// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameFixture.h"

#include <stdexcept>

#include "Common/Platform/Utf8Path.h"
#include "Support/HostCommand.h"
#include "ZudeRezede2D/Scene/SimpleFormNode.h"
#include "ZudeRezede2D/Video/Data/ColoredVertex.h"
#include "ZudeRezede2D/Video/Data/SingleVertices.h"

namespace pexaro::test {

void GameTest::MakeSet(const std::string& set, const std::vector<std::string>& files) {
    // UTF-8, as the game reads names: a narrow path is the ANSI code page on Windows.
    std::filesystem::create_directories(common::Utf8Path::From("bilder/" + set));
    int colour = 0;
    for (const auto& file : files) {
        const std::string path = "bilder/" + set + "/" + file;
        // Every file is a real picture, in the format its extension names when there is one.
        std::string format = file.substr(file.rfind('.') + 1);
        if (format != "jpg" && format != "jpeg" && format != "bmp") format = "png";
        const std::string command = "convert -size 320x240 xc:'rgb(" +
                                    std::to_string(40 + 20 * colour) + ",90,160)' " + format +
                                    ":'" + path + "'";
        ASSERT_EQ(testsupport::HostCommand(command), 0) << command;
        ++colour;
    }
}

void GameTest::Frame() {
    ticks_ += 16;
    ASSERT_TRUE(Step(ticks_));
}

void GameTest::Frames(int count) {
    for (int i = 0; i < count; ++i) Frame();
}

void GameTest::FinishTransition() {
    for (int i = 0; i < 600; ++i) {
        const Pexaro* game = Game();
        if (!game || !game->TransitionNode()->Visible()) return;
        Frame();
    }
    FAIL() << "the picture change never ended";
}

common::Color GameTest::Corner(const std::shared_ptr<zr2d::Node>& node, uint32_t corner) {
    const auto form = std::dynamic_pointer_cast<zr2d::SimpleFormNode>(node);
    if (!form) throw std::runtime_error("not a shape: " + (node ? node->Name() : "null"));
    const auto vertices = std::dynamic_pointer_cast<zr2d::SingleVertices>(form->Vertices());
    return std::dynamic_pointer_cast<zr2d::ColoredVertex>(vertices->GetVertex(corner))->Color();
}

}  // namespace pexaro::test
