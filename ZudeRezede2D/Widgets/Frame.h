// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "Common/Event.h"
#include "Common/Point2D.h"
#include "Common/Point3D.h"
#include "Common/Rect.h"
#include "WidgetNodeType.h"
#include "WidgetType.h"
#include "ZudeRezede2D/Input/InputManager.h"
#include "ZudeRezede2D/Scene/Node.h"
#include "ZudeRezede2D/Scene/TextNode.h"
#include "ZudeRezede2D/Video/Font.h"

namespace zr2d {

class Control;
class Group;
class Scene;

// Supplies the look of the widgets: the node for one part of one control, or null for none.
using NodeCreator =
    std::function<std::shared_ptr<Node>(WidgetType type, WidgetNodeType part, Control& control)>;

// A window-like node holding a main group of controls and an optional information line. It
// registers one handler with its scene's event manager and forwards input to its controls
// through its own input manager: everything while the pointer is inside, one more event when
// the pointer leaves, and key presses wherever the pointer is.
//
// The scene owns the frame through its node tree, so the frame holds the scene weakly.
class Frame : public Node {
  public:
    // Checked in this order: "rect is null", "scene is null", "font is null"
    // (common::Exception, nothing built). Without infoFont the information line uses font.
    Frame(const std::string& name, const std::optional<common::Rect>& rect,
          const std::shared_ptr<zr2d::Scene>& scene, std::shared_ptr<zr2d::Font> font,
          NodeCreator creator, std::shared_ptr<zr2d::Font> infoFont = nullptr);

    // Withdraws the registration, first telling the controls that the pointer left.
    void DisposeNode(GameEngine& engine) override;
    // Registers with the scene, or moves the registered area to where the frame is now.
    void Draw(GameEngine& engine) override;
    bool Visible() const override { return Node::Visible(); }
    // Hiding withdraws the registration and deactivates every control of the main group.
    void SetVisible(bool visible) override;

    // Creates the information line at the first call, moves it afterwards.
    virtual void ShowInfoLine(const common::Point3D& position);
    // The click position relative to the frame's position at its first click.
    virtual common::EventAddHandler<common::Point2D>& Clicked() { return clicked_.AddHandler(); }
    virtual void SetInputEnabled(bool enabled);
    virtual bool InputEnabled() const { return inputEnabled_; }
    virtual const std::shared_ptr<Group>& MainGroup() const { return mainGroup_; }

    // Throws "can't set infoText, infoNode is null" before ShowInfoLine.
    void SetInfoText(const std::string& text);
    bool HasInfoLine() const { return infoNode_ != nullptr; }
    // The node creator's node, or null when there is no creator.
    std::shared_ptr<Node> CreateNode(WidgetType type, WidgetNodeType part, Control& control) const;
    // Controls register here, not with the scene.
    std::shared_ptr<InputHandler> AddInputHandler(const common::Rect& area, InputCallback callback);
    void RemoveInputHandler(const std::shared_ptr<InputHandler>& handler);
    const std::shared_ptr<zr2d::Font>& Font() const { return font_; }
    const std::shared_ptr<zr2d::Font>& InfoFont() const { return infoFont_; }
    // Throws "scene is null" once the scene is gone.
    zr2d::Scene& Scene() const;

  private:
    struct Checked {};
    Frame(Checked, const std::string& name, const common::Rect& rect,
          const std::shared_ptr<zr2d::Scene>& scene, const std::shared_ptr<zr2d::Font>& font,
          const NodeCreator& creator, const std::shared_ptr<zr2d::Font>& infoFont);
    void Register();
    void Unregister();
    void OnSceneInput(bool inArea, EventType kind, std::span<const uint8_t> keys,
                      const std::optional<common::Point2D>& mouse);

    std::shared_ptr<zr2d::Font> font_;
    std::shared_ptr<zr2d::Font> infoFont_;
    std::weak_ptr<zr2d::Scene> scene_;
    bool hovering_ = false;
    std::shared_ptr<InputHandler> inputHandler_;
    std::shared_ptr<Group> mainGroup_;
    InputManager inputManager_;
    NodeCreator nodeCreator_;
    common::Event<common::Point2D> clicked_;
    bool inputEnabled_ = true;
    std::optional<common::Point3D> clickOrigin_;
    std::shared_ptr<TextNode> infoNode_;
};

}  // namespace zr2d
