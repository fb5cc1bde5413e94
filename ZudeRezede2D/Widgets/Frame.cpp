// SPDX-License-Identifier: GPL-3.0-or-later
#include "Frame.h"

#include "Common/Exception.h"
#include "Group.h"
#include "ZudeRezede2D/Scene/Scene.h"

namespace zr2d {

using common::Point2D;
using common::Point3D;
using common::Rect;

namespace {

// Runs before anything is built, so that a failed frame leaves nothing behind.
const Rect& CheckArguments(const std::optional<Rect>& rect, const std::shared_ptr<Scene>& scene,
                           const std::shared_ptr<Font>& font) {
    if (!rect) throw common::Exception("rect is null");
    if (!scene) throw common::Exception("scene is null");
    if (!font) throw common::Exception("font is null");
    return *rect;
}

}  // namespace

Frame::Frame(const std::string& name, const std::optional<Rect>& rect,
             const std::shared_ptr<zr2d::Scene>& scene, std::shared_ptr<zr2d::Font> font,
             NodeCreator creator, std::shared_ptr<zr2d::Font> infoFont)
    : Frame(Checked{}, name, CheckArguments(rect, scene, font), scene, font, creator, infoFont) {}

Frame::Frame(Checked, const std::string& name, const Rect& rect,
             const std::shared_ptr<zr2d::Scene>& scene, const std::shared_ptr<zr2d::Font>& font,
             const NodeCreator& creator, const std::shared_ptr<zr2d::Font>& infoFont)
    : Node(name, rect.Position(), rect.Size()),
      font_(font),
      infoFont_(infoFont ? infoFont : font),
      scene_(scene),
      inputManager_("Frame_" + name),
      nodeCreator_(creator) {
    mainGroup_ =
        std::make_shared<Group>(name + "_mainGroup", *this, Rect(Point3D(0, 0, 0), rect.Size()));
    AddChild(mainGroup_);
}

std::shared_ptr<Node> Frame::CreateNode(WidgetType type, WidgetNodeType part,
                                        Control& control) const {
    return nodeCreator_ ? nodeCreator_(type, part, control) : nullptr;
}

std::shared_ptr<InputHandler> Frame::AddInputHandler(const Rect& area, InputCallback callback) {
    return inputManager_.AddInputHandler(area, std::move(callback));
}

void Frame::RemoveInputHandler(const std::shared_ptr<InputHandler>& handler) {
    inputManager_.RemoveInputHandler(handler);
}

zr2d::Scene& Frame::Scene() const {
    const auto scene = scene_.lock();
    if (!scene) throw common::Exception("scene is null");
    return *scene;
}

void Frame::ShowInfoLine(const Point3D& position) {
    if (infoNode_) {
        infoNode_->SetPosition(position);
        return;
    }
    infoNode_ = Scene().NodeFactory().CreateTextNode(Name() + "_info", position, infoFont_, "");
    AddChild(infoNode_);
}

void Frame::SetInfoText(const std::string& text) {
    if (!infoNode_) throw common::Exception("can't set infoText, infoNode is null");
    infoNode_->SetText(text);
}

void Frame::SetInputEnabled(bool enabled) {
    if (enabled == inputEnabled_) return;
    inputEnabled_ = enabled;
    if (enabled) {
        Register();
        return;
    }
    if (!inputHandler_) return;
    // The controls must see the pointer leave before the frame stops listening.
    OnSceneInput(false, EventType::MouseMove, {}, Point2D(-1, -1));
    Unregister();
}

void Frame::Draw(GameEngine&) {
    if (inputEnabled_) Register();
}

void Frame::Register() {
    const Rect area(AbsolutePosition(), Size());
    if (inputHandler_) {
        inputHandler_->SetArea(area);
        return;
    }
    const auto scene = scene_.lock();
    if (!scene) return;
    inputHandler_ = scene->EventManager()->AddInputHandler(
        area, [weak = weak_from_this()](bool inArea, EventType kind, std::span<const uint8_t> keys,
                                        const std::optional<Point2D>& mouse) {
            if (const auto self = std::static_pointer_cast<Frame>(weak.lock())) {
                self->OnSceneInput(inArea, kind, keys, mouse);
            }
        });
}

void Frame::Unregister() {
    if (!inputHandler_) return;
    if (const auto scene = scene_.lock()) scene->EventManager()->RemoveInputHandler(inputHandler_);
    inputHandler_.reset();
}

void Frame::OnSceneInput(bool inArea, EventType kind, std::span<const uint8_t> keys,
                         const std::optional<Point2D>& mouse) {
    if (inArea) {
        if (kind == EventType::MouseClick) {
            if (!clickOrigin_) clickOrigin_ = AbsolutePosition();
            clicked_.Raise(Point2D(mouse->X() - clickOrigin_->X(), mouse->Y() - clickOrigin_->Y()));
        }
        hovering_ = true;
        inputManager_.Dispatch(kind, keys, mouse);
    } else if (hovering_) {
        hovering_ = false;
        inputManager_.Dispatch(kind, keys, mouse);
    } else if (kind == EventType::KeyPress) {
        inputManager_.Dispatch(kind, keys, mouse);
    }
}

void Frame::SetVisible(bool visible) {
    if (visible == Visible()) return;
    Node::SetVisible(visible);
    if (visible) {
        if (inputEnabled_) Register();
        return;
    }
    Unregister();
    mainGroup_->SetActive(false);
}

void Frame::DisposeNode(GameEngine&) { SetInputEnabled(false); }

}  // namespace zr2d
