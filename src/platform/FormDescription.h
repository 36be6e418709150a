// The stored description of a form: its property values in the text form
//
//   object Form1: TForm1
//     Left = 192
//     Caption = 'Form1'
//     Font.Name = #65325#65331' '#65328
//     Font.Style = []
//   end
//
// Strings are quoted runs and #-codes (UTF-16 code units). Portable.
#pragma once

#include "Exceptions.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct FormProperty {
    enum class Kind { Integer, Identifier, String, Set };
    std::string name;
    Kind kind = Kind::Integer;
    std::int64_t integer = 0;
    std::string identifier;    // also the members of a set, blank-separated
    std::u16string text;
};

struct FormDescription {
    std::string objectName;
    std::string className;
    std::vector<FormProperty> properties;

    const FormProperty* Find(std::string_view name) const;
};

class FormDescriptionError : public Exception {
public:
    using Exception::Exception;
};

// Raises FormDescriptionError on text it cannot read.
FormDescription ParseFormDescription(std::string_view text);
