// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "Common/Color.h"
#include "Node.h"
#include "ZudeRezede2D/Video/Font.h"
#include "ZudeRezede2D/Video/GlyphBatch.h"
#include "ZudeRezede2D/Video/Texture.h"

namespace zr2d {

class Engine;

// One line of text: one cached glyph texture per character, placed side by side and drawn as
// one batch from the glyph atlas. Text is rendered when it changes, never while drawing.
class TextNode : public Node {
  public:
    TextNode(std::string name, Engine& engine, const common::Point3D& position,
             std::shared_ptr<Font> font, const std::string& text);

    // Gives the glyph textures back.
    void DisposeNode(GameEngine& engine) override;
    void Draw(GameEngine& engine) override;
    // Renders only when the text differs from the current one.
    virtual void SetText(const std::string& text) { UpdateText(text, true); }
    virtual bool AlignLeft() const { return alignLeft_; }
    // false: the text ends at the node origin instead of starting there.
    virtual void SetAlignLeft(bool alignLeft);
    virtual const std::string& Text() const { return text_; }
    virtual const common::Color& Color() const { return color_; }
    // Modulates the glyphs' own colour when drawing.
    virtual void SetColor(const common::Color& color) { color_ = color; }
    virtual const std::vector<std::shared_ptr<Texture>>& Textures() const { return textures_; }
    // Shifts the text left by half its width.
    virtual void SetCentered(bool centered) { centered_ = centered; }

  private:
    void UpdateText(const std::string& text, bool onlyIfChanged);
    void ReleaseTextures();
    // The glyphs' quads in the order they are drawn, the text starting at 0.
    void BuildBatch();
    // For glyphs with an alpha of their own, which replaces the current one for them alone.
    void DrawEachCharacter(Engine& video, common::Point3D offset) const;

    Engine& engine_;
    std::vector<std::shared_ptr<Texture>> textures_;
    GlyphBatch batch_;
    float width_ = 0;
    std::string text_;
    std::shared_ptr<Font> font_;
    bool alignLeft_ = true;
    bool centered_ = false;
    common::Color color_{255, 255, 255, 255};
};

}  // namespace zr2d
