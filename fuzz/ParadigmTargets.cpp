// The fuzz targets of the paradigm drills' files: the paradigm file as the drill window's load
// step and the main window's candidate scan read it, and the index file as the drill's first item
// reads it; then a few items of the drill over them, parsed and typed, right and wrong.
#include "app/DataFileOrEnd.h"
#include "fuzz/FuzzProgram.h"
#include "greek/GreekStuff.h"
#include "paradigm/CandidateScan.h"
#include "paradigm/DrillSettings.h"
#include "paradigm/FormFiles.h"
#include "paradigm/InflectMode.h"
#include "paradigm/ParadigmDrill.h"
#include "paradigm/ParseMode.h"

#include <map>
#include <string>
#include <vector>

namespace {

// The scan tells the progress window the file's count line as it stands, negative or not; the
// window holds its bar within 0 and its maximum.
class NoProgress : public Progress {
public:
    void Begin(int) override {}
    void Step(int) override {}
    void End() override {}
};

// Every word and every digit of each part, the boxes as the input chooses.
FormChoices everyForm(FuzzChoices& choices) {
    FormChoices chosen;
    for (int n = 1; n <= 99; ++n)
        chosen.items += (n < 10 ? "0" : "") + std::to_string(n) + (n < 99 ? "," : "");
    chosen.voices = chosen.tenses = chosen.moods = "0,1,2,3,4,5,6,7,8,9";
    chosen.duals = choices.Flip();
    chosen.thirdPersonImperatives = choices.Flip();
    chosen.vocatives = choices.Flip();
    return chosen;
}

// The window's word list: every word's number and a name.
std::vector<std::string> wordItems() {
    std::vector<std::string> items;
    for (int n = 1; n <= 99; ++n)
        items.push_back((n < 10 ? "0" : "") + std::to_string(n) + " lo/gos");
    return items;
}

// A parse of the current form: the right one as a give-up shows it, or one with a part changed.
std::string parseOf(const DrillSettings& drill, const std::string& code, FuzzChoices& choices) {
    std::vector<char> digits = GiveUpDigits(drill, code);
    if (choices.Flip()) {
        const std::size_t group = std::size_t(choices.Pick(int(digits.size())));
        const std::vector<OptionButton>& buttons = drill.groups[group].buttons;
        digits[group] = buttons[std::size_t(choices.Pick(int(buttons.size())))].digit;
    }
    std::string missing;
    const std::string parse = ParseCodeOf(drill, code.substr(0, 2), digits, missing);
    FuzzCheck(!parse.empty() || !missing.empty(), "a parse that cannot be made names a choice");
    return parse;
}

// Runs the drill to its end as the window does, with the choices' answers.
void drillItems(ParadigmDrill& model, const DrillSettings& drill, FuzzChoices& choices) {
    static const std::vector<std::string> words = wordItems();
    model.Start();
    for (int items = 0;; ++items) {
        FuzzCheck(items < 100, "a drill of a few items ends");
        if (model.NextItem() == ParadigmDrill::Next::Ended)
            break;
        FuzzCheck(model.HasCurrent(), "an item has a form");
        const std::string code = model.Current().code;
        BetaToDisplayFont(DataFontToBeta(model.CurrentForm()));
        model.CountAttempt();
        bool right;
        if (model.ParseMode()) {
            PossiblesText(model.AnswerCount());
            const std::string parse = parseOf(drill, code, choices);
            right = !parse.empty() && model.CheckParse(parse).right;
        } else {
            InflectWords(drill, code);
            InflectWordName(words, code);
            const std::string answer =
                choices.Flip() ? DataFontToBeta(model.CurrentForm()) : "lu/w";
            right = model.CheckInflection(answer);
        }
        if (!right) {
            model.CountGiveUp();
            if (model.ParseMode())
                GiveUpDigits(drill, model.Current().code);
            else
                DataFontToBeta(model.VariantForm());
        }
        model.AdvanceDrill();
    }
    model.SummaryText();
    FuzzCheck(model.Score() >= 0 && model.Score() <= 100, "the drill score is a percentage");
}

struct ScannedForms {
    std::vector<std::string> lines;
    CandidateList candidates;
};

// The paradigm file as the drill window's load step reads it, and as the main window's scan reads
// it for the choices.
ScannedForms scanForms(const DrillSettings& drill, const FormChoices& chosen) {
    ScannedForms forms;
    forms.lines = DataFileOrEnd(ReadDataFile(drill.formFile, drill.formMissingMessage,
                                             drill.formReadErrorMessage, ReadDataLines));
    NoProgress progress;
    forms.candidates = DataFileOrEnd(ReadDataFile(
        drill.formFile, drill.formMissingMessage, drill.formReadErrorMessage,
        [&](const std::string& file) { return CollectValidForms(file, drill, chosen, progress); }));
    for (const FormEntry& entry : forms.candidates.entries())
        FuzzCheck(IsFormCode(entry.code, drill.codeLength) && entry.idx >= 1 &&
                      std::size_t(entry.idx) <= forms.lines.size(),
                  "a candidate is a form code of a line of the file");
    return forms;
}

// One of the drill's two files holds the bytes; the other is the shipped one. Either is read as
// the program reads it, whenever the program reads it.
int feedParadigm(const std::uint8_t* data, std::size_t size, const DrillSettings& drill,
                 bool formFile) {
    SetUpFuzzProgram();
    const char* fileName = formFile ? drill.formFile : drill.indexFile;
    const std::string path = FuzzDataFile(fileName);
    WriteFuzzFile(path, data, size);
    FuzzChoices choices(data, size);
    choices.ScriptRandomNumbers();
    const FormChoices chosen = everyForm(choices);
    RunUntilEnd([&] {
        ParadigmDrill model(drill);
        if (formFile) {
            const ScannedForms forms = scanForms(drill, chosen);
            model.FormLines = forms.lines;
            model.CoolList = forms.candidates;
        } else {
            // The shipped paradigm file, read once for each set of choices.
            static std::map<std::pair<const DrillSettings*, int>, ScannedForms> shipped;
            const int boxes =
                chosen.duals + 2 * chosen.thirdPersonImperatives + 4 * chosen.vocatives;
            auto found = shipped.find({&drill, boxes});
            if (found == shipped.end())
                found = shipped.emplace(std::pair{&drill, boxes}, scanForms(drill, chosen)).first;
            model.FormLines = found->second.lines;
            model.CoolList = found->second.candidates;
        }
        model.HowManyInDrill = 1 + choices.Pick(6);
        model.PercentActive = choices.Pick(101);
        model.AccentsCount = choices.Flip();
        model.BreathingsCount = choices.Flip();
        // doFirstDrill
        model.Index.Load(DataFileOrEnd(ReadDataFile(drill.indexFile, drill.indexMissingMessage,
                                                    drill.indexReadErrorMessage, ReadDataLines)));
        drillItems(model, drill, choices);
    });
    CheckFileKept(path, data, size);
    RestoreDataFile(fileName);
    return 0;
}

} // namespace

int FuzzVerbForms(const std::uint8_t* data, std::size_t size) {
    return feedParadigm(data, size, VerbDrill, true);
}

int FuzzVerbIndex(const std::uint8_t* data, std::size_t size) {
    return feedParadigm(data, size, VerbDrill, false);
}

int FuzzNounForms(const std::uint8_t* data, std::size_t size) {
    return feedParadigm(data, size, NounDrill, true);
}

int FuzzNounIndex(const std::uint8_t* data, std::size_t size) {
    return feedParadigm(data, size, NounDrill, false);
}
