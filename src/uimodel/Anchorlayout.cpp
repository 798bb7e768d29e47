#include "uimodel/Anchorlayout.h"

#include <algorithm>
#include <cstdint>

namespace tolvane::uimodel {

namespace {

// One axis of a rectangle.
struct TSpan {
  int Near = 0;
  int Far = 0;
};

enum class TGrow { Far, Near, Both };

struct TContainer {
  TSize Design;
  TMargins Padding;
  TSize Actual;
  TPoint InRoot;
  int Index = -1;
};

// Rounded to the nearest, halves away from zero, so that growing and shrinking move a centred node alike.
int RoundedDivide(std::int64_t numerator, std::int64_t denominator) {
  const std::int64_t half = denominator / 2;
  return static_cast<int>(numerator >= 0 ? (numerator + half) / denominator
                                         : (numerator - half) / denominator);
}

TSpan AtLeast(TSpan span, int minimum, TGrow grow) {
  minimum = std::max(minimum, 0);
  const int missing = minimum - (span.Far - span.Near);
  if (missing <= 0)
    return span;
  if (grow == TGrow::Far) {
    span.Far = span.Near + minimum;
  } else if (grow == TGrow::Near) {
    span.Near = span.Far - minimum;
  } else {
    span.Near -= missing / 2;
    span.Far = span.Near + minimum;
  }
  return span;
}

// Scaling each edge rather than the size keeps nodes that touch at design size touching at every scale;
// with the actual extent equal to the scaled design extent, every rule gives the scaled design span.
TSpan AnchoredSpan(TSpan design, bool nearAnchor, bool farAnchor, int designExtent, int actualExtent,
                   int minimum, const TScale& scale) {
  const int delta = actualExtent - scale(designExtent);
  TSpan span{scale(design.Near), scale(design.Far)};
  if (nearAnchor && farAnchor) {
    span.Far += delta;
    return AtLeast(span, minimum, TGrow::Far);
  }
  if (nearAnchor)
    return AtLeast(span, minimum, TGrow::Far);
  if (farAnchor)
    return AtLeast({span.Near + delta, span.Far + delta}, minimum, TGrow::Near);
  const int shift = designExtent > 0
                        ? RoundedDivide(std::int64_t{delta} * (design.Near + design.Far), 2LL * designExtent)
                        : 0;
  return AtLeast({span.Near + shift, span.Far + shift}, minimum, TGrow::Both);
}

TRect AnchoredRect(const TLayoutNode& node, const TContainer& container, const TScale& scale) {
  const TAnchors& anchors = node.Anchors;
  const TSpan across =
      AnchoredSpan({node.Design.Left, node.Design.Right}, anchors.Left, anchors.Right, container.Design.Width,
                   container.Actual.Width, scale(node.MinSize.Width), scale);
  const TSpan down =
      AnchoredSpan({node.Design.Top, node.Design.Bottom}, anchors.Top, anchors.Bottom,
                   container.Design.Height, container.Actual.Height, scale(node.MinSize.Height), scale);
  return {across.Near, down.Near, across.Far, down.Far};
}

TMargins Scaled(const TMargins& margins, const TScale& scale) {
  return {scale(margins.Left), scale(margins.Top), scale(margins.Right), scale(margins.Bottom)};
}

// The node inside its strip or area, at least its minimum size.
TRect InsideMargins(const TRect& area, const TMargins& margins, TSize minimum) {
  const TSpan across =
      AtLeast({area.Left + margins.Left, area.Right - margins.Right}, minimum.Width, TGrow::Far);
  const TSpan down =
      AtLeast({area.Top + margins.Top, area.Bottom - margins.Bottom}, minimum.Height, TGrow::Far);
  return {across.Near, down.Near, across.Far, down.Far};
}

// Cuts a strip of the given thickness off the remaining area, which shrinks to no less than nothing.
TRect TakeStrip(TAlign align, int thickness, TRect& remaining) {
  TRect strip = remaining;
  switch (align) {
    case TAlign::Top:
      strip.Bottom = remaining.Top + thickness;
      remaining.Top = std::min(strip.Bottom, remaining.Bottom);
      break;
    case TAlign::Bottom:
      strip.Top = remaining.Bottom - thickness;
      remaining.Bottom = std::max(strip.Top, remaining.Top);
      break;
    case TAlign::Left:
      strip.Right = remaining.Left + thickness;
      remaining.Left = std::min(strip.Right, remaining.Right);
      break;
    default:
      strip.Left = remaining.Right - thickness;
      remaining.Right = std::max(strip.Left, remaining.Left);
      break;
  }
  return strip;
}

TRect DockedRect(const TLayoutNode& node, TRect& remaining, const TScale& scale) {
  const TMargins margins = Scaled(node.Margins, scale);
  const TSize minimum = scale(node.MinSize);
  const bool horizontal = node.Align == TAlign::Top || node.Align == TAlign::Bottom;
  const int thickness =
      horizontal ? std::max(scale(node.Design.Height()), minimum.Height) + margins.Top + margins.Bottom
                 : std::max(scale(node.Design.Width()), minimum.Width) + margins.Left + margins.Right;
  return InsideMargins(TakeStrip(node.Align, thickness, remaining), margins, minimum);
}

TRect InitialArea(const TContainer& container, const TScale& scale) {
  const TMargins padding = Scaled(container.Padding, scale);
  TRect area{padding.Left, padding.Top, container.Actual.Width - padding.Right,
             container.Actual.Height - padding.Bottom};
  area.Right = std::max(area.Right, area.Left);
  area.Bottom = std::max(area.Bottom, area.Top);
  return area;
}

// Strips in list order first; client nodes share what they left; anchored nodes follow the whole client area.
std::vector<TRect> SiblingRects(std::span<const TLayoutNode> nodes, const TContainer& container,
                                const TScale& scale) {
  std::vector<TRect> rects(nodes.size());
  TRect remaining = InitialArea(container, scale);
  for (std::size_t i = 0; i < nodes.size(); ++i) {
    const TAlign align = nodes[i].Align;
    if (nodes[i].Visible && align != TAlign::None && align != TAlign::Client)
      rects[i] = DockedRect(nodes[i], remaining, scale);
  }
  for (std::size_t i = 0; i < nodes.size(); ++i) {
    if (!nodes[i].Visible)
      continue;
    if (nodes[i].Align == TAlign::Client)
      rects[i] = InsideMargins(remaining, Scaled(nodes[i].Margins, scale), scale(nodes[i].MinSize));
    else if (nodes[i].Align == TAlign::None)
      rects[i] = AnchoredRect(nodes[i], container, scale);
  }
  return rects;
}

class TArranger {
 public:
  TArranger(const TScale& scale, std::vector<TPlacement>& placements)
      : Scale(scale), Placements(placements) {}

  void Arrange(std::span<const TLayoutNode> nodes, const TContainer& container) {
    const std::vector<TRect> rects = SiblingRects(nodes, container, Scale);
    for (std::size_t i = 0; i < nodes.size(); ++i) {
      if (!nodes[i].Visible) {
        Hide(nodes[i], container.Index);
        continue;
      }
      const TRect inRoot = rects[i].Offset(container.InRoot.X, container.InRoot.Y);
      Placements.push_back({nodes[i].Id, container.Index, true, rects[i], inRoot});
      const TContainer inner{nodes[i].Design.Size(), nodes[i].Padding, rects[i].Size(), inRoot.TopLeft(),
                             static_cast<int>(Placements.size()) - 1};
      Arrange(nodes[i].Children, inner);
    }
  }

 private:
  void Hide(const TLayoutNode& node, int parent) {
    Placements.push_back({node.Id, parent, false, {}, {}});
    const int index = static_cast<int>(Placements.size()) - 1;
    for (const TLayoutNode& child : node.Children)
      Hide(child, index);
  }

  const TScale& Scale;
  std::vector<TPlacement>& Placements;
};

}  // namespace

std::vector<TPlacement> ArrangeLayout(const TLayout& layout, TSize client, const TScale& scale) {
  std::vector<TPlacement> placements;
  TArranger(scale, placements).Arrange(layout.Nodes, {layout.DesignClient, layout.Padding, client, {}, -1});
  return placements;
}

const TPlacement* FindPlacement(std::span<const TPlacement> placements, int id) {
  const auto found =
      std::find_if(placements.begin(), placements.end(), [id](const TPlacement& p) { return p.Id == id; });
  return found == placements.end() ? nullptr : &*found;
}

}  // namespace tolvane::uimodel
