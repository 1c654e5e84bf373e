#pragma once

#include <QTemporaryDir>
#include <fstream>
#include <iterator>
#include <string>

// A temporary folder for one test, removed with everything in it afterwards.
class TempFolder {
public:
    std::string path() const { return dir_.path().toStdString(); }
    std::string path(const std::string& name) const { return path() + "/" + name; }

    // Writes a file with exactly these bytes; returns its path.
    std::string write(const std::string& name, const std::string& bytes) const {
        std::ofstream(path(name), std::ios::binary) << bytes;
        return path(name);
    }

    static std::string read(const std::string& file) {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

private:
    QTemporaryDir dir_;
};
