#pragma once

class VocabDrill;

// Judges the filled answer slots of the drill's current item: marks each slot right or wrong,
// shows the corrections, changes the scores and counters, and sets the Enter caption to "Next".
void JudgeAnswers(VocabDrill& drill);
