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
