// The file choosers' filter words and their built-in lists of file types.
#ifndef VU_DIALOGS_FILTERS_H
#define VU_DIALOGS_FILTERS_H

namespace vu {

// Picks the filter list that filter_word names. "OWN_FILTER" copies the caller's list into a
// new block, frees the block *own_copy held and points both *own_copy and *list at the copy
// (no list at all, null, when own is null or empty or no memory is left). Returns false,
// leaving *list and *own_copy alone, for a word outside the table.
bool SelectFilter(const char* filter_word, const char* own, char** own_copy, const char** list);

}  // namespace vu

#endif
