#include "mainwin/ParadigmPrefs.h"

#include "greek/GreekStuff.h"
#include "platform/Numbers.h"
#include "platform/SeqFile.h"

ParadigmPrefs ReadParadigmPrefs(const std::string& path, int codeListCount, int flagCount) {
    ValueReader in(path);
    ParadigmPrefs prefs;
    for (int i = 0; i < codeListCount; ++i)
        prefs.codeLists.push_back(in.NextValue());
    for (int i = 0; i < flagCount; ++i)
        prefs.flags.push_back(in.NextValue() == "true");
    return prefs;
}

void WriteParadigmPrefs(const std::string& path, const ParadigmPrefs& prefs) {
    ValueWriter out(path);
    for (const std::string& codeList : prefs.codeLists)
        out.WriteString(codeList);
    for (bool flag : prefs.flags)
        out.WriteString(flag ? "true" : "false");
    out.Commit();
}

std::vector<std::string> CodeListFields(const std::string& codeList) {
    std::vector<std::string> fields;
    const int count = CountFields(codeList, ",");
    for (int i = 1; i <= count; ++i) {
        std::string field = GetField(codeList, ",", i);
        if (!field.empty())
            fields.push_back(std::move(field));
    }
    return fields;
}

std::vector<double> CodeListNumbers(const std::string& codeList) {
    std::vector<double> numbers;
    for (const std::string& field : CodeListFields(codeList))
        numbers.push_back(NumberFieldValue(field));
    return numbers;
}
