#include "ParadigmSource.h"

#include "SourceError.h"
#include "data/common/GreekWordCheck.h"

#include <algorithm>
#include <array>
#include <map>
#include <sstream>

namespace {

struct SourceLine {
    int number;
    std::vector<std::string> tokens;
};

std::vector<SourceLine> ReadLines(std::istream& in) {
    std::vector<SourceLine> lines;
    std::string text;
    for (int number = 1; std::getline(in, text); ++number) {
        text = text.substr(0, text.find('#'));
        std::istringstream words(text);
        SourceLine line{number, {}};
        for (std::string w; words >> w;)
            line.tokens.push_back(w);
        if (!line.tokens.empty())
            lines.push_back(std::move(line));
    }
    if (lines.empty())
        throw SourceError("the source is empty", 1);
    return lines;
}

// The position of word in names, counted from 1; 0 when it is not there.
template <std::size_t N>
int Position(const std::array<const char*, N>& names, const std::string& word) {
    for (std::size_t i = 0; i < N; ++i)
        if (word == names[i])
            return static_cast<int>(i) + 1;
    return 0;
}

template <std::size_t N> std::string List(const std::array<const char*, N>& names) {
    std::string text;
    for (auto n : names)
        text += std::string(text.empty() ? "" : ", ") + n;
    return text;
}

// Every word of a form has its accent: the tables give enclitic forms too with the accent a
// grammar lists them with (e)sti/).
void CheckForm(const std::string& beta) {
    const GreekWordFault fault = FindGreekWordFault(beta, Accents::Required);
    if (!fault.problem.empty())
        throw SourceError("\"" + fault.word + "\" " + fault.problem);
}

std::string Form(const std::string& cell) {
    std::string beta = cell;
    std::replace(beta.begin(), beta.end(), '_', ' ');
    CheckForm(beta);
    return beta;
}

// A table cell: "-" for no form, one form, two spellings "first,second", or a form ending in
// "(n)" for the spellings without and with movable nu. '_' stands for a blank inside a form.
std::vector<std::string> CellForms(const std::string& cell, bool variantsAllowed) {
    if (cell == "-")
        return {};
    std::vector<std::string> forms;
    const auto comma = cell.find(',');
    const bool nu = cell.size() > 3 && cell.ends_with("(n)");
    if (comma != std::string::npos || nu) {
        if (!variantsAllowed)
            throw SourceError("\"" + cell + "\": this kind of word has one spelling per form");
        if (comma != std::string::npos && (nu || cell.find(',', comma + 1) != std::string::npos))
            throw SourceError("\"" + cell + "\": at most two spellings of one form");
        if (comma != std::string::npos)
            forms = {cell.substr(0, comma), cell.substr(comma + 1)};
        else
            forms = {cell.substr(0, cell.size() - 3), cell.substr(0, cell.size() - 3) + "n"};
        if (forms[0].empty() || forms[1].empty() || forms[0] == forms[1])
            throw SourceError("\"" + cell + "\": two different spellings are needed");
    } else {
        forms = {cell};
    }
    for (auto& f : forms)
        f = Form(f);
    return forms;
}

void CheckHeadword(const SourceWord& word, const SourceLine& first) {
    if (word.forms.empty())
        throw SourceError("no forms follow", first.number);
    if (word.forms.front().beta != word.headword)
        throw SourceError("the word is listed as \"" + word.headword +
                              "\" but its first form is \"" + word.forms.front().beta + "\"",
                          first.number);
}

void CheckUnique(const std::vector<SourceForm>& forms) {
    std::map<std::string, int> seen;
    for (const auto& f : forms) {
        const auto [at, fresh] = seen.emplace(f.code, f.line);
        if (!fresh)
            throw SourceError("this form is given twice (first on line " +
                                  std::to_string(at->second) + ")",
                              f.line);
    }
}

SourceWord Start(const std::vector<SourceLine>& lines, const std::vector<std::string>& kinds) {
    const auto& first = lines.front();
    if (first.tokens.size() != 2 ||
        std::find(kinds.begin(), kinds.end(), first.tokens[0]) == kinds.end()) {
        std::string expected;
        for (const auto& k : kinds)
            expected += (expected.empty() ? "\"" : " or \"") + k + " FORM\"";
        throw SourceError("the first line must be " + expected, first.number);
    }
    SourceWord word{first.tokens[0], first.tokens[1], {}};
    AtLine(first.number, [&] { CheckForm(word.headword); });
    return word;
}

constexpr std::array<const char*, 3> Voices{"active", "middle", "passive"};
// In the order of the tense digit 1 to 9, then 0.
constexpr std::array<const char*, 10> Tenses{
    "present",     "future",      "imperfect",      "1st-aorist",     "2nd-aorist",
    "1st-perfect", "2nd-perfect", "1st-pluperfect", "2nd-pluperfect", "future-perfect"};
constexpr std::array<const char*, 6> Moods{"indicative", "imperative", "subjunctive",
                                           "optative",   "infinitive", "participle"};
constexpr std::array<const char*, 3> Numbers{"sg", "du", "pl"};
constexpr std::array<const char*, 3> Genders{"masculine", "feminine", "neuter"};
constexpr std::array<const char*, 5> Cases{"nom", "gen", "dat", "acc", "voc"};
constexpr std::array<const char*, 3> NounKinds{"noun", "pronoun", "adjective"};

struct VerbTable {
    std::string voices; // voice digits
    char tense = 0;
    int mood = 0;
    std::string rowsSeen;
    int line = 0;
};

VerbTable VerbHeader(const SourceLine& line) {
    VerbTable t;
    t.line = line.number;
    for (const auto& w : line.tokens) {
        if (int v = Position(Voices, w)) {
            const char digit = static_cast<char>('0' + v);
            if (t.voices.find(digit) != std::string::npos)
                throw SourceError("the voice \"" + w + "\" is named twice", line.number);
            t.voices += digit;
        } else if (int te = Position(Tenses, w)) {
            if (t.tense)
                throw SourceError("a table has one tense", line.number);
            t.tense = static_cast<char>('0' + te % 10);
        } else if (int m = Position(Moods, w)) {
            if (t.mood)
                throw SourceError("a table has one mood", line.number);
            t.mood = m;
        } else {
            throw SourceError("\"" + w + "\" is neither a row (sg, du, pl, inf) nor a voice (" +
                                  List(Voices) + "), tense (" + List(Tenses) + ") or mood (" +
                                  List(Moods) + ")",
                              line.number);
        }
    }
    if (t.voices.empty() || !t.tense || !t.mood)
        throw SourceError("a table heading names one or more voices, one tense and one mood",
                          line.number);
    return t;
}

void VerbRow(VerbTable& t, const SourceLine& line, std::vector<SourceForm>& forms) {
    const std::string& label = line.tokens[0];
    const bool infinitive = t.mood == 5;
    const std::size_t cells = infinitive ? 1 : 3;
    if (infinitive != (label == "inf"))
        throw SourceError(infinitive ? "an infinitive table has the one row \"inf\""
                                     : "the row \"inf\" belongs to an infinitive table",
                          line.number);
    if (line.tokens.size() != cells + 1)
        throw SourceError("the row \"" + label + "\" needs " + std::to_string(cells) +
                              (cells == 1 ? " form" : " cells (\"-\" where there is no form)"),
                          line.number);
    if (t.rowsSeen.find(label) != std::string::npos)
        throw SourceError("the row \"" + label + "\" is given twice in this table", line.number);
    t.rowsSeen += label + " ";

    const char number = infinitive ? '0' : static_cast<char>('0' + Position(Numbers, label));
    for (std::size_t c = 0; c < cells; ++c) {
        const auto spellings =
            AtLine(line.number, [&] { return CellForms(line.tokens[c + 1], true); });
        const char person = infinitive ? '0' : static_cast<char>('1' + c);
        for (char voice : t.voices)
            for (std::size_t v = 0; v < spellings.size(); ++v) {
                std::string code{voice,  t.tense, static_cast<char>('0' + t.mood),
                                 person, number,  static_cast<char>('1' + v)};
                forms.push_back({code, spellings[v], line.number});
            }
    }
}

void CheckTableFilled(const VerbTable* t) {
    if (t && t->rowsSeen.empty())
        throw SourceError("this table has no rows", t->line);
}

} // namespace

SourceWord ReadVerbSource(std::istream& in) {
    const auto lines = ReadLines(in);
    SourceWord word = Start(lines, {"verb"});
    VerbTable table;
    bool inTable = false;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const auto& line = lines[i];
        const std::string& first = line.tokens[0];
        if (first == "inf" || Position(Numbers, first)) {
            if (!inTable)
                throw SourceError("a row before the first table heading", line.number);
            VerbRow(table, line, word.forms);
        } else {
            CheckTableFilled(inTable ? &table : nullptr);
            table = VerbHeader(line);
            inTable = true;
        }
    }
    CheckTableFilled(inTable ? &table : nullptr);
    CheckHeadword(word, lines.front());
    CheckUnique(word.forms);
    return word;
}

namespace {

struct NounCell {
    std::string beta;
    int line = 0;
};

// forms[number][case][gender], each 0-based.
using NounGrid = std::array<std::array<std::array<NounCell, 3>, 5>, 3>;

void NounRow(const std::string& genders, const SourceLine& line, NounGrid& grid) {
    const int kase = Position(Cases, line.tokens[0]);
    if (line.tokens.size() != 4)
        throw SourceError("the row \"" + line.tokens[0] +
                              "\" needs 3 cells: singular, dual, plural (\"-\" where there is "
                              "no form)",
                          line.number);
    for (int n = 0; n < 3; ++n) {
        const auto spellings =
            AtLine(line.number, [&] { return CellForms(line.tokens[n + 1], false); });
        for (char g : genders) {
            NounCell& cell = grid[n][kase - 1][g - '1'];
            if (cell.line)
                throw SourceError("this form is given twice (first on line " +
                                      std::to_string(cell.line) + ")",
                                  line.number);
            cell.line = line.number;
            if (!spellings.empty())
                cell.beta = spellings[0];
        }
    }
}

// One line for a form that all three genders share (gender 5), one for a form that masculine and
// feminine share (gender 4), otherwise one per gender.
void MergeGenders(const std::array<NounCell, 3>& cell, char type, int kase, int number,
                  std::vector<SourceForm>& forms) {
    auto add = [&](char gender, const NounCell& c) {
        forms.push_back({std::string{type, static_cast<char>('0' + kase), gender,
                                     static_cast<char>('0' + number)},
                         c.beta, c.line});
    };
    const auto& [m, f, n] = cell;
    const bool mf = !m.beta.empty() && m.beta == f.beta;
    if (mf && m.beta == n.beta) {
        add('5', m);
        return;
    }
    if (mf)
        add('4', m);
    for (int g = mf ? 2 : 0; g < 3; ++g)
        if (!cell[g].beta.empty())
            add(static_cast<char>('1' + g), cell[g]);
}

} // namespace

SourceWord ReadNounSource(std::istream& in) {
    const auto lines = ReadLines(in);
    SourceWord word = Start(lines, {NounKinds.begin(), NounKinds.end()});
    const char type = static_cast<char>('0' + Position(NounKinds, word.kind));
    NounGrid grid{};
    std::string genders, gendersUsed;
    int tableLine = 0;
    bool rows = true;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const auto& line = lines[i];
        if (Position(Cases, line.tokens[0])) {
            if (genders.empty())
                throw SourceError("a row before the first table heading", line.number);
            NounRow(genders, line, grid);
            rows = true;
            continue;
        }
        if (!rows)
            throw SourceError("this table has no rows", tableLine);
        genders.clear();
        for (const auto& w : line.tokens) {
            const int g = Position(Genders, w);
            if (!g)
                throw SourceError("\"" + w + "\" is neither a row (" + List(Cases) +
                                      ") nor a gender (" + List(Genders) + ")",
                                  line.number);
            const char digit = static_cast<char>('0' + g);
            if (gendersUsed.find(digit) != std::string::npos)
                throw SourceError("the gender \"" + w + "\" already has its table", line.number);
            genders += digit;
            gendersUsed += digit;
        }
        tableLine = line.number;
        rows = false;
    }
    if (!rows)
        throw SourceError("this table has no rows", tableLine);
    for (int n = 0; n < 3; ++n)
        for (int c = 0; c < 5; ++c)
            MergeGenders(grid[n][c], type, c + 1, n + 1, word.forms);
    CheckHeadword(word, lines.front());
    return word;
}
