// SPDX-License-Identifier: GPL-3.0-or-later
#include "WidgetLook.h"

#include "ZudeRezede2D/Scene/NodeHelper.h"
#include "ZudeRezede2D/Video/Data/SingleVertices.h"

namespace pexaro {

using common::Color;
using common::Point3D;
using zr2d::WidgetNodeType;
using zr2d::WidgetType;

namespace {

struct PartColours {
    Color top;
    Color bottom;
};

Color WithAlpha(Color colour, int32_t delta) {
    colour.AddAlpha(delta);
    return colour;
}

// Top and bottom colour of each part in the button, set-button and check looks.
PartColours ButtonColours(WidgetNodeType part, int32_t backgroundAlpha) {
    switch (part) {
        case WidgetNodeType::MouseOver:
            return {Color(200, 220, 64, 128), Color(200, 220, 64, 48)};
        case WidgetNodeType::Check:
            return {Color(220, 200, 64, 200), Color(220, 200, 64, 120)};
        default:
            return {Color(138, 200, 238, backgroundAlpha), Color(138, 200, 238, 0)};
    }
}

PartColours CheckColours(WidgetNodeType part) {
    switch (part) {
        case WidgetNodeType::MouseOver:
            return {Color(64, 255, 64, 128), Color(200, 220, 64, 128)};
        case WidgetNodeType::Check:
            return {Color(255, 64, 64, 200), Color(220, 200, 64, 200)};
        default:
            return {Color(64, 64, 64, 200), Color(64, 64, 64, 128)};
    }
}

std::string PartSuffix(WidgetNodeType part) {
    switch (part) {
        case WidgetNodeType::MouseOver:
            return "_mouseOver";
        case WidgetNodeType::Check:
            return "_checked_bg";
        default:
            return "_bg";
    }
}

}  // namespace

zr2d::NodeCreator WidgetLook::NodeCreator() {
    // The frames live in the tree of the scene that owns this look, so they never call back
    // into a look that is gone.
    return [this](WidgetType type, WidgetNodeType part, zr2d::Control& control) {
        return CreateWidgetNode(type, part, control);
    };
}

std::shared_ptr<zr2d::Node> WidgetLook::CreateWidgetNode(WidgetType type, WidgetNodeType part,
                                                         zr2d::Control& control) {
    if (part == WidgetNodeType::Sound) {
        if (type == WidgetType::Button || type == WidgetType::Checkbox ||
            type == WidgetType::GroupCheckbox) {
            control.SetClickSound([&sounds = sounds_] { sounds.Click(); });
        }
        return nullptr;
    }
    const std::string name = control.Name() + PartSuffix(part);
    const Point3D size = control.Size();
    const auto buttonLook = [&](float extraWidth, int32_t backgroundAlpha) {
        const PartColours colours = ButtonColours(part, backgroundAlpha);
        return Gradient(name, Point3D(0, 0, 0), size.Add(Point3D(extraWidth, 0, 0)), colours.top,
                        colours.bottom);
    };
    switch (type) {
        case WidgetType::Group:
            if (part != WidgetNodeType::Background) return nullptr;
            return CreateFramePanel(name, size, Color(7, 21, 36, 64), false);
        case WidgetType::Button:
            if (part == WidgetNodeType::Background) {
                return CreatePanel(name, size, Color(22, 72, 42, 14), false);
            }
            [[fallthrough]];
        case WidgetType::Checkbox: {
            const PartColours colours = CheckColours(part);
            return Gradient(name, Point3D(0, 0, 0), size, colours.top, colours.bottom);
        }
        case WidgetType::GroupCheckbox:
            if (!setButtonSide_) return buttonLook(0, 32);
            return SetButtonLook(name, part, size, *setButtonSide_);
        case WidgetType::TextEdit:
            return buttonLook(3, 32);
        default:
            return nullptr;
    }
}

void WidgetLook::WithSetButtonLook(SetButtonSide side, const std::function<void()>& build) {
    setButtonSide_ = side;
    try {
        build();
    } catch (...) {
        setButtonSide_.reset();
        throw;
    }
    setButtonSide_.reset();
}

// Set buttons fade away from their thumbnail: left ones to the right, right ones to the left.
std::shared_ptr<zr2d::Node> WidgetLook::SetButtonLook(const std::string& name, WidgetNodeType part,
                                                      const Point3D& size, SetButtonSide side) {
    const PartColours colours = ButtonColours(part, 24);
    const bool left = side == SetButtonSide::Left;
    const Color near = colours.top;
    const Color far(near.R(), near.G(), near.B(), near.A() / 4);
    auto vertices = std::make_shared<zr2d::SingleVertices>(4);
    vertices->SetVertex(0, Point3D(0, 0, 0), left ? near : far)
        .SetVertex(1, Point3D(0, size.Y(), 0), left ? near : far)
        .SetVertex(2, Point3D(size.X(), size.Y(), 0), left ? far : near)
        .SetVertex(3, Point3D(size.X(), 0, 0), left ? far : near);
    return factory_.CreateSimpleFormNode(name, Point3D(0, 0, 0), zr2d::BasicShapeType::Quads,
                                         vertices);
}

std::shared_ptr<zr2d::Node> WidgetLook::Gradient(const std::string& name, const Point3D& position,
                                                 const Point3D& size, const Color& top,
                                                 const Color& bottom) {
    return factory_.CreateSimpleFormNode(
        name, position, zr2d::BasicShapeType::Quads,
        zr2d::NodeHelper::CreateGradientRectangle(size, top, bottom));
}

std::shared_ptr<zr2d::Node> WidgetLook::BoxPanel(const std::string& name, const Point3D& size,
                                                 const Color& colour, bool inner, float margin) {
    const Color base = inner ? colour : colour.Brighten(140);
    const Color second = WithAlpha(base, 64);
    // The inner panel sits one pixel inside the outer one.
    const Point3D offset = inner ? Point3D(1, 1, 0) : Point3D(-margin / 2, -margin / 2, 0);
    const Point3D extent =
        size.Add(Point3D(inner ? margin - 2 : margin, inner ? margin - 2 : margin, 0));
    auto panel = inner ? Gradient("gameDisplay_bg", offset, extent, base, second)
                       : Gradient("gameDisplay_bg", offset, extent, second, base);
    if (!inner) panel->AddChild(BoxPanel(name, size, colour, true, margin));
    return panel;
}

std::shared_ptr<zr2d::Node> WidgetLook::CreatePanel(const std::string& name, const Point3D& size,
                                                    const Color& colour, bool inner) {
    return BoxPanel(name, size, colour, inner, 6);
}

std::shared_ptr<zr2d::Node> WidgetLook::CreateFramePanel(const std::string& name,
                                                         const Point3D& size, const Color& colour,
                                                         bool inner) {
    return BoxPanel(name, size, colour, inner, 12);
}

std::shared_ptr<zr2d::Node> WidgetLook::CreateShape(const std::string& name, const Point3D& size,
                                                    const Color& colour, const Point3D& position) {
    auto shape = factory_.CreateEmptyNode(name, position, size);
    shape->AddChild(Gradient(name + "_outer", Point3D(-3, -3, 0), size.Add(Point3D(6, 6, 0)),
                             colour.Brighten(60), colour));
    shape->AddChild(Gradient(name + "_inner", Point3D(3, 3, 0), size.Add(Point3D(-6, -6, 0)),
                             colour, WithAlpha(colour, -colour.A() / 2)));
    return shape;
}

std::shared_ptr<zr2d::Node> WidgetLook::CreateRowBackground(const std::string& name,
                                                            const Point3D& size,
                                                            const Color& colour,
                                                            const Point3D& position) {
    auto row = Gradient(name, position, size, colour, WithAlpha(colour, -colour.A() / 2));
    // A thin grey line under the row, 4 in from the left and 2 above its lower edge.
    row->AddChild(Gradient(name + "_line", Point3D(4, size.Y() - 2, 0), Point3D(size.X() - 8, 1, 0),
                           Color(84, 84, 84, colour.A()), Color(84, 84, 84, colour.A())));
    return row;
}

}  // namespace pexaro
