#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace text {

// A JSON value built up in code and written as text: objects keep their members in the
// order they were set, numbers are written at full precision (the shortest text that
// reads back as the same double), and a number that is not finite is written as null.
class CJson {
public:
    CJson() = default;
    CJson(std::nullptr_t) : CJson() {}
    CJson(double value);
    CJson(int value) : m_text(std::to_string(value)) {}
    CJson(bool value) : m_text(value ? "true" : "false") {}
    CJson(const std::string& value);
    CJson(const char* value) : CJson(std::string(value)) {}

    static CJson Object();
    static CJson Array();
    // Sets (or replaces) the member key of an object; returns the object.
    CJson& Set(const std::string& key, CJson value);
    // Appends value to an array; returns the array.
    CJson& Add(CJson value);

    // The value as JSON text, indented by two spaces a level, ending in "\n".
    std::string Text() const;

private:
    enum class Kind { Scalar, Object, Array };
    void Write(std::string& out, int depth) const;

    Kind m_kind = Kind::Scalar;
    std::string m_text = "null";  // a scalar's JSON text
    std::vector<std::pair<std::string, CJson>> m_members;  // an array's keys are empty
};

}  // namespace text
