// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextsNode.h"

#include <algorithm>

#include "Common/Helper.h"
#include "Common/MyLog.h"
#include "NodeFactory.h"

namespace zr2d {

using common::MyLog;
using common::Point3D;

namespace {

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (true) {
        const size_t end = text.find('\n', start);
        std::string line = text.substr(start, end == std::string::npos ? end : end - start);
        if (end != std::string::npos && !line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
        if (end == std::string::npos) return lines;
        start = end + 1;
    }
}

}  // namespace

TextsNode::TextsNode(std::string name, const Point3D& position, std::shared_ptr<Font> font,
                     const std::string& text, NodeFactory& factory)
    : EmptyNode(std::move(name), position, Point3D(0, 0, 0)),
      font_(std::move(font)),
      factory_(factory) {
    ChangeText(text);
}

void TextsNode::ChangeText(const std::string& text) {
    MyLog::Info("TextsNode, ChangeText: " + text);
    if (text == text_) return;
    DisposeChildren(factory_.GameEngine());
    lines_.clear();
    float y = 0;
    float maxWidth = 0;
    const std::vector<std::string> lines = SplitLines(text);
    for (size_t n = 0; n < lines.size(); ++n) {
        auto line =
            factory_.CreateTextNode(Name() + "_" + std::to_string(n), Point3D(0, 0, 0), font_, "");
        if (color_) line->SetColor(*color_);
        lines_.push_back(line);
        AddChild(line);
        line->SetText(lines[n]);
        line->SetPosition(Point3D(0, y, 0));
        const Point3D size = line->Size();
        MyLog::Info("Line: " + lines[n] + ", hight: " + common::Helper::FloatToString(size.Y()));
        y += size.Y();
        maxWidth = std::max(maxWidth, size.X());
    }
    text_ = text;
    SetSize(Point3D(maxWidth, y, 0));
    MyLog::Info("TextsNode, ChangedText: " + text);
}

void TextsNode::SetColor(const std::optional<common::Color>& color) {
    color_ = color;
    if (!color_) return;
    for (const auto& line : lines_) line->SetColor(*color_);
}

}  // namespace zr2d
