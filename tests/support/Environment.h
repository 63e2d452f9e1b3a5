// Environment variables set for a scope, with the old values put back.
#pragma once

#include <cstdlib>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace NorvTest {

// Sets environment variables for a scope and puts the old values back.
class Environment {
public:
    Environment() = default;
    Environment(Environment const&) = delete;
    Environment& operator=(Environment const&) = delete;

    void Set(char const* name, std::string const& value)
    {
        char const* old = std::getenv(name);
        saved.emplace_back(name, old ? std::optional<std::string>(old) : std::nullopt);
        setenv(name, value.c_str(), 1);
    }
    ~Environment()
    {
        for (auto it = saved.rbegin(); it != saved.rend(); ++it)
            it->second ? setenv(it->first.c_str(), it->second->c_str(), 1) : unsetenv(it->first.c_str());
    }

private:
    std::vector<std::pair<std::string, std::optional<std::string>>> saved;
};

} // namespace NorvTest
