#include "paradigm/ParadigmDrill.h"

#include "greek/GreekStuff.h"
#include "greek/Nearest.h"
#include "paradigm/DrillSettings.h"
#include "paradigm/ParadigmRules.h"
#include "paradigm/ParseMode.h"
#include "platform/Numbers.h"
#include "platform/Random.h"

#include <algorithm>

namespace {

// A whole number from 0 to n - 1 drawn from one random number.
std::size_t draw(std::size_t n) {
    return std::min(std::size_t(double(n) * Rnd()), n - 1);
}

} // namespace

void ParadigmDrill::Start() {
    giveUps_ = correct_ = attempts_ = 0;
    score_ = 100;
    initialCount_ = HowManyInDrill;
    current_ = -1;
    answers_.clear();
    parseMode_ = true;
    CoolList.PrepareFind();
}

ParadigmDrill::Next ParadigmDrill::NextItem() {
    if (HowManyInDrill <= 0 || CoolList.empty())
        return Next::Ended;
    --HowManyInDrill;
    if (HasCurrent())
        return Next::SameForm;
    DrawItem();
    return Next::NewForm;
}

void ParadigmDrill::DrawItem() {
    Randomize();
    const int x = int(100 * Rnd()) + 1;
    parseMode_ = x > PercentActive;
    const std::size_t n = CoolList.size();
    const std::size_t best = LightestOfDraws(
        CandidateDraws, [n] { return draw(n); },
        [this](std::size_t j) { return CoolList[j].weight; });
    current_ = int(best);
    answers_.assign(1, best);
    const std::string& code = CoolList[best].code;
    // A partner is looked up by its whole code, so that a damaged index line cannot add a piece
    // of another entry.
    for (const std::string& partner : Index.Partners(code)) {
        const int found = CoolList.Find(partner);
        if (found >= 0)
            answers_.push_back(std::size_t(found));
    }
}

std::string ParadigmDrill::CurrentForm() const {
    return FormOfLine(FormLines, Current().idx);
}

void ParadigmDrill::RightAnswer() {
    CoolList.SetFormWeight(CurrentPosition(), Current().weight + RightAnswerWeight);
    ++correct_;
}

void ParadigmDrill::WrongTry() {
    CoolList.SetFormWeight(CurrentPosition(), Current().weight - WrongTryWeight);
}

ParadigmDrill::ParseVerdict ParadigmDrill::CheckParse(const std::string& parseCode) {
    const auto length = std::size_t(settings_.parseCodeLength);
    const int nearest = NearestByTypos(answers_.size(), [&](std::size_t k) {
        // A parsing equal to the parse goes before all others: the count takes two neighbouring
        // digits swapped for no error, so another parsing can be as near as the parse's own.
        const std::string parsing = CoolList[answers_[k]].code.substr(0, length);
        return parsing == parseCode ? -1 : int(CountTypos(parsing, parseCode, false, false));
    });
    current_ = int(nearest >= 0 ? answers_[std::size_t(nearest)] : answers_.front());
    const std::vector<std::string> parts = DifferingParts(settings_, parseCode, Current().code);
    if (parts.empty()) {
        RightAnswer();
        return {true, ""};
    }
    WrongTry();
    return {false, HintText(parts)};
}

void ParadigmDrill::AdvanceDrill() {
    if (parseMode_) {
        const std::string answered = Current().code;
        std::erase_if(answers_, [&](std::size_t i) { return CoolList[i].code == answered; });
        current_ = answers_.empty() ? -1 : int(answers_.front());
    } else {
        current_ = -1;
        answers_.clear();
    }
    Rescore();
}

void ParadigmDrill::Rescore() {
    score_ = DrillScore(Done(), giveUps_, attempts_, correct_);
}

int DrillScore(int done, int giveUps, int attempts, int correct) {
    if (done <= 0)
        return 100;
    const double wrong = double(attempts) - double(correct);
    const double ratio = attempts > 0 ? wrong / double(attempts) : 1.0;
    const double score = ((double(done) - double(giveUps)) - wrong * ratio) / double(done) * 100.0;
    return score < 0 ? 0 : RoundToInt16(score);
}

std::string ParadigmDrill::SummaryText() const {
    const std::string crlf = "\r\n";
    std::string text =
        "You were drilled on" + NumberText(Done()) + settings_.summaryFormsEnd + crlf;
    text += "You got" + NumberText(correct_) + " correct, in" + NumberText(attempts_) +
            " attempts." + crlf;
    text += "You gave up on" + NumberText(giveUps_);
    text += giveUps_ == 1 ? " form." + crlf + crlf : " forms." + crlf;
    return text + "Your score for this session is" + NumberText(score_) + "%.";
}
