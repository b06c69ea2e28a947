// Keyword tables: the toolkit's options travel as upper-case words, each call searching
// its own table of (word, value) rows in the documented order. Internal to the toolkit.
#ifndef VU_BASE_KEYWORD_H
#define VU_BASE_KEYWORD_H

#include <cstddef>
#include <cstring>

namespace vu {

template <typename Value>
struct Keyword {
    const char* word;
    Value value;
};

// True when word equals expected exactly (case-sensitive); a null word equals nothing.
inline bool IsWord(const char* word, const char* expected)
{
    return word != nullptr && std::strcmp(word, expected) == 0;
}

// The first row of the table whose word equals word, or null when none does (a null word
// matches no row).
template <typename Value, std::size_t N>
const Keyword<Value>* FindKeyword(const Keyword<Value> (&table)[N], const char* word)
{
    for (const Keyword<Value>& row : table)
        if (IsWord(word, row.word)) return &row;
    return nullptr;
}

// The value of the matching row, or fallback when no row matches.
template <typename Value, std::size_t N>
Value KeywordValue(const Keyword<Value> (&table)[N], const char* word, Value fallback)
{
    const Keyword<Value>* row = FindKeyword(table, word);
    return row ? row->value : fallback;
}

// The text itself, or the empty text for a null pointer.
inline const char* TextOrEmpty(const char* text) { return text ? text : ""; }

}  // namespace vu

#endif
