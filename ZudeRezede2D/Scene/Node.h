// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "Common/DataTypes/WInteger.h"
#include "Common/Event.h"
#include "Common/Point3D.h"
#include "Nodes.h"
#include "ZudeRezede2D/Scene/Common/IMoveable.h"

namespace zr2d {

class GameEngine;

// Base of everything drawn. Position, rotation and scale are relative to the parent; the
// innermost partial transparency wins (it replaces an ancestor's, it does not multiply).
// Nodes are held by std::shared_ptr; the parent link is a plain pointer that the parent clears
// when it lets go of the child or dies.
class Node : public IMoveable, public std::enable_shared_from_this<Node> {
  public:
    Node(std::string name, const common::Point3D& position,
         const std::optional<common::Point3D>& size);
    ~Node() override;
    Node(const Node&) = delete;
    Node& operator=(const Node&) = delete;

    virtual common::EventAddHandler<>& PositionChangedEvent() {
        return positionChanged_.AddHandler();
    }
    virtual const std::string& Name() const { return name_; }
    virtual void AddChild(const std::shared_ptr<Node>& child);
    // Releases what the node itself holds (textures, vertex data).
    virtual void DisposeNode(GameEngine& engine) = 0;
    // Children first, then the node's own resources; errors are logged and swallowed. A second
    // call does nothing.
    virtual void Dispose(GameEngine& engine);
    // The node's own content, in its own coordinate system.
    virtual void Draw(GameEngine& engine) = 0;
    // Draws this node and its visible subtree.
    virtual void Update(GameEngine& engine);
    virtual void EndUpdate(GameEngine& engine);
    virtual bool Visible() const { return visible_; }
    virtual void SetVisible(bool visible) { visible_ = visible; }
    common::Point3D Position() const override { return position_; }
    // Raises PositionChangedEvent, even when the point is unchanged.
    void SetPosition(const common::Point3D& position) override;
    virtual bool Marked() const { return false; }
    // The unscaled size times the scale when one is set; (0, 0, 0) for a node without size.
    virtual common::Point3D Size() const;
    virtual void SetSize(const common::Point3D& size) { size_ = size; }
    common::Point3D Rotation() const override;
    void SetRotation(const std::optional<common::Point3D>& rotation) override {
        rotation_ = rotation;
    }
    virtual const std::optional<common::Point3D>& Scale() const { return scale_; }
    virtual void SetScale(const std::optional<common::Point3D>& scale) { scale_ = scale; }
    virtual std::shared_ptr<Node> Child(int32_t index) const { return children_.Get(index); }
    virtual const Nodes& Children() const { return children_; }
    virtual int32_t ChildCount() const { return static_cast<int32_t>(children_.List().size()); }
    virtual void DisposeChildren(GameEngine& engine);
    // Ancestors' positions added up; their rotation and scale are ignored.
    virtual common::Point3D AbsolutePosition() const;
    // The node that added this one last; null when none or when that one is gone.
    virtual Node* Parent() const { return parent_; }
    // The partial value when set, else 255 when visible and 0 when hidden.
    virtual int32_t Transparency() const;
    // 0 or less hides, 255 or more shows opaque, anything between shows partly transparent.
    virtual void SetTransparency(int32_t value);

  protected:
    const std::optional<common::Point3D>& StoredSize() const { return size_; }

  private:
    void ReleaseChildren();

    std::string name_;
    Nodes children_;
    Node* parent_ = nullptr;
    bool visible_ = true;
    common::Point3D position_;
    std::optional<common::Point3D> rotation_;
    std::optional<common::Point3D> scale_;
    std::optional<common::Point3D> size_;
    common::WInteger transparency_;
    common::Event<> positionChanged_;
    bool disposed_ = false;
};

}  // namespace zr2d
