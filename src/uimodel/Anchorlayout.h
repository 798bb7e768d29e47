#pragma once
// A form's layout as data: every control has a design rectangle at 144 ppi inside its parent's design client
// area and is either docked (it takes a strip off the area its earlier siblings left, or what is left at the
// end) or anchored (each anchored edge keeps its distance to that parent edge). Arranging turns the data,
// the parent's actual client size and the window's scale into pixel rectangles.

#include <span>
#include <utility>
#include <vector>

#include "common/Geometry.h"
#include "uimodel/Scale.h"

namespace tolvane::uimodel {

enum class TAlign { None, Top, Bottom, Left, Right, Client };

// The parent edges an undocked node keeps its distance to. Left and right together stretch the node with the
// parent; neither keeps the node's centre at the same fraction of the parent's width (likewise vertically).
struct TAnchors {
  bool Left = true;
  bool Top = true;
  bool Right = false;
  bool Bottom = false;
};

inline constexpr TAnchors kAnchorAll{true, true, true, true};

struct TMargins {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
};

struct TLayoutNode {
  int Id = 0;  // the caller's name for the node, such as a control id
  // At 144 ppi in the parent's client area. A docked node uses only its thickness (the height of a top or
  // bottom strip, the width of a left or right one); its size is also the design client size of its children.
  TRect Design;
  TAlign Align = TAlign::None;
  TAnchors Anchors;  // only for Align None
  TMargins Margins;  // docked nodes: room kept free around the node inside its strip
  TSize MinSize;     // at 144 ppi
  bool Visible = true;
  TMargins Padding;  // room the node keeps free of its docked children
  std::vector<TLayoutNode> Children;

  // For writing layouts as expressions: DockNode(…).WithMargins(…).WithChildren({…}).
  TLayoutNode WithMargins(const TMargins& margins) && { return Set(&TLayoutNode::Margins, margins); }
  TLayoutNode WithMinSize(TSize minSize) && { return Set(&TLayoutNode::MinSize, minSize); }
  TLayoutNode WithPadding(const TMargins& padding) && { return Set(&TLayoutNode::Padding, padding); }
  TLayoutNode WithChildren(std::vector<TLayoutNode> children) && {
    return Set(&TLayoutNode::Children, std::move(children));
  }
  TLayoutNode Shown(bool visible) && { return Set(&TLayoutNode::Visible, visible); }

 private:
  template <typename TField, typename TValue>
  TLayoutNode Set(TField TLayoutNode::*field, TValue&& value) {
    this->*field = std::forward<TValue>(value);
    return std::move(*this);
  }
};

// A node docked to a side of the area left by its earlier siblings, or filling what is left (Client).
inline TLayoutNode DockNode(int id, TAlign align, const TRect& design) {
  TLayoutNode node;
  node.Id = id;
  node.Align = align;
  node.Design = design;
  return node;
}

// A node that keeps its distance to the anchored edges of its parent.
inline TLayoutNode AnchorNode(int id, const TRect& design, TAnchors anchors = {}) {
  TLayoutNode node;
  node.Id = id;
  node.Design = design;
  node.Anchors = anchors;
  return node;
}

struct TLayout {
  TSize DesignClient;  // the form's client size at 144 ppi
  TMargins Padding;    // room the form keeps free of its docked nodes
  std::vector<TLayoutNode> Nodes;
};

struct TPlacement {
  int Id = 0;
  int Parent = -1;      // index of the parent node's placement; -1 for a node of the form itself
  bool Visible = true;  // false also below a hidden node
  TRect Bounds;         // in the parent node's client pixels; empty when hidden
  TRect InRoot;         // in the form's client pixels
};

// One placement per node, parents before their children, siblings in list order. Docked strips keep their
// thickness even when they do not fit (they overlap then); the area they leave never gets a negative size.
std::vector<TPlacement> ArrangeLayout(const TLayout& layout, TSize client, const TScale& scale);

// The first placement with the id; null when there is none.
const TPlacement* FindPlacement(std::span<const TPlacement> placements, int id);

}  // namespace tolvane::uimodel
