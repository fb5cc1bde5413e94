// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextNode.h"

#include <algorithm>

#include "ZudeRezede2D/GameEngine.h"

namespace zr2d {

using common::Point2D;
using common::Point3D;

TextNode::TextNode(std::string name, Engine& engine, const Point3D& position,
                   std::shared_ptr<Font> font, const std::string& text)
    : Node(std::move(name), position, Point3D(0, 0, 0)), engine_(engine), font_(std::move(font)) {
    UpdateText(text, false);
}

void TextNode::UpdateText(const std::string& text, bool onlyIfChanged) {
    if (onlyIfChanged && text == text_) return;
    ReleaseTextures();
    text_ = text;
    if (text_.empty()) {
        // Measured with "1" so that an empty line keeps the font's height.
        const auto measure = engine_.Factory().CreateGlyphTextures(font_, "1");
        const float height = measure.at(0)->Size().Y();
        for (const auto& texture : measure) engine_.Factory().FreeTexture(*texture);
        SetSize(Point3D(0, height, 0));
        return;
    }
    textures_ = engine_.Factory().CreateGlyphTextures(font_, text_);
    for (const auto& texture : textures_) width_ += texture->Size().X();
    SetSize(Point3D(width_, textures_.back()->Size().Y(), 0));
    BuildBatch();
}

void TextNode::SetAlignLeft(bool alignLeft) {
    if (alignLeft == alignLeft_) return;
    alignLeft_ = alignLeft;
    BuildBatch();
}

void TextNode::BuildBatch() {
    batch_ = GlyphBatch();
    std::vector<float> lefts;
    float left = 0;
    for (const auto& texture : textures_) {
        lefts.push_back(left);
        left += texture->Size().X();
    }
    // Right-aligned text is drawn from its last character on: where the edges of neighbouring
    // glyphs overlap, they blend in the same order as before.
    const size_t count = textures_.size();
    for (size_t n = 0; n < count; ++n) {
        const size_t i = alignLeft_ ? n : count - 1 - n;
        for (const Surface& part : textures_[i]->Surfaces()->Parts()) {
            const Point2D position(lefts[i] + part.Position().X(), part.Position().Y());
            batch_.Add(engine_.GlyphAtlas().Cell(part), position, part.Size());
        }
    }
}

void TextNode::ReleaseTextures() {
    for (const auto& texture : textures_) engine_.Factory().FreeTexture(*texture);
    textures_.clear();
    batch_ = GlyphBatch();
    width_ = 0;
}

void TextNode::DisposeNode(GameEngine&) { ReleaseTextures(); }

void TextNode::Draw(GameEngine& engine) {
    if (textures_.empty()) return;
    Engine& video = engine.VideoEngine();
    Point3D offset(0, 0, 0);
    if (centered_) offset = Point3D(static_cast<float>(static_cast<int>(Size().X() / -2.0)), 0, 0);
    const auto ownAlpha = [](const auto& texture) { return texture->Alpha().has_value(); };
    if (std::any_of(textures_.begin(), textures_.end(), ownAlpha)) {
        DrawEachCharacter(video, offset);
        return;
    }
    if (!alignLeft_) offset = offset.Subtract(Point3D(width_, 0, 0));
    video.PushTransform(offset, std::nullopt, std::nullopt);
    video.DrawGlyphBatch(batch_, color_);
    video.PopTransform();
}

void TextNode::DrawEachCharacter(Engine& video, Point3D offset) const {
    const size_t count = textures_.size();
    for (size_t i = 0; i < count; ++i) {
        const Texture& texture = *textures_[alignLeft_ ? i : count - 1 - i];
        const Point3D width(texture.Size().X(), 0, 0);
        if (!alignLeft_) offset = offset.Subtract(width);
        video.PushTransform(offset, std::nullopt, std::nullopt);
        video.DrawTexture(texture, color_, std::nullopt);
        if (alignLeft_) offset = offset.Add(width);
        video.PopTransform();
    }
}

}  // namespace zr2d
