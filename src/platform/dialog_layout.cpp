#include "platform/dialog_layout.h"

#include <algorithm>

namespace purso {
namespace {

PixelRect Moved(PixelRect box, int dx, int dy) { return {box.left + dx, box.top + dy, box.right + dx, box.bottom + dy}; }

}  // namespace

std::vector<PixelRect> GrownLayout(std::span<const ControlResource> controls, std::span<const PixelRect> boxes,
                                   int extraWidth, int extraHeight) {
  std::vector<PixelRect> grown(boxes.begin(), boxes.end());
  struct List {
    PixelRect box;
    int share = 0;  // of the extra height
  };
  std::vector<List> lists;
  for (std::size_t i = 0; i < controls.size(); ++i) {
    if (IsList(controls[i])) lists.push_back({boxes[i]});
  }
  if (lists.empty()) return grown;
  std::sort(lists.begin(), lists.end(), [](const List& a, const List& b) { return a.box.top < b.box.top; });
  const int count = static_cast<int>(lists.size());
  for (int k = 0; k < count; ++k) lists[k].share = extraHeight / count + (k == count - 1 ? extraHeight % count : 0);
  int right = lists.front().box.right;
  int left = lists.front().box.left;
  for (const List& list : lists) {
    right = std::max(right, list.box.right);
    left = std::min(left, list.box.left);
  }
  const int middle = (left + right) / 2;

  // How far down a box at this top moves: the growth of every list above it.
  const auto downBy = [&lists](int top) {
    int shift = 0;
    for (const List& list : lists) shift += list.box.bottom <= top ? list.share : 0;
    return shift;
  };
  for (std::size_t i = 0; i < controls.size(); ++i) {
    const PixelRect box = boxes[i];
    if (IsList(controls[i])) {
      const int share = std::find_if(lists.begin(), lists.end(), [&box](const List& list) {
                          return list.box == box;
                        })->share;
      const PixelRect moved = Moved(box, 0, downBy(box.top));
      grown[i] = {moved.left, moved.top, moved.right + extraWidth, moved.bottom + share};
      continue;
    }
    const bool beside = box.left >= right;
    const bool rightButton = controls[i].kind == ControlKind::kPushButton && box.left >= middle;
    int dy = downBy(box.top);
    for (const List& list : lists) {
      const bool alongside = beside && box.top >= list.box.top && box.top < list.box.bottom;
      if (alongside && 3 * (box.top - list.box.top) >= 2 * list.box.Height()) dy += list.share;
    }
    grown[i] = Moved(box, beside || rightButton ? extraWidth : 0, dy);
  }
  return grown;
}

}  // namespace purso
