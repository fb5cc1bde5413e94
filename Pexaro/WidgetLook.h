// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "GameSounds.h"
#include "SetButtonSide.h"
#include "ZudeRezede2D/Scene/NodeFactory.h"
#include "ZudeRezede2D/Widgets/Control.h"
#include "ZudeRezede2D/Widgets/Frame.h"

namespace pexaro {

// The game's look: the nodes of its widgets, panels and shapes, made in one scene.
class WidgetLook {
  public:
    WidgetLook(zr2d::NodeFactory& factory, GameSounds& sounds) : factory_(factory), sounds_(sounds) {}

    // The node for one part of a control, or null (always for Sound, where buttons and check
    // boxes get their click).
    std::shared_ptr<zr2d::Node> CreateWidgetNode(zr2d::WidgetType type, zr2d::WidgetNodeType part,
                                                 zr2d::Control& control);
    // The node creator for frames of the scene that owns this look.
    zr2d::NodeCreator NodeCreator();
    // The group check boxes made while build runs are set buttons with their thumbnail on the
    // given side, and get the set-button look.
    void WithSetButtonLook(SetButtonSide side, const std::function<void()>& build);

    // A light border around a darker inner panel, 3 pixels around the size.
    std::shared_ptr<zr2d::Node> CreatePanel(const std::string& name, const common::Point3D& size,
                                            const common::Color& colour, bool inner);
    // The same, 6 pixels around the size.
    std::shared_ptr<zr2d::Node> CreateFramePanel(const std::string& name,
                                                 const common::Point3D& size,
                                                 const common::Color& colour, bool inner);
    std::shared_ptr<zr2d::Node> CreateShape(const std::string& name, const common::Point3D& size,
                                            const common::Color& colour,
                                            const common::Point3D& position);
    std::shared_ptr<zr2d::Node> CreateRowBackground(const std::string& name,
                                                    const common::Point3D& size,
                                                    const common::Color& colour,
                                                    const common::Point3D& position);
    // A rectangle running from the top colour to the bottom one.
    std::shared_ptr<zr2d::Node> Gradient(const std::string& name, const common::Point3D& position,
                                         const common::Point3D& size, const common::Color& top,
                                         const common::Color& bottom);

  private:
    std::shared_ptr<zr2d::Node> BoxPanel(const std::string& name, const common::Point3D& size,
                                         const common::Color& colour, bool inner, float margin);
    std::shared_ptr<zr2d::Node> SetButtonLook(const std::string& name, zr2d::WidgetNodeType part,
                                              const common::Point3D& size, SetButtonSide side);

    zr2d::NodeFactory& factory_;
    GameSounds& sounds_;
    // Set while a set button is built.
    std::optional<SetButtonSide> setButtonSide_;
};

}  // namespace pexaro
