#include "ui/recent_list.h"

#include <string>

namespace quornel {

void RecentListUpdate(ComboBox& box, std::size_t length) {
    // The list file separates entries by commas, and an empty entry would only push a
    // real value out of the list.
    if (box.text.empty() || box.text.find(',') != std::string::npos) return;

    bool matched = false;
    const std::size_t n = box.items.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (box.items[i] != box.text) continue;
        // Move the entry to the top; the entries after its old place keep their positions,
        // so the scan can go on and also gather a second copy.
        std::string entry = box.items[i];
        box.items.insert(box.items.begin(), std::move(entry));
        box.items.erase(box.items.begin() + static_cast<std::ptrdiff_t>(i) + 1);
        box.text = box.items[0];
        matched = true;
    }
    if (!matched) {
        box.items.insert(box.items.begin(), box.text);
        // A short list (a damaged pick-list file) simply grows; nothing to drop yet.
        if (box.items.size() > length) box.items.resize(length);
    }
    // The box shows the top entry now.
    box.list_index = box.items.empty() ? -1 : 0;
}

}  // namespace quornel
