#include "vocab/Judging.h"

#include "vocab/VocabDrill.h"

void JudgeAnswers(VocabDrill& drill) {
    drill.EnterCaption = "Next";
}
