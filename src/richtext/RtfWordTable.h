#pragma once

#include <QByteArrayView>

#include <algorithm>
#include <array>
#include <cstddef>

// The entry of a table of control words named word, or null. Entries are
// structs whose member name holds the word.
template <typename Entry, std::size_t N>
const Entry *FindWord(const std::array<Entry, N> &table, QByteArrayView word)
{
    const auto found = std::ranges::find(table, word, &Entry::name);
    return found == table.end() ? nullptr : &*found;
}

// Whether word is one of the words in the list.
template <std::size_t N>
bool IsOneOf(const std::array<QByteArrayView, N> &words, QByteArrayView word)
{
    return std::ranges::find(words, word) != words.end();
}
