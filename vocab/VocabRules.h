#pragma once

// The numbers by which the vocabulary drill judges and chooses. Scores are a record's Score.

// A right answer of a Greek-to-English item raises its word's score by this much; each wrong one
// lowers it by WrongMeaningCost, and every record along the shared-meaning chain of the meaning
// typed loses SharedMeaningCost.
inline constexpr int RightMeaningGain = 3;
inline constexpr int WrongMeaningCost = 4;
inline constexpr int SharedMeaningCost = 2;

// After a Greek-to-English item, every look-alike of the word loses LookalikeCost: a look-alike's
// second form is LookalikeErrors typing errors or fewer away from the word's, before scaling.
inline constexpr int LookalikeErrors = 2;
inline constexpr int LookalikeCost = 1;

// A right answer of an English-to-Greek item raises the score of the word typed by this much; a
// wrong one costs every entry of the word it is corrected to WrongGreekCost, and every record
// whose headword is exactly what was typed TypedGreekCost.
inline constexpr int RightGreekGain = 5;
inline constexpr int WrongGreekCost = 4;
inline constexpr int TypedGreekCost = 4;

// A word is chosen as the lowest-scored of ManyCandidates candidates, or of FewCandidates while
// the drill holds fewer than ManyWords words. A practice candidate is drawn again, up to
// PracticeDraws draws in all, while its score is above PracticeFactor times the reinforcement.
inline constexpr int ManyWords = 15;
inline constexpr int ManyCandidates = 5;
inline constexpr int FewCandidates = 2;
inline constexpr int PracticeDraws = 25;
inline constexpr int PracticeFactor = 3;
