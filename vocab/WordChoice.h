#pragma once

#include "vocab/WordTable.h"

// Which way the next item asks, and which word. Both reseed the random source first.

// True asks English-to-Greek: one draw, a roll of 1..100 against percentActive.
bool PickLanguage(int percentActive);

// The record to ask next, from the table's drill words: a roll of 1..100 against review decides
// whether this choice is a review choice; then each of 5 candidates (2 when fewer than 15 words
// are in the drill) is one draw (review) or the first of up to 25 draws whose score is at most
// 3 x reinforcement (practice; else the 25th). The lowest-scored candidate wins, the earliest on
// equal scores. NoLink when the drill has no words.
int ChooseNextWord(const WordTable& table, int review, int reinforcement);
