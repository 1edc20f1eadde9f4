#include "core/menu/FormTextReader.h"
#include "core/menu/FormTextWriter.h"

#include <gtest/gtest.h>

using namespace scribora::menu;

namespace {

FormValue readOne(const QByteArray &valueText)
{
    FormTextError err;
    auto obj = FormTextReader::read("object F: TF\r\n  P = " + valueText + "\r\nend\r\n", &err);
    EXPECT_TRUE(obj) << valueText.constData() << ": " << qPrintable(err.toString());
    if (!obj || obj->properties.empty())
        return {};
    return obj->properties.front().value;
}

} // namespace

TEST(FormTextReader, ReadsEveryValueKind)
{
    const QString e233 = QStringLiteral("Caf") + QChar(233);
    const struct
    {
        QByteArray text;
        FormValue expected;
    } cases[] = {
        {"-11", FormValue::fromInteger(-11)},
        {"$FF", FormValue::fromInteger(255)},
        {"-2147483633", FormValue::fromInteger(-2147483633LL)},
        {"1.000000000000000000", FormValue::fromFloat(1.0)},
        {"2.5s", FormValue::fromFloat(2.5, 's')},
        {"12.3456c", FormValue::fromFloat(12.3456, 'c')},
        {"38000d", FormValue::fromFloat(38000, 'd')},
        {"1.5E3", FormValue::fromFloat(1500)},
        {"clBtnFace", FormValue::fromIdentifier(QStringLiteral("clBtnFace"))},
        {"Form1.Button1", FormValue::fromIdentifier(QStringLiteral("Form1.Button1"))},
        {"'it'#39's'", FormValue::fromString(QStringLiteral("it's"))},
        {"'it''s'", FormValue::fromString(QStringLiteral("it's"))},
        {"'Caf'#233", FormValue::fromString(e233)},
        {"'Caf\xE9'", FormValue::fromString(e233)},
        {"#8364'x'", FormValue::fromString(QString(QChar(0x20AC)) + u'x')},
        {"''", FormValue::fromString(QString())},
        {"\r\n    'ab' +\r\n    'cd' + #33", FormValue::fromString(QStringLiteral("abcd!"))},
        {"[]", FormValue::fromSet({})},
        {"[fsBold,fsItalic ]", FormValue::fromSet({QStringLiteral("fsBold"), QStringLiteral("fsItalic")})},
        {"[0, 3]", FormValue::fromSet({QStringLiteral("0"), QStringLiteral("3")})},
        {"{0A0b\r\n   FF}", FormValue::fromBinary(QByteArray::fromHex("0A0BFF"))},
        {"{}", FormValue::fromBinary({})},
        {"(\r\n 'a'\r\n 'b')", FormValue::fromStrings({QStringLiteral("a"), QStringLiteral("b")})},
        {"()", FormValue::emptyList()},
        {"<>", FormValue::emptyCollection()},
    };
    for (const auto &c : cases)
        EXPECT_EQ(readOne(c.text), c.expected) << c.text.constData();

    const FormValue coll = readOne("<\r\n item\r\n  Caption = 'x'\r\n  Width = 5\r\n end\r\n item\r\n end>");
    ASSERT_EQ(coll.kind, FormValue::Kind::Collection);
    ASSERT_EQ(coll.collection.size(), 2u);
    EXPECT_EQ(coll.collection[0].size(), 2u);
    EXPECT_EQ(coll.collection[0][1].value, FormValue::fromInteger(5));
    const FormValue mixed = readOne("(1 'a' x [a] {00} (2))");
    EXPECT_EQ(mixed.list.size(), 6u);
}

TEST(FormTextReader, ReadsHeadersNamesAndNesting)
{
    FormTextError err;
    auto obj = FormTextReader::read("inherited Form1: TForm1 [0]\n"
                                    "  Font.Name = 'Arial'\n"
                                    "  object Panel1: TPanel\n"
                                    "    inline Frame1: TFrame1 [3]\n"
                                    "    END\n"
                                    "  end\n"
                                    "  object TTimer\n"
                                    "  end\n"
                                    "end",
                                    &err);
    ASSERT_TRUE(obj) << qPrintable(err.toString());
    EXPECT_EQ(obj->header, FormObject::Header::Inherited);
    EXPECT_EQ(obj->index, 0);
    EXPECT_EQ(obj->properties.front().name, QStringLiteral("Font.Name"));
    ASSERT_EQ(obj->children.size(), 2u);
    const FormObject &frame = obj->children[0].children.at(0);
    EXPECT_EQ(frame.header, FormObject::Header::Inline);
    EXPECT_EQ(frame.name, QStringLiteral("Frame1"));
    EXPECT_EQ(frame.index, 3);
    EXPECT_EQ(frame.line, 4);
    EXPECT_TRUE(obj->children[1].name.isEmpty());
    EXPECT_EQ(obj->children[1].className, QStringLiteral("TTimer"));
}

TEST(FormTextReader, MalformedTextFailsWithLineAndReason)
{
    const struct
    {
        QByteArray text;
        int line;
        const char *reason;
    } cases[] = {
        {"", 1, "empty"},
        {"thing F: TF\r\nend\r\n", 1, "'object' expected"},
        {"object F: TF\r\n  Caption = 'abc\r\nend\r\n", 2, "unterminated string"},
        {"object F: TF\r\n  Left = 1\r\n", 3, "'end' missing"},
        {"object F: TF\r\n  object B: TB\r\n  end\r\n", 4, "'end' missing for object F"},
        {"object F: TF\r\n  P = {0G}\r\nend\r\n", 2, "bad hexadecimal digit 'G'"},
        {"object F: TF\r\n  P = {0A1}\r\nend\r\n", 2, "odd number"},
        {"object F: TF\r\n  P = {0A\r\n", 3, "unterminated binary"},
        {"object F: TF\r\n  P = [a, b\r\nend\r\n", 3, "',' or ']' expected"},
        {"object F: TF\r\n  P = (1 2\r\n", 3, "unterminated list"},
        {"object F: TF\r\n  P = <\r\n item\r\n  A = 1\r\n>\r\nend\r\n", 5, "property name or 'end' expected"},
        {"object F: TF\r\n  P = < foo >\r\nend\r\n", 2, "'item' expected"},
        {"object F: TF\r\n  P = 'a' +\r\nend\r\n", 3, "string expected after '+'"},
        {"object F: TF\r\n  P = 99999999999999999999\r\nend\r\n", 2, "integer out of range"},
        {"object F: TF\r\n  P = #70000\r\nend\r\n", 2, "character code out of range"},
        {"object F: TF\r\n  P = 12ab\r\nend\r\n", 2, "bad number"},
        {"object F: TF\r\n  P\r\nend\r\n", 3, "'=' expected"},
        {"object F: TF\r\n  P = ", 2, "value expected, found the end"},
        {"object F: TF\r\n  P = ?\r\nend\r\n", 2, "value expected, found '?'"},
        {"object F: TF\r\nend\r\nobject G: TG\r\nend\r\n", 3, "after the final 'end'"},
        {"object F: TF [x]\r\nend\r\n", 1, "number expected"},
    };
    for (const auto &c : cases) {
        FormTextError err;
        EXPECT_FALSE(FormTextReader::read(c.text, &err)) << c.text.constData();
        EXPECT_EQ(err.line, c.line) << c.text.constData() << " -> " << qPrintable(err.toString());
        EXPECT_TRUE(err.reason.contains(QLatin1String(c.reason)))
            << c.text.constData() << " -> " << qPrintable(err.reason);
    }
}

TEST(FormTextReader, DeepNestingIsRefusedNotOverflowed)
{
    QByteArray deep = "object F: TF\r\n  P = " + QByteArray(100000, '(') + "\r\nend\r\n";
    FormTextError err;
    EXPECT_FALSE(FormTextReader::read(deep, &err));
    EXPECT_TRUE(err.reason.contains(QLatin1String("too deep")));

    QByteArray objects;
    for (int i = 0; i < 5000; ++i)
        objects += "object A: TA\n";
    EXPECT_FALSE(FormTextReader::read(objects, &err));
    EXPECT_TRUE(err.reason.contains(QLatin1String("too deep")));
}

TEST(FormTextReader, WhatTheWriterWritesReadsBackTheSame)
{
    FormObject root;
    root.name = QStringLiteral("F");
    root.className = QStringLiteral("TF");
    QString all;
    for (char16_t c = 1; c < 400; ++c)
        all += QChar(c);
    QByteArray bytes;
    for (int i = 0; i < 1000; ++i)
        bytes += char(i * 7);
    root.properties = {{QStringLiteral("S"), FormValue::fromString(all), 0},
                       {QStringLiteral("B"), FormValue::fromBinary(bytes), 0},
                       {QStringLiteral("L"), FormValue::fromStrings({all, QString(), QStringLiteral("x")}), 0},
                       {QStringLiteral("N"), FormValue::fromFloat(-0.1, 'd'), 0},
                       {QStringLiteral("I"), FormValue::fromInteger(std::numeric_limits<qint64>::min() + 1), 0}};
    const QByteArray text = FormTextWriter::write(root);
    for (char c : text)
        ASSERT_LT(static_cast<unsigned char>(c), 128u) << "the writer produces only ASCII";
    FormTextError err;
    auto back = FormTextReader::read(text, &err);
    ASSERT_TRUE(back) << qPrintable(err.toString());
    EXPECT_EQ(back->properties, root.properties);
}
