#pragma once

// The numbers by which a paradigm drill draws and weighs its forms.

// A newly drawn item is the lightest of this many draws of a candidate.
inline constexpr int CandidateDraws = 6;

// A right answer raises the weight of the form asked by RightAnswerWeight, a wrong try lowers it
// by WrongTryWeight: a form answered well is drawn less often.
inline constexpr int RightAnswerWeight = 1;
inline constexpr int WrongTryWeight = 1;
