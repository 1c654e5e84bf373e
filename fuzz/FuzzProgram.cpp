#include "fuzz/FuzzProgram.h"

#include "app/MyApp.h"
#include "platform/EndProgram.h"
#include "platform/Fonts.h"
#include "platform/MessageBox.h"
#include "platform/Random.h"

#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

namespace {

int endings = 0;

} // namespace

void SetUpFuzzProgram() {
    static QTemporaryDir folder; // removed when the process ends normally
    static bool done = false;
    if (done)
        return;
    done = true;

    AppFolder = folder.path().toStdString();
    DataFolder = AppFolder + PathSeparator + "Data";
    UsersFolder = AppFolder + PathSeparator + "Users";
    HelpFile = DataFolder + PathSeparator + "HELPER.HLP";
    UserFolder = UsersFolder + PathSeparator + "Fuzz";
    fs::create_directories(DataFolder);
    fs::create_directories(UserFolder);
    for (const fs::directory_entry& file : fs::directory_iterator(LEXIVO_SHIPPED_DATA))
        if (file.is_regular_file() && file.path().extension() != ".ttf")
            fs::copy_file(file.path(), fs::path(DataFolder) / file.path().filename());

    SetInstalledFontsForTest(std::vector<std::string>{"MS Sans Serif", "Ortholex"});
    SetMessageSink([](const std::string&, MsgIcon) {});
    SetEndProgramHook([] {
        ++endings;
        throw ProgramEnded{};
    });
}

int ProgramEndings() {
    return endings;
}

std::string FuzzDataFile(const std::string& name) {
    return DataFolder + PathSeparator + name;
}

std::string FuzzUserFile(const std::string& name) {
    return UserFolder + PathSeparator + name;
}

void WriteFuzzFile(const std::string& path, const std::uint8_t* data, std::size_t size) {
    // A new file each time: the file system flushes a file cut short and rewritten when it is
    // closed, which would make the disk, not the reader, set the pace.
    std::error_code ignored;
    fs::remove(path, ignored);
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(data), std::streamsize(size));
}

void CheckFileKept(const std::string& path, const std::uint8_t* data, std::size_t size) {
    std::ifstream in(path, std::ios::binary);
    const std::string kept{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    FuzzCheck(kept == std::string(reinterpret_cast<const char*>(data), size),
              "the file read stays as it was");
}

void RestoreDataFile(const std::string& name) {
    // Through the streams, which retry a read or write that a signal breaks off (libFuzzer's
    // timeout alarm does); std::filesystem::copy_file fails instead.
    std::ifstream in(fs::path(LEXIVO_SHIPPED_DATA) / name, std::ios::binary);
    const std::string shipped{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    WriteFuzzFile(FuzzDataFile(name), reinterpret_cast<const std::uint8_t*>(shipped.data()),
                  shipped.size());
}

void FuzzCheck(bool kept, const char* promise) {
    if (kept)
        return;
    std::fprintf(stderr, "Broken: %s\n", promise);
    std::abort();
}

FuzzChoices::FuzzChoices(const std::uint8_t* data, std::size_t size)
    : state_(14695981039346656037u) {
    for (std::size_t i = 0; i < size; ++i)
        state_ = (state_ ^ data[i]) * 1099511628211u;
}

int FuzzChoices::Pick(int n) {
    // splitmix64
    state_ += 0x9e3779b97f4a7c15u;
    std::uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9u;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebu;
    return int((z ^ (z >> 31)) % std::uint64_t(n));
}

void FuzzChoices::ScriptRandomNumbers() {
    // Now and then the numbers at the ends of [0, 1), where rounding decides.
    std::vector<double> script;
    for (int i = 0; i < 61; ++i) {
        const int kind = Pick(8);
        script.push_back(kind == 0 ? 0.0 : kind == 1 ? 0.9999999 : Pick(1000000) / 1000000.0);
    }
    SetRandomScript(std::move(script));
    scripted_ = true;
}

FuzzChoices::~FuzzChoices() {
    if (scripted_)
        SetRandomScript({});
}
