#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The program as the fuzz targets run it: one temporary program folder for the process, with a
// copy of the shipped Data files (without fonts) and a user "Fuzz" whose folder is UserFolder.
// Messages go nowhere and EndProgram throws ProgramEnded instead of ending the process, so that
// one damaged file after another can be fed to the same windows. Windows need a QApplication.

struct ProgramEnded {};

// Sets the program up once; later calls do nothing.
void SetUpFuzzProgram();

// How often the program has ended so far.
int ProgramEndings();

// Where the files go.
std::string FuzzDataFile(const std::string& name);
std::string FuzzUserFile(const std::string& name);

// Writes the bytes to the file, replacing it.
void WriteFuzzFile(const std::string& path, const std::uint8_t* data, std::size_t size);
// Stops the run when the file no longer holds these bytes: reading never costs a user a file.
void CheckFileKept(const std::string& path, const std::uint8_t* data, std::size_t size);
// Puts back the shipped Data file of that name.
void RestoreDataFile(const std::string& name);

// Stops the run with the reason on stderr when a routine breaks its promise.
void FuzzCheck(bool kept, const char* promise);

// Runs a step of the program that may end it; an ending is where the step stops.
template <typename Step> void RunUntilEnd(Step step) {
    try {
        step();
    } catch (const ProgramEnded&) {
    }
}

// The choices a target makes beside the file (answers, settings, random numbers), drawn from a
// hash of the input: the same input makes the same choices, and inputs differing anywhere make
// different ones.
class FuzzChoices {
public:
    FuzzChoices(const std::uint8_t* data, std::size_t size);
    FuzzChoices(const FuzzChoices&) = delete;
    FuzzChoices& operator=(const FuzzChoices&) = delete;
    ~FuzzChoices();

    // A whole number from 0 to n - 1 (n > 0).
    int Pick(int n);
    bool Flip() { return Pick(2) == 1; }
    // Scripts Rnd with numbers of this input for as long as the object lives.
    void ScriptRandomNumbers();

private:
    std::uint64_t state_;
    bool scripted_ = false;
};
