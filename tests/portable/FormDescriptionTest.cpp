// The main form's stored description: the real file, and text the parser
// must refuse.
#include "platform/FormDescription.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

namespace {

std::string ReadFile(const char* path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(FormDescription, TheMainFormsFileHoldsExactlyItsPropertiesInOrder)
{
    const std::string text = ReadFile(FORM_DESCRIPTION_FILE);
    ASSERT_FALSE(text.empty()) << FORM_DESCRIPTION_FILE;
    const FormDescription form = ParseFormDescription(text);

    EXPECT_EQ(form.objectName, "Form1");
    EXPECT_EQ(form.className, "TForm1");

    using Kind = FormProperty::Kind;
    struct Expected {
        const char* name;
        Kind kind;
        std::int64_t integer;
        const char* identifier;
        std::u16string text;
    };
    const Expected expected[] = {
        {"Left", Kind::Integer, 192, "", u""},
        {"Top", Kind::Integer, 133, "", u""},
        {"Width", Kind::Integer, 494, "", u""},
        {"Height", Kind::Integer, 235, "", u""},
        {"Caption", Kind::String, 0, "", u"Form1"},
        {"Color", Kind::Identifier, 0, "clBtnFace", u""},
        {"Font.Charset", Kind::Identifier, 0, "SHIFTJIS_CHARSET", u""},
        {"Font.Color", Kind::Identifier, 0, "clWindowText", u""},
        {"Font.Height", Kind::Integer, -12, "", u""},
        // ＭＳ Ｐゴシック: full-width M, S and P around an ordinary blank
        {"Font.Name", Kind::String, 0, "", u"\uFF2D\uFF33 \uFF30\u30B4\u30B7\u30C3\u30AF"},
        {"Font.Style", Kind::Set, 0, "", u""},
        {"OldCreateOrder", Kind::Identifier, 0, "False", u""},
        {"OnCreate", Kind::Identifier, 0, "FormCreate", u""},
        {"PixelsPerInch", Kind::Integer, 96, "", u""},
        {"TextHeight", Kind::Integer, 12, "", u""},
    };
    ASSERT_EQ(form.properties.size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const FormProperty& p = form.properties[i];
        const Expected& e = expected[i];
        SCOPED_TRACE(e.name);
        EXPECT_EQ(p.name, e.name);
        EXPECT_EQ(p.kind, e.kind);
        EXPECT_EQ(p.integer, e.integer);
        EXPECT_EQ(p.identifier, e.identifier);
        EXPECT_TRUE(p.text == e.text);
        EXPECT_EQ(form.Find(e.name), &p);
    }
    EXPECT_EQ(form.Find("Visible"), nullptr);
}

TEST(FormDescription, ReadsQuotedRunsCodesAndSetMembers)
{
    const FormDescription form = ParseFormDescription(
        "object F: TF\r\n"
        "  A = 'it''s'#33\r\n"
        "  B = #39'x'#39\r\n"
        "  C = [fsBold, fsItalic]\r\n"
        "  D = +7\r\n"
        "  E = ''\r\n"
        "end\r\n");
    ASSERT_EQ(form.properties.size(), 5u);
    EXPECT_TRUE(form.Find("A")->text == u"it's!");
    EXPECT_TRUE(form.Find("B")->text == u"'x'");
    EXPECT_EQ(form.Find("C")->identifier, "fsBold fsItalic");
    EXPECT_EQ(form.Find("D")->integer, 7);
    EXPECT_EQ(form.Find("E")->kind, FormProperty::Kind::String);
    EXPECT_TRUE(form.Find("E")->text.empty());
}

TEST(FormDescription, RefusesTextItCannotRead)
{
    const struct {
        const char* what;
        const char* text;
    } cases[] = {
        {"empty", ""},
        {"no object keyword", "thing F: TF\nend\n"},
        {"no colon", "object F TF\nend\n"},
        {"no end", "object F: TF\n  Left = 1\n"},
        {"text after end", "object F: TF\nend\nend\n"},
        {"child control", "object F: TF\n  object B: TButton\n  end\nend\n"},
        {"no equals sign", "object F: TF\n  Left 1\nend\n"},
        {"no value", "object F: TF\n  Left =\nend\n"},
        {"unterminated string", "object F: TF\n  Caption = 'abc\nend\n"},
        {"string cut by the end of text", "object F: TF\n  Caption = 'abc"},
        {"code without a number", "object F: TF\n  Caption = #\nend\n"},
        {"code beyond 16 bits", "object F: TF\n  Caption = #65536\nend\n"},
        {"number out of range", "object F: TF\n  Left = 99999999999999999999\nend\n"},
        {"set without comma", "object F: TF\n  S = [a b]\nend\n"},
        {"unclosed set", "object F: TF\n  S = [a"},
        {"sign without digits", "object F: TF\n  Left = -\nend\n"},
    };
    for (const auto& c : cases) EXPECT_THROW(ParseFormDescription(c.text), FormDescriptionError) << c.what;
}

} // namespace
