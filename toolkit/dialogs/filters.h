// The file choosers' filter words and their built-in lists of file types.
#ifndef VU_DIALOGS_FILTERS_H
#define VU_DIALOGS_FILTERS_H

#include <string>

namespace vu {

// Picks the filter list that filter_word names. "OWN_FILTER" copies the caller's list into
// *own_copy and points *list at the copy (no list at all when own is null or empty). Returns
// false, leaving *list alone, for a word outside the table.
bool SelectFilter(const char* filter_word, const char* own, std::string* own_copy,
                  const char** list);

}  // namespace vu

#endif
