#pragma once

#include <cstddef>
#include <string>

// A page's message map: each Browse button names the field its picker fills.
template <class Page>
struct BrowseEntry {
    int button;
    std::string Page::*field;
    const char* title;  // the folder picker's; unused by the file pickers
};

// Runs `browse(field, title)` for the entry of button `id` when `execute`
// is set; says whether the page has such a button.
template <class Page, std::size_t N, class Browse>
bool DispatchBrowse(Page& page, const BrowseEntry<Page> (&map)[N], int id, bool execute, Browse&& browse) {
    for (const BrowseEntry<Page>& entry : map) {
        if (entry.button != id) continue;
        if (execute) browse(page.*entry.field, entry.title);
        return true;
    }
    return false;
}
