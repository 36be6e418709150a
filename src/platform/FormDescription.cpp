#include "FormDescription.h"

#include <cctype>

namespace {

class Reader {
public:
    explicit Reader(std::string_view text) : text_(text) {}

    void SkipBlanks()
    {
        while (pos_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[pos_]))) ++pos_;
    }
    bool AtEnd()
    {
        SkipBlanks();
        return pos_ >= text_.size();
    }
    char Peek()
    {
        SkipBlanks();
        return pos_ < text_.size() ? text_[pos_] : '\0';
    }
    void Expect(char c)
    {
        if (Peek() != c) Fail(std::string("expected '") + c + "'");
        ++pos_;
    }
    std::string Name()
    {
        SkipBlanks();
        const std::size_t start = pos_;
        while (pos_ < text_.size() && (std::isalnum(static_cast<unsigned char>(text_[pos_])) || text_[pos_] == '_' ||
                                       text_[pos_] == '.'))
            ++pos_;
        if (start == pos_) Fail("expected a name");
        return std::string(text_.substr(start, pos_ - start));
    }
    std::int64_t Integer()
    {
        SkipBlanks();
        bool negative = false;
        if (pos_ < text_.size() && (text_[pos_] == '-' || text_[pos_] == '+')) negative = text_[pos_++] == '-';
        const std::size_t start = pos_;
        std::int64_t value = 0;
        while (pos_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[pos_]))) {
            value = value * 10 + (text_[pos_++] - '0');
            if (value > (std::int64_t(1) << 40)) Fail("number out of range");
        }
        if (start == pos_) Fail("expected a number");
        return negative ? -value : value;
    }
    // Quoted runs ('' is one quote) and #-codes, side by side.
    std::u16string String()
    {
        std::u16string value;
        for (;;) {
            const char c = Peek();
            if (c == '\'') {
                ++pos_;
                for (;;) {
                    if (pos_ >= text_.size() || text_[pos_] == '\n') Fail("unterminated string");
                    if (text_[pos_] == '\'') {
                        if (pos_ + 1 < text_.size() && text_[pos_ + 1] == '\'') {
                            value += u'\'';
                            pos_ += 2;
                            continue;
                        }
                        ++pos_;
                        break;
                    }
                    value += static_cast<char16_t>(static_cast<unsigned char>(text_[pos_++]));
                }
            } else if (c == '#') {
                ++pos_;
                const std::int64_t code = Integer();
                if (code < 0 || code > 0xFFFF) Fail("character code out of range");
                value += static_cast<char16_t>(code);
            } else {
                return value;
            }
        }
    }
    [[noreturn]] void Fail(const std::string& what) const
    {
        throw FormDescriptionError("form description, offset " + std::to_string(pos_) + ": " + what);
    }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

FormProperty ReadValue(Reader& in, std::string name)
{
    FormProperty p;
    p.name = std::move(name);
    const char c = in.Peek();
    if (c == '\'' || c == '#') {
        p.kind = FormProperty::Kind::String;
        p.text = in.String();
    } else if (c == '[') {
        p.kind = FormProperty::Kind::Set;
        in.Expect('[');
        while (in.Peek() != ']') {
            if (!p.identifier.empty()) {
                in.Expect(',');
                p.identifier += ' ';
            }
            p.identifier += in.Name();
        }
        in.Expect(']');
    } else if (c == '-' || c == '+' || std::isdigit(static_cast<unsigned char>(c))) {
        p.kind = FormProperty::Kind::Integer;
        p.integer = in.Integer();
    } else {
        p.kind = FormProperty::Kind::Identifier;
        p.identifier = in.Name();
    }
    return p;
}

} // namespace

const FormProperty* FormDescription::Find(std::string_view name) const
{
    for (const FormProperty& p : properties)
        if (p.name == name) return &p;
    return nullptr;
}

FormDescription ParseFormDescription(std::string_view text)
{
    Reader in(text);
    FormDescription form;
    if (in.Name() != "object") in.Fail("expected 'object'");
    form.objectName = in.Name();
    in.Expect(':');
    form.className = in.Name();
    for (;;) {
        if (in.AtEnd()) in.Fail("expected 'end'");
        std::string name = in.Name();
        if (name == "end") break;
        if (name == "object") in.Fail("child controls are not supported");
        in.Expect('=');
        form.properties.push_back(ReadValue(in, std::move(name)));
    }
    if (!in.AtEnd()) in.Fail("text after 'end'");
    return form;
}
