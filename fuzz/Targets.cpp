// The fuzz targets of the files the main window reads. To add one: write a function that writes
// the bytes where the program reads the file and runs the program's own step that reads it, then
// add a line to the table below (and keep any finding in fuzz/regressions/<name>/).
#include "app/MyApp.h"
#include "app/PrefsFile.h"
#include "fuzz/FuzzProgram.h"
#include "fuzz/FuzzTarget.h"
#include "mainwin/NounPane.h"
#include "mainwin/ParadigmPrefs.h"
#include "mainwin/VerbPane.h"
#include "mainwin/WelcomeWin.h"
#include "platform/SeqFile.h"

#include <filesystem>
#include <fstream>
#include <iterator>

int FuzzGreekText(const std::uint8_t* data, std::size_t size);
std::vector<std::string> GreekTextSeeds();
int FuzzVocabList(const std::uint8_t* data, std::size_t size);
int FuzzScoreFile(const std::uint8_t* data, std::size_t size);
std::vector<std::string> ScoreFileSeeds();
int FuzzVerbForms(const std::uint8_t* data, std::size_t size);
int FuzzVerbIndex(const std::uint8_t* data, std::size_t size);
int FuzzNounForms(const std::uint8_t* data, std::size_t size);
int FuzzNounIndex(const std::uint8_t* data, std::size_t size);

namespace {

// The main window, made once and kept for the process, as the program keeps its own.
WelcomeWin& mainWindow() {
    static WelcomeWin* window = new WelcomeWin;
    return *window;
}

// What the program's own writer makes of these preferences, read back.
template <typename Write> std::string written(Write write) {
    SetUpFuzzProgram();
    const std::string path = FuzzUserFile("seed.lxp");
    write(path);
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

int FuzzPrefs(const std::uint8_t* data, std::size_t size) {
    SetUpFuzzProgram();
    const std::string path = FuzzUserFile("Prefs.lxp");
    WriteFuzzFile(path, data, size);
    mainWindow().LoadPrefs();
    CheckFileKept(path, data, size);
    return 0;
}

std::vector<std::string> PrefsSeeds() {
    LexivoPrefFile prefs;
    SetDefaultPrefValues(prefs);
    std::vector<std::string> seeds{
        written([&](const std::string& path) { WritePrefsFile(path, prefs); })};
    prefs = {1, "Arial", "Ortholex", 32767, 100, 5, 100, 18, 2, "Other.lxv"};
    seeds.push_back(written([&](const std::string& path) { WritePrefsFile(path, prefs); }));
    return seeds;
}

// A pane's preference file, read by a pane whose list holds the shipped Data file.
template <typename Pane>
int feedPanePrefs(const std::uint8_t* data, std::size_t size, const char* fileName,
                  void (Pane::*loadList)(), void (Pane::*loadPrefs)()) {
    SetUpFuzzProgram();
    static Pane* pane = [&] {
        auto* made = new Pane(nullptr);
        (made->*loadList)();
        return made;
    }();
    const std::string path = FuzzUserFile(fileName);
    WriteFuzzFile(path, data, size);
    (pane->*loadPrefs)();
    CheckFileKept(path, data, size);
    return 0;
}

std::vector<std::string> panePrefsSeeds(const std::vector<ParadigmPrefs>& prefs) {
    std::vector<std::string> seeds;
    for (const ParadigmPrefs& each : prefs)
        seeds.push_back(written([&](const std::string& path) { WriteParadigmPrefs(path, each); }));
    return seeds;
}

int FuzzVerbPrefs(const std::uint8_t* data, std::size_t size) {
    return feedPanePrefs<VerbPane>(data, size, "VerbPrefs.lxp", &VerbPane::LoadVerbList,
                                   &VerbPane::LoadVerbPrefs);
}

std::vector<std::string> VerbPrefsSeeds() {
    return panePrefsSeeds(
        {{{"01", "1", "1", "1,5"}, {false, false}},
         {{"01,02,05", "1,2,3", "1,2,3,4,5,6,7,8,9,0", "1,2,3,4,5,6"}, {true, true}}});
}

int FuzzNounPrefs(const std::uint8_t* data, std::size_t size) {
    return feedPanePrefs<NounPane>(data, size, "NounPrefs.lxp", &NounPane::LoadNounList,
                                   &NounPane::LoadNounPrefs);
}

std::vector<std::string> NounPrefsSeeds() {
    return panePrefsSeeds({{{"01"}, {false, false}}, {{"01,02,19"}, {true, true}}});
}

// A list file of the Data folder, read by a pane of its own (so that the preference targets keep
// the shipped lists); the shipped file is put back for the targets that follow in the process.
template <typename Pane>
int feedList(const std::uint8_t* data, std::size_t size, const char* fileName,
             void (Pane::*loadList)()) {
    SetUpFuzzProgram();
    static Pane* pane = new Pane(nullptr);
    const std::string path = FuzzDataFile(fileName);
    WriteFuzzFile(path, data, size);
    RunUntilEnd([&] { (pane->*loadList)(); });
    CheckFileKept(path, data, size);
    RestoreDataFile(fileName);
    return 0;
}

int FuzzVerbList(const std::uint8_t* data, std::size_t size) {
    return feedList<VerbPane>(data, size, "Verbs.lxd", &VerbPane::LoadVerbList);
}

int FuzzNounList(const std::uint8_t* data, std::size_t size) {
    return feedList<NounPane>(data, size, "NounList.lxd", &NounPane::LoadNounList);
}

} // namespace

const std::vector<FuzzTarget>& FuzzTargets() {
    static const std::vector<FuzzTarget> targets{
        {"prefs", FuzzPrefs, {}, PrefsSeeds, 4096},
        {"verbprefs", FuzzVerbPrefs, {}, VerbPrefsSeeds, 4096},
        {"nounprefs", FuzzNounPrefs, {}, NounPrefsSeeds, 4096},
        {"verblist", FuzzVerbList, {"Verbs.lxd"}, nullptr, 65536, 2000},
        {"nounlist", FuzzNounList, {"NounList.lxd"}, nullptr, 16384},
        {"greek", FuzzGreekText, {"NounList.lxd"}, GreekTextSeeds, 256, 1500},
        {"vocablist", FuzzVocabList, {"Athenaze.lxv"}, nullptr, 65536, 600},
        {"scores", FuzzScoreFile, {}, ScoreFileSeeds, 4096},
        {"verbforms", FuzzVerbForms, {"Verbs.lxd"}, nullptr, 65536, 300},
        {"verbindex", FuzzVerbIndex, {"VerbIndex.lxd"}, nullptr, 16384, 500},
        {"nounforms", FuzzNounForms, {"Nouns.lxd"}, nullptr, 16384, 1000},
        {"nounindex", FuzzNounIndex, {"NounIndex.lxd"}, nullptr, 8192, 1500},
    };
    return targets;
}

const FuzzTarget* FindFuzzTarget(std::string_view name) {
    for (const FuzzTarget& target : FuzzTargets())
        if (name == target.name)
            return &target;
    return nullptr;
}

std::vector<std::string> FuzzSeeds(const FuzzTarget& target) {
    namespace fs = std::filesystem;
    const auto read = [](const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    };
    std::vector<std::string> seeds;
    for (const std::string& name : target.dataSeeds)
        seeds.push_back(read(fs::path(LEXIVO_SHIPPED_DATA) / name));
    if (target.madeSeeds)
        for (std::string& seed : target.madeSeeds())
            seeds.push_back(std::move(seed));
    const fs::path kept = fs::path(LEXIVO_FUZZ_REGRESSIONS) / target.name;
    if (fs::is_directory(kept))
        for (const fs::directory_entry& file : fs::directory_iterator(kept))
            seeds.push_back(read(file.path()));
    for (std::string& seed : seeds)
        if (seed.size() > target.maxLength)
            seed.resize(target.maxLength);
    return seeds;
}
