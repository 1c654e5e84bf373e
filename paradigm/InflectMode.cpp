#include "paradigm/InflectMode.h"

#include "greek/GreekStuff.h"
#include "paradigm/DrillSettings.h"
#include "paradigm/ParadigmDrill.h"

namespace {

// A code character as a number: its digit, 0 for anything else or beyond the code.
int digitAt(const std::string& code, int position) {
    const auto at = std::size_t(position);
    const char c = at < code.size() ? code[at] : '0';
    return c >= '0' && c <= '9' ? c - '0' : 0;
}

// The second blank-separated field of a text, "" when it has none.
std::string secondField(const std::string& text) {
    const std::size_t start = text.find(' ');
    if (start == std::string::npos)
        return "";
    const std::size_t end = text.find(' ', start + 1);
    return text.substr(start + 1, end == std::string::npos ? std::string::npos : end - start - 1);
}

} // namespace

std::vector<std::string> InflectWords(const DrillSettings& drill, const std::string& code) {
    std::vector<std::string> words;
    for (const InflectWordLabel& label : drill.inflectWords) {
        const bool alt =
            label.altPosition >= 0 && digitAt(code, label.altPosition) == label.altDigit - '0';
        const char* word = (alt ? label.altWords : label.words)[digitAt(code, label.position)];
        words.emplace_back(word ? word : "");
    }
    return words;
}

std::string InflectWordName(const std::vector<std::string>& wordItems, const std::string& code) {
    std::string name;
    for (const std::string& item : wordItems)
        if (item.substr(0, 2) == code.substr(0, 2))
            name = secondField(item);
    return name;
}

std::string VariantCode(const std::string& code) {
    if (code.empty())
        return "1";
    return code.substr(0, code.size() - 1) + (code.back() == '1' ? '2' : '1');
}

std::string InflectComparable(const std::string& beta, bool accentsCount, bool breathingsCount) {
    const std::string text = StripSpaces(beta);
    if (accentsCount)
        return text;
    return breathingsCount ? StripAccents(text) : StripBetaMarks(text);
}

std::string ParadigmDrill::VariantForm() const {
    if (!settings_.variantForms)
        return "";
    const int found = CoolList.Find(VariantCode(Current().code));
    return found < 0 ? "" : FormOfLine(FormLines, CoolList[std::size_t(found)].idx);
}

bool ParadigmDrill::CheckInflection(const std::string& answer) {
    const auto comparable = [&](const std::string& beta) {
        return InflectComparable(beta, AccentsCount, BreathingsCount);
    };
    const std::string typed = comparable(answer);
    const bool right = !typed.empty() && (typed == comparable(DataFontToBeta(CurrentForm())) ||
                                          typed == comparable(DataFontToBeta(VariantForm())));
    if (right)
        RightAnswer();
    else
        WrongTry();
    return right;
}
