#include "mainwin/ParadigmPaneList.h"

#include "greek/GreekStuff.h"
#include "platform/Numbers.h"
#include "platform/RunError.h"
#include "platform/SeqFile.h"

std::vector<std::string> ReadParadigmNames(const std::string& path, const std::string& separator,
                                           int nameField) {
    const std::vector<std::string> lines = ReadLines(path);
    if (lines.size() < 2)
        throw RunError(ErrNo::InputPastEnd, "no entry after the count line");
    const int count = RoundToInt16(LeadingNumber(lines[0]));

    std::vector<std::string> names;
    std::size_t line = 1;
    // A count larger than the file's entries lists only the entries there are.
    for (int entry = 0; entry < count && line < lines.size(); ++entry) {
        const std::string key = lines[line].substr(0, 2);
        const std::string name = GetField(lines[line], separator, nameField);
        names.push_back(BetaToDisplayFont(DataFontToBeta(name)));
        while (line < lines.size() && lines[line].substr(0, 2) == key)
            ++line;
    }
    return names;
}
