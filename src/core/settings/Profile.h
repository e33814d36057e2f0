#pragma once
// The settings file in the private-profile (INI) format: "[Section]" headers
// followed by "key=value" lines, read and written one key at a time.

#include <cstddef>
#include <cstdint>
#include <string>

class Profile {
public:
    explicit Profile(std::string path) : path_(std::move(path)) {}

    // The longest string value a read returns.
    static constexpr std::size_t MAX_VALUE_LENGTH = 4095;

    const std::string& Path() const { return path_; }

    // The key's value as a decimal integer; the default when the file, the
    // section or the key is missing or the value does not start with a number.
    int GetInt(const std::string& section, const std::string& key, int defaultValue) const;
    // The key's value, blanks trimmed and cut to MAX_VALUE_LENGTH characters.
    std::string GetString(const std::string& section, const std::string& key, const std::string& defaultValue) const;

    // Writes the key, creating the section and the file when they are missing.
    // Returns false, leaving the file as it was, when it cannot be written.
    bool WriteInt(const std::string& section, const std::string& key, int value);
    bool WriteString(const std::string& section, const std::string& key, const std::string& value);

private:
    struct Lookup;
    Lookup Find(const std::string& section, const std::string& key) const;
    bool Replace(const Lookup& found, std::uint64_t start, std::uint64_t end, const std::string& text);

    std::string path_;
};
