// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ZudeRezede2D/Scene/Scene.h"
#include "ZudeRezede2D/Widgets/Frame.h"

namespace widgetdemo {

// One frame holding every kind of widget, drawn as coloured rectangles by its own node
// creator. A status line below the controls tells what was last clicked or typed.
class DemoFrame {
  public:
    // Places (pixels, frame coordinates) that a user or a test can click.
    static constexpr float kLeft = 40;
    static constexpr float kTop = 30;

    // assets: the folder with checker.png, box-off.png and box-on.png.
    DemoFrame(zr2d::Scene& scene, std::shared_ptr<zr2d::Font> font, const std::string& assets);
    DemoFrame(const DemoFrame&) = delete;
    DemoFrame& operator=(const DemoFrame&) = delete;

    const std::shared_ptr<zr2d::Frame>& Frame() const { return frame_; }
    const std::string& Status() const { return status_->Text(); }

  private:
    static std::shared_ptr<zr2d::Node> CreateNode(zr2d::Scene& scene, zr2d::WidgetType type,
                                                  zr2d::WidgetNodeType part,
                                                  zr2d::Control& control);
    void ShowStatus(const std::string& text) { status_->SetText(text); }
    void TextButtonClicked() { ShowStatus("Knopf geklickt"); }
    void PictureButtonClicked() { ShowStatus("Bildknopf geklickt"); }
    void ColourButtonClicked() { ShowStatus("Farbknopf geklickt"); }
    void ChoiceChanged(const std::vector<uint16_t>& selected);
    void NameEntered();

    std::shared_ptr<zr2d::Frame> frame_;
    std::shared_ptr<zr2d::TextNode> status_;
};

}  // namespace widgetdemo
