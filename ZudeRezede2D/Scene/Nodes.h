// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>
#include <vector>

namespace zr2d {

class Node;

// A node's children in insertion order.
class Nodes {
  public:
    virtual ~Nodes() = default;

    virtual void Add(std::shared_ptr<Node> node) { list_.push_back(std::move(node)); }
    virtual const std::vector<std::shared_ptr<Node>>& List() const { return list_; }
    // Throws std::out_of_range outside 0..size-1.
    virtual const std::shared_ptr<Node>& Get(int32_t index) const {
        return list_.at(static_cast<size_t>(index));
    }
    // The first child with exactly that name, or null.
    virtual std::shared_ptr<Node> Find(const std::string& name) const;
    void Clear() { list_.clear(); }

  private:
    std::vector<std::shared_ptr<Node>> list_;
};

}  // namespace zr2d
