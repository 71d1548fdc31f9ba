#pragma once
// A fresh folder per test, and small helpers to plant files and read back
// what became of them.

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <set>
#include <string>

namespace jubilo::files::testing {

namespace fs = std::filesystem;

inline std::string contents(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return "<unreadable>";
    return {std::istreambuf_iterator<char>(in), {}};
}

inline std::set<std::string> namesIn(const fs::path& dir)
{
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir))
        names.insert(entry.path().filename().string());
    return names;
}

inline void plant(const fs::path& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

// A call that fails with `error` from its `after`-th use on.
template <typename R, typename... A>
std::function<R(A...)> failing(std::function<R(A...)> real, int error, int after = 0)
{
    return [=, n = 0](A... a) mutable -> R {
        if (n++ < after)
            return real(a...);
        errno = error;
        return R(-1);
    };
}

class FileFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "jubilo_files_XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir = pattern;
        target = dir / "plan.xls";
    }
    void TearDown() override
    {
        std::error_code ignored;
        fs::permissions(dir, fs::perms::owner_all, ignored);
        fs::remove_all(dir, ignored);
    }

    fs::path dir, target;
};

}  // namespace jubilo::files::testing
