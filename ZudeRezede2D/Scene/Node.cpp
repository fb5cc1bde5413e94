// SPDX-License-Identifier: GPL-3.0-or-later
#include "Node.h"

#include "Common/Exception.h"
#include "Common/MyLog.h"
#include "ZudeRezede2D/GameEngine.h"

namespace zr2d {

using common::MyLog;

Node::Node(std::string name, const common::Point3D& position,
           const std::optional<common::Point3D>& size)
    : name_(std::move(name)), position_(position), size_(size) {
    MyLog::Info("new Node: " + name_);
}

Node::~Node() { ReleaseChildren(); }

void Node::AddChild(const std::shared_ptr<Node>& child) {
    children_.Add(child);
    child->parent_ = this;
}

void Node::ReleaseChildren() {
    for (const auto& child : children_.List()) {
        if (child->parent_ == this) child->parent_ = nullptr;
    }
    children_.Clear();
}

void Node::Dispose(GameEngine& engine) {
    if (disposed_) return;
    disposed_ = true;
    MyLog::Info("Dispose " + name_);
    DisposeChildren(engine);
    try {
        DisposeNode(engine);
    } catch (const std::exception& error) {
        MyLog::Info("Error in DisposeNode at Node " + name_);
        MyLog::Warning(error);
    }
}

void Node::DisposeChildren(GameEngine& engine) {
    try {
        for (const auto& child : children_.List()) child->Dispose(engine);
    } catch (const std::exception& error) {
        MyLog::Info("Error in Children dispose at Node " + name_);
        MyLog::Warning(error);
    }
    ReleaseChildren();
}

void Node::Update(GameEngine& engine) {
    try {
        Engine& video = engine.VideoEngine();
        video.PushTransform(position_, rotation_, scale_);
        if (transparency_) video.PushAlpha(*transparency_);
        Draw(engine);
        const int32_t count = ChildCount();
        for (int32_t i = 0; i < count; ++i) {
            const std::shared_ptr<Node> child = Child(i);  // held while it draws
            if (child->Visible()) child->Update(engine);
        }
        EndUpdate(engine);
    } catch (const std::exception& error) {
        MyLog::Info("Fehler in Node.Update");
        MyLog::Info("Error in Node.Update (" + name_ + "): " + error.what());
        std::throw_with_nested(common::Exception("Node.Update Error in Node " + name_));
    }
}

void Node::EndUpdate(GameEngine& engine) {
    Engine& video = engine.VideoEngine();
    if (transparency_) video.PopAlpha();
    video.PopTransform();
}

void Node::SetPosition(const common::Point3D& position) {
    position_ = position;
    positionChanged_.Raise();
}

common::Point3D Node::Size() const {
    const common::Point3D size = size_.value_or(common::Point3D(0, 0, 0));
    return scale_ ? size.Multiply(*scale_) : size;
}

common::Point3D Node::Rotation() const { return rotation_.value_or(common::Point3D(0, 0, 0)); }

common::Point3D Node::AbsolutePosition() const {
    return parent_ ? position_.Add(parent_->AbsolutePosition()) : position_;
}

int32_t Node::Transparency() const {
    if (transparency_) return *transparency_;
    return visible_ ? 255 : 0;
}

void Node::SetTransparency(int32_t value) {
    if (value >= 255) {
        transparency_.reset();
        SetVisible(true);
    } else if (value <= 0) {
        SetVisible(false);
        transparency_.reset();
    } else {
        SetVisible(true);
        transparency_ = value;
    }
}

}  // namespace zr2d
