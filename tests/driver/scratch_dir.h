// A scratch directory for files that driver tests write, removed afterwards.
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

namespace quillo {

class ScratchDir {
  public:
    ScratchDir() {
        std::string tmpl = ::testing::TempDir() + "quillo_driver_XXXXXX";
        if (mkdtemp(tmpl.data()) == nullptr) ADD_FAILURE() << "mkdtemp failed";
        path_ = tmpl;
    }
    ~ScratchDir() { std::filesystem::remove_all(path_); }
    std::string write(const std::string& name, const std::string& bytes) const {
        const std::string file = path_ + "/" + name;
        std::ofstream(file, std::ios::binary) << bytes;
        return file;
    }
    const std::string& path() const { return path_; }

  private:
    std::string path_;
};

} // namespace quillo
